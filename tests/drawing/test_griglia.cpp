#include "drawing/Griglia.h"
#include "model/Impostazioni.h"

#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

constexpr int Grigio = Rgb(128, 128, 128);

struct Finestra {
    float xmin, xmax, ymin, ymax;
};

struct Banco : BancoDisegno {
    Banco(Finestra f, int passoX, int passoY) {
        VistaTela.FinXmin = f.xmin;
        VistaTela.FinXmax = f.xmax;
        VistaTela.FinYmin = f.ymin;
        VistaTela.FinYmax = f.ymax;
        Imp.PassoGrigliaX = passoX;
        Imp.PassoGrigliaY = passoY;
    }

    void Disegna() { DisGriglia(Schermo()); }

    // The whole-pixel columns and rows of the model values.
    std::set<float> Colonne(const std::vector<float>& x) const {
        std::set<float> r;
        for (float v : x) r.insert(std::nearbyint(XSchermo(VistaTela, v)));
        return r;
    }
    std::set<float> Righe(const std::vector<float>& y) const {
        std::set<float> r;
        for (float v : y) r.insert(std::nearbyint(YSchermo(VistaTela, v)));
        return r;
    }
};

std::vector<float> Da(float primo, float ultimo, float passo) {
    std::vector<float> r;
    for (float v = primo; v <= ultimo; v += passo) r.push_back(v);
    return r;
}

}  // namespace

TEST(DisGriglia, MultipliDelPassoVersoZero) {
    struct Caso {
        const char* nome;
        Finestra finestra;
        int passoX, passoY;
        std::vector<float> x, y;
    };
    const std::vector<Caso> casi = {
        {.nome = "finestra a destra dell'origine",
         .finestra = {37, 463, 12, 38},
         .passoX = 10,
         .passoY = 10,
         .x = Da(30, 460, 10),
         .y = {10, 20, 30}},
        {.nome = "finestra a cavallo dell'origine",
         .finestra = {-37, 63, -38, 12},
         .passoX = 10,
         .passoY = 10,
         .x = Da(-30, 60, 10),
         .y = {-30, -20, -10, 0, 10}},
        {.nome = "finestra a sinistra dell'origine",
         .finestra = {-463, -37, -12, 8},
         .passoX = 10,
         .passoY = 5,
         .x = Da(-460, -30, 10),
         .y = {-10, -5, 0, 5}},
        {.nome = "bordi arrotondati a metà verso il pari",
         .finestra = {44.5f, 70.5f, 0, 9},
         .passoX = 5,
         .passoY = 10,
         .x = Da(40, 70, 5),
         .y = {0}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b(c.finestra, c.passoX, c.passoY);
        b.Disegna();
        const auto punti = b.Tela.DiTipo("Linea");
        ASSERT_EQ(punti.size(), c.x.size() * c.y.size());
        std::set<float> colonne, righe;
        for (const TrattoTela& t : punti) {
            EXPECT_EQ(t.Colore, Grigio);
            EXPECT_EQ(t.Stile, StileTratto::Continuo);
            EXPECT_EQ(t.Strato, StratoTela::Immagine);
            EXPECT_EQ(t.Valori[2], t.Valori[0] + 1);  // a dot: one pixel along x
            EXPECT_EQ(t.Valori[3], t.Valori[1]);
            colonne.insert(t.Valori[0]);
            righe.insert(t.Valori[1]);
        }
        EXPECT_EQ(colonne, b.Colonne(c.x));
        EXPECT_EQ(righe, b.Righe(c.y));
    }
}

TEST(DisGriglia, NessunaGrigliaSenzaPassoOConPuntiSovrapposti) {
    struct Caso {
        const char* nome;
        int passoX, passoY;
        float scala;
    };
    const std::vector<Caso> casi = {
        {.nome = "passo x nullo", .passoX = 0, .passoY = 10, .scala = 2},
        {.nome = "passo y negativo", .passoX = 10, .passoY = -5, .scala = 2},
        // 10 cm at 0.05 pixels per cm: dots half a pixel apart over a
        // window of 16,000 x 12,000 cm would be almost two million calls.
        {.nome = "punti a meno di un pixel", .passoX = 10, .passoY = 10, .scala = 0.05f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b({0, 800 / c.scala, 0, 600 / c.scala}, c.passoX, c.passoY);
        b.VistaTela.Scala = c.scala;
        b.Disegna();
        EXPECT_TRUE(b.Tela.Tratti.empty());
    }
}

TEST(DisGriglia, LontanoDallOrigineOgniPuntoUnaVolta) {
    // Near 2^24 cm a float that adds the step stops moving; the grid still
    // ends, with one dot per multiple.
    const float x0 = 16777216.0f;
    Banco b({x0, x0 + 40, 0, 10}, 1, 10);
    b.VistaTela.Scala = 20.0f;
    b.Disegna();
    EXPECT_EQ(b.Tela.DiTipo("Linea").size(), 41u * 2u);
}
