#include "drawing/DisSezVista.h"
#include "model/Layer.h"
#include "model/Parete.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Entities read back in model cm (the bench draws at a DXF scale of 1).
struct Tratto {
    float x1, y1, x2, y2;
    std::string layer;
    int stile = Stile::Pieno;

    bool operator==(const Tratto& o) const {
        const auto vicini = [](float a, float b) { return std::fabs(a - b) < 1e-3f; };
        return vicini(x1, o.x1) && vicini(y1, o.y1) && vicini(x2, o.x2) && vicini(y2, o.y2) &&
               layer == o.layer && stile == o.stile;
    }
};
std::ostream& operator<<(std::ostream& os, const Tratto& t) {
    return os << "(" << t.x1 << "," << t.y1 << ")-(" << t.x2 << "," << t.y2 << ") " << t.layer
              << " " << t.stile;
}

// A dimension: its line A-B and the measured points P, Q.
struct Misura {
    float xa, ya, xb, yb, xp, yp, xq, yq;

    bool operator==(const Misura&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Misura& m) {
    return os << "(" << m.xa << "," << m.ya << ")-(" << m.xb << "," << m.yb << ") at (" << m.xp
              << "," << m.yp << ")-(" << m.xq << "," << m.yq << ")";
}

// A dimension whose measured points are the ends of its own line.
Misura Propria(float xa, float ya, float xb, float yb) { return {xa, ya, xb, yb, xa, ya, xb, yb}; }

const std::string Perim = "PERIM_SEZIONI";
const std::string Tratteggi = "TRATTEGGI";
const std::string Barre = "ARMATURA_SEZ";

struct Banco {
    BancoDisegno banco;
    Parete parete;

    Banco() {
        banco.Imp.ScalaDxf = 1.0f;
        banco.Imp.SovrappMin = 50;
        banco.Imp.SovrappMax = 50;  // a 10 mm bar laps 50 cm
        parete.SpessoreParete = 20.0f;
        parete.Copriferro = 3.0f;
    }
    void Orizz(std::vector<float> ascisse, float x0 = 0.0f, float y = 0.0f, int k = 0) {
        DisSezOrizz(parete, k, ascisse, x0, y, banco.InDxf());
    }
    float Vert(std::vector<float> ascisse, float x, float y, int k = 0) {
        return DisSezVert(parete, k, ascisse, x, y, banco.InDxf());
    }
    void Elemento(std::vector<SolaioParete>& lista, int& ult, float coordinata, float s1,
                  float s2, int latoPiu, int latoMeno) {
        SolaioParete e;
        e.Coordinata = coordinata;
        e.Spessore1 = s1;
        e.Spessore2 = s2;
        e.LatoPiu = latoPiu;
        e.LatoMeno = latoMeno;
        if (ult < 0) lista.clear();
        lista.push_back(e);
        ult = static_cast<int>(lista.size()) - 1;
    }
    void Trasversale(float c, float s1, float s2, int latoPiu = 0, int latoMeno = 0) {
        Elemento(parete.ParetiTrasversali, parete.UltParete, c, s1, s2, latoPiu, latoMeno);
    }
    void Solaio(float c, float s1, float s2, int latoPiu = 0, int latoMeno = 0) {
        Elemento(parete.Solai, parete.UltSolaio, c, s1, s2, latoPiu, latoMeno);
    }

    // The lines on the given layers, in drawing order.
    std::vector<Tratto> Linee(const std::vector<std::string>& layer) const {
        std::vector<Tratto> v;
        for (const EntitaDxf& e : banco.Flusso.DiTipo("LINE"))
            for (const std::string& l : layer)
                if (e.Layer == l)
                    v.push_back({e.Valori[0], e.Valori[1], e.Valori[2], e.Valori[3], e.Layer,
                                 e.Interi[0]});
        return v;
    }
    std::vector<Misura> Quote() const {
        std::vector<Misura> v;
        for (const EntitaDxf& e : banco.Flusso.DiTipo("DIMENSION")) {
            const auto& q = e.Valori;
            v.push_back({q[2], q[3], q[4], q[5], q[6], q[7], q[8], q[9]});
        }
        return v;
    }
};

}  // namespace

TEST(DisSezOrizz, UnSoloTratto) {
    Banco t;
    t.Orizz({0, 300}, 100, 50);
    const std::vector<Tratto> attese = {
        {100, 50, 100, 30, Perim},  {400, 50, 400, 30, Perim},  // end edges
        {100, 50, 400, 50, Perim},  {100, 30, 400, 30, Perim},  // faces
        {103, 47, 397, 47, Barre},  {103, 33, 397, 33, Barre},  // the two meshes
        {103, 47, 103, 33, Barre},  {397, 47, 397, 33, Barre},
    };
    EXPECT_EQ(t.Linee({Perim, Tratteggi, Barre}), attese);
    // Overall and thickness dimensions; no piece dimension for a lone piece.
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(100, 110, 400, 110),
                                              Propria(70, 50, 70, 30)}));
    const auto testi = t.banco.Flusso.DiTipo("TEXT");
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_EQ(testi[0].Testo, "Sezione  1 - 1");
    EXPECT_EQ(testi[0].Layer, "TESTO_TITOLI");
    EXPECT_EQ(testi[0].Valori[0], 100.0f);
    EXPECT_EQ(testi[0].Valori[1], 150.0f - 2.0f);  // a hanging text keeps 2 cm off its anchor
    EXPECT_EQ(testi[0].Interi, (std::vector<int>{Allinea::Sinistra, Allinea::Alto + 1}));
}

TEST(DisSezOrizz, DueTrattiEUnApertura) {
    Banco t;
    t.Orizz({0, 200, 300, 500});
    // The opening's faces are dashed.
    std::vector<Tratto> tratteggiate;
    for (const Tratto& l : t.Linee({Perim}))
        if (l.stile == Stile::Punteggiato) tratteggiate.push_back(l);
    EXPECT_EQ(tratteggiate, (std::vector<Tratto>{{200, 0, 300, 0, Perim, Stile::Punteggiato},
                                                 {200, -20, 300, -20, Perim, Stile::Punteggiato}}));
    // Pieces and opening measured on the top face, on the line 40 above it.
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(0, 60, 500, 60),
                                              {0, 40, 200, 40, 0, 0, 200, 0},
                                              {200, 40, 300, 40, 200, 0, 300, 0},
                                              {300, 40, 500, 40, 300, 0, 500, 0},
                                              Propria(-30, 0, -30, -20)}));
    EXPECT_EQ(t.Linee({Barre}).size(), 8u);  // one bar outline per piece
}

TEST(DisSezOrizz, ParetePassanteSoloDalLatoPiu) {
    Banco t;
    t.Trasversale(150, 10, 15, /*latoPiu=*/1, /*latoMeno=*/0);  // band 140..165
    t.Orizz({0, 300});
    const std::vector<Tratto> attese = {
        {0, 0, 0, -20, Perim},       {300, 0, 300, -20, Perim},
        {0, 0, 140, 0, Perim},       {0, -20, 140, -20, Perim},  // before the wall
        {140, 0, 140, 15, Perim},    {165, 0, 165, 15, Perim},   // the stub above face a
        {140, 15, 165, 15, Tratteggi, Stile::Punteggiato},
        {140, -20, 165, -20, Perim},                             // face b runs through
        {165, 0, 300, 0, Perim},     {165, -20, 300, -20, Perim},
    };
    EXPECT_EQ(t.Linee({Perim, Tratteggi}), attese);
    // The chain on the line 40 above, measured on the bottom face.
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(0, 60, 300, 60),
                                              {0, 40, 140, 40, 0, -20, 140, -20},
                                              {140, 40, 165, 40, 140, -20, 165, -20},
                                              {165, 40, 300, 40, 165, -20, 300, -20},
                                              Propria(-30, 0, -30, -20)}));
}

TEST(DisSezOrizz, ElementoAllInizioDelTratto) {
    Banco t;
    t.Trasversale(5, 10, 10);  // band -5..15 reaches before the piece
    t.Orizz({0, 300});
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(0, 60, 300, 60),
                                              {-5, 40, 15, 40, -5, -20, 15, -20},
                                              {15, 40, 300, 40, 15, -20, 300, -20},
                                              Propria(-30, 0, -30, -20)}));
    for (const Tratto& l : t.Linee({Perim}))
        EXPECT_FALSE(l.x2 == -5.0f && l.x1 == 0.0f) << "a piece before the element: " << l;
}

TEST(DisSezOrizz, AperturaDopoUnTrattoConElementi) {
    Banco t;
    t.Trasversale(100, 10, 10);  // band 90..110 in the first piece
    t.Orizz({0, 200, 300, 500});
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(0, 60, 500, 60),
                                              {0, 40, 90, 40, 0, -20, 90, -20},
                                              {90, 40, 110, 40, 90, -20, 110, -20},
                                              {110, 40, 200, 40, 110, -20, 200, -20},
                                              {200, 40, 300, 40, 200, 0, 300, 0},
                                              {300, 40, 500, 40, 300, 0, 500, 0},
                                              Propria(-30, 0, -30, -20)}));
    std::vector<Tratto> tratteggiate;
    for (const Tratto& l : t.Linee({Perim}))
        if (l.stile == Stile::Punteggiato) tratteggiate.push_back(l);
    EXPECT_EQ(tratteggiate, (std::vector<Tratto>{{200, 0, 300, 0, Perim, Stile::Punteggiato},
                                                 {200, -20, 300, -20, Perim, Stile::Punteggiato}}));
}

TEST(DisSezVista, MagliaUnica) {
    struct Caso {
        const char* nome;
        bool verticale;
        int piega;
        std::vector<Tratto> attese;
    };
    const Caso casi[] = {
        {.nome = "horizontal, no bends",
         .verticale = false,
         .piega = 0,
         .attese = {{3, -10.8f, 297, -10.8f, Barre}}},
        {.nome = "horizontal, bends 5 up and 20 back",
         .verticale = false,
         .piega = 1,
         .attese = {{3, -10.8f, 297, -10.8f, Barre},
                    {3, -10.8f, 3, -5.8f, Barre},
                    {3, -5.8f, 23, -5.8f, Barre},
                    {297, -10.8f, 297, -5.8f, Barre},
                    {297, -5.8f, 277, -5.8f, Barre}}},
        {.nome = "vertical, bends 5 left and 20 back",
         .verticale = true,
         .piega = 1,
         .attese = {{110.8f, 3, 110.8f, 297, Barre},
                    {110.8f, 3, 105.8f, 3, Barre},
                    {105.8f, 3, 105.8f, 23, Barre},
                    {110.8f, 297, 105.8f, 297, Barre},
                    {105.8f, 297, 105.8f, 277, Barre}}},
    };
    for (const Caso& c : casi) {
        Banco t;
        t.parete.MagliaUnica = -1;
        t.parete.PiegaAncoraggio = c.piega;
        // Each view bends with the "lato -" diameter of its own direction.
        if (c.verticale) {
            t.parete.DiamDir1Meno = 10;
            EXPECT_EQ(t.Vert({0, 300}, 100, 0), 0.0f) << c.nome;
        } else {
            t.parete.DiamDir2Meno = 10;
            t.Orizz({0, 300});
        }
        EXPECT_EQ(t.Linee({Barre}), c.attese) << c.nome;
    }
}

TEST(DisSezVert, DueMaglieEQuote) {
    Banco t;
    const float fondo = t.Vert({10, 310}, 100, -400);
    EXPECT_EQ(fondo, -390.0f);
    const std::vector<Tratto> attese = {
        {100, -390, 120, -390, Perim}, {100, -90, 120, -90, Perim},    // end edges
        {100, -390, 100, -90, Perim},  {120, -390, 120, -90, Perim},   // faces
        {105, -387, 105, -93, Barre},  {115, -387, 115, -93, Barre},   // 5 inside each face
        {105, -387, 115, -387, Barre}, {105, -93, 115, -93, Barre},    // 3 inside each end
    };
    EXPECT_EQ(t.Linee({Perim, Tratteggi, Barre}), attese);
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(100, -70, 120, -70),
                                              {45, -390, 45, -90, 100, -390, 100, -90}}));
    const auto testi = t.banco.Flusso.DiTipo("TEXT");
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_EQ(testi[0].Valori[0], 100.0f);
    EXPECT_EQ(testi[0].Valori[1], -30.0f - 2.0f);
}

TEST(DisSezVert, SolaioPassanteSoloDalLatoMeno) {
    Banco t;
    t.Solaio(150, 10, 15, /*latoPiu=*/0, /*latoMeno=*/1);  // band 135..160
    (void)t.Vert({0, 200, 250, 300}, 100, 0);
    const std::vector<Tratto> attese = {
        {100, 0, 120, 0, Perim},       {100, 200, 120, 200, Perim},
        {100, 0, 100, 135, Perim},     {120, 0, 120, 135, Perim},
        {100, 135, 100, 160, Perim},                              // face a runs through
        {120, 135, 135, 135, Perim},   {120, 160, 135, 160, Perim},  // the stub right of face b
        {135, 135, 135, 160, Tratteggi, Stile::Punteggiato},
        {100, 160, 100, 200, Perim},   {120, 160, 120, 200, Perim},
        {100, 200, 100, 250, Perim, Stile::Punteggiato},            // the opening
        {120, 200, 120, 250, Perim, Stile::Punteggiato},
        {100, 250, 120, 250, Perim},   {100, 300, 120, 300, Perim},
        {100, 250, 100, 300, Perim},   {120, 250, 120, 300, Perim},
    };
    EXPECT_EQ(t.Linee({Perim, Tratteggi}), attese);
    // Everything on the line 30 left of face a, measured on face b.
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(100, 320, 120, 320),
                                              {45, 0, 45, 300, 100, 0, 100, 300},
                                              {70, 0, 70, 135, 120, 0, 120, 135},
                                              {70, 135, 70, 160, 120, 135, 120, 160},
                                              {70, 160, 70, 200, 120, 160, 120, 200},
                                              {70, 200, 70, 250, 120, 200, 120, 250},
                                              {70, 250, 70, 300, 120, 250, 120, 300}}));
}

TEST(DisSezVista, Titoli) {
    struct Caso {
        int k;
        const char* titolo;
    };
    const Caso casi[] = {{0, "Sezione  1 - 1"}, {1, "Sezione  2 - 2"}, {11, "Sezione  12 - 12"}};
    for (const Caso& c : casi) {
        Banco t;
        t.Orizz({0, 300}, 0, 0, c.k);
        (void)t.Vert({0, 300}, 0, 0, c.k);
        const auto testi = t.banco.Flusso.DiTipo("TEXT");
        ASSERT_EQ(testi.size(), 2u) << c.k;
        EXPECT_EQ(testi[0].Testo, c.titolo);
        EXPECT_EQ(testi[1].Testo, c.titolo);
    }
}

TEST(DisSezVista, SoloCoppieComplete) {
    Banco t;
    t.Orizz({0, 200, 300});  // the odd last crossing is no piece
    EXPECT_EQ(t.Quote(), (std::vector<Misura>{Propria(0, 60, 200, 60),
                                              Propria(-30, 0, -30, -20)}));
    EXPECT_EQ(t.Linee({Perim}).size(), 4u);

    Banco vuoto;
    vuoto.Orizz({5});
    EXPECT_EQ(vuoto.Vert({}, 100, 7), 7.0f);
    EXPECT_EQ(vuoto.Vert({5}, 100, 7), 7.0f);
    EXPECT_TRUE(vuoto.banco.Flusso.Entita.empty());
}
