#include "drawing/DisZonaSelezione.h"
#include "drawing/Palette.h"
#include "drawing/Vista.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include "PareteDiProva.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Banco : BancoDisegno {
    Parete Dir = PareteAssi();
    StatoInterfaccia Stato;

    Banco() {
        // 10 mm bars with the lap clamped to 50 diameters: 50 cm.
        Imp.SovrappMax = 50;
        Stato.PosCorrente.Diametro = 10;
    }

    PuntoTela Pixel(float x, float y) const {
        return {XSchermo(VistaTela, x), YSchermo(VistaTela, y)};
    }

    void Disegna(Punto a, Punto b) {
        DisZonaSelezione(Dir, Imp, Stato, VistaTela, Tela, Pixel(a.X, a.Y), Pixel(b.X, b.Y), 14);
    }

    std::vector<TrattoTela> LineeDiColore(int colore) const {
        std::vector<TrattoTela> r;
        for (const TrattoTela& t : Tela.DiTipo("Linea"))
            if (t.Colore == colore) r.push_back(t);
        return r;
    }
};

}  // namespace

TEST(DisZonaSelezione, ZonaAllungataDallaSovrapposizioneConILati) {
    // A drag of 212 x 97 cm with bars of direction 2: the lengthened zone is
    // 212 + 2 x 50 = 312 long (written 310) and 97 wide (written 95).
    Banco b;
    b.Stato.DirezioneAttiva = 1;
    b.Disegna({100, 100}, {312, 197});
    const auto rosse = b.LineeDiColore(ColoreBase(12));
    ASSERT_EQ(rosse.size(), 4u);
    float xmin = 1e9f, xmax = -1e9f;
    for (const TrattoTela& t : rosse) {
        EXPECT_EQ(t.Stile, StileTratto::Continuo);
        EXPECT_EQ(t.Strato, StratoTela::Transitorio);
        xmin = std::min({xmin, t.Valori[0], t.Valori[2]});
        xmax = std::max({xmax, t.Valori[0], t.Valori[2]});
    }
    EXPECT_NEAR(xmin, b.Pixel(50, 0).X, 1e-3);
    EXPECT_NEAR(xmax, b.Pixel(362, 0).X, 1e-3);

    const auto zona = b.LineeDiColore(ColoreBase(14));
    ASSERT_EQ(zona.size(), 4u);
    for (const TrattoTela& t : zona) EXPECT_EQ(t.Stile, StileTratto::Punteggiato);
    EXPECT_EQ(b.Tela.StileCorrente(), StileTratto::Continuo);

    std::vector<std::string> testi;
    for (const TrattoTela& t : b.Tela.DiTipo("Testo")) {
        testi.push_back(t.Testo);
        EXPECT_EQ(t.Colore, ColoreBase(15));
        EXPECT_EQ(t.Valori[2], 18.0f);
        EXPECT_EQ(t.Valori[3], 7.0f);
    }
    std::sort(testi.begin(), testi.end());
    EXPECT_EQ(testi, (std::vector<std::string>{"310", "95"}));
}

TEST(DisZonaSelezione, BarreDiDirezione1AllunganoInAltezza) {
    // 100 x 200 + 2 x 50 = 300 along the vertical bars.
    Banco b;
    b.Stato.DirezioneAttiva = 0;
    b.Disegna({100, 100}, {200, 300});
    std::vector<std::string> testi;
    for (const TrattoTela& t : b.Tela.DiTipo("Testo")) testi.push_back(t.Testo);
    std::sort(testi.begin(), testi.end());
    EXPECT_EQ(testi, (std::vector<std::string>{"100", "300"}));
}

TEST(DisZonaSelezione, CordoloSoloPunteggiatoENullaSenzaArea) {
    Banco cordolo;
    cordolo.Stato.PosCorrente.Tipo = Cordolo;
    cordolo.Disegna({100, 100}, {300, 130});
    EXPECT_EQ(cordolo.Tela.DiTipo("Linea").size(), 4u);
    EXPECT_EQ(cordolo.LineeDiColore(ColoreBase(14)).size(), 4u);
    EXPECT_TRUE(cordolo.Tela.DiTipo("Testo").empty());

    for (const auto& [a, c] : {std::pair<Punto, Punto>{{100, 100}, {100, 100}},
                               {{100, 100}, {300, 100}},
                               {{100, 100}, {100, 250}}}) {
        Banco b;
        b.Disegna(a, c);
        EXPECT_TRUE(b.Tela.Tratti.empty()) << a.X << "," << a.Y << " " << c.X << "," << c.Y;
    }
}
