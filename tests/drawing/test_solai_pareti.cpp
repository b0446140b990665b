#include "design/Modifica.h"
#include "drawing/SolaiPareti.h"
#include "model/Estensione.h"
#include "model/Parete.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 30 cm wall with 3 cm cover on the clockwise corners given, its extents computed.
Parete PareteDaVertici(const std::vector<Punto>& vertici) {
    Parete p = PareteDaContorno(vertici);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = 12;
    p.DiamDir1Meno = 12;
    CalcolaEstensione(p);
    return p;
}

Parete Rettangolo300x200() { return PareteDaVertici(AnelloRettangolare(300, 200)); }

SolaioParete Elemento(float coordinata, float spessore1 = 15.0f, float spessore2 = 15.0f) {
    SolaioParete s;
    s.Coordinata = coordinata;
    s.Spessore1 = spessore1;
    s.Spessore2 = spessore2;
    return s;
}

// The coordinates along the band of points 0..n.
std::vector<float> Lungo(const std::vector<Punto>& punti, int n, bool verticale) {
    std::vector<float> v;
    for (int i = 0; i <= n; ++i) v.push_back(verticale ? punti[i].Y : punti[i].X);
    return v;
}

}  // namespace

TEST(IntervalliSolaio, CasiDellaBanda) {
    struct Caso {
        const char* nome;
        float coordinata;
        float rientro1;
        float rientro2;
        bool apertura;
        std::vector<float> attesi;  // empty: refused (n < 1)
    };
    const Caso casi[] = {
        {"mid-height", 100, 0, 0, false, {0, 300}},
        {"left setback", 100, 20, 0, false, {20, 300}},
        {"both setbacks", 100, 20, 35, false, {20, 265}},
        {"on the top edge", 200, 0, 0, false, {0, 300}},
        {"across an opening", 100, 0, 0, true, {0, 100, 200, 300}},
        {"setbacks inside the opening stretches", 100, 30, 30, true, {30, 100, 200, 270}},
        {"left setback too long", 100, 301, 0, false, {}},
        {"right setback too long", 100, 0, 301, false, {}},
        {"first stretch eaten by its setback", 100, 120, 0, true, {}},
        {"above the wall", 250, 0, 0, false, {}},
    };
    for (const Caso& c : casi) {
        Parete p = Rettangolo300x200();
        if (c.apertura) AggiungiApertura(p, 100, 50, 200, 150);
        SolaioParete solaio = Elemento(c.coordinata);
        solaio.Rientro1 = c.rientro1;
        solaio.Rientro2 = c.rientro2;
        std::vector<Punto> punti;
        int n = 99;
        IntervalliSolaio(p, solaio, punti, n);
        if (c.attesi.empty()) {
            EXPECT_LT(n, 1) << c.nome;
            continue;
        }
        ASSERT_EQ(n, static_cast<int>(c.attesi.size()) - 1) << c.nome;
        EXPECT_EQ(Lungo(punti, n, false), c.attesi) << c.nome;
        for (int i = 0; i <= n; ++i) EXPECT_NEAR(punti[i].Y, c.coordinata, 0.1f) << c.nome;
    }
}

TEST(IntervalliSolaio, UnVerticeNonSuUnLatoOrizzontaleNonConta) {
    // The right side is a point at (350, 100) between two slanted sides.
    Parete p = PareteDaVertici({{0, 0}, {0, 200}, {300, 200}, {350, 100}, {300, 0}});
    std::vector<Punto> punti;
    int n = 99;
    IntervalliSolaio(p, Elemento(100), punti, n);
    EXPECT_EQ(n, 0);  // one crossing only: refused
    EXPECT_TRUE(punti.empty());

    IntervalliSolaio(p, Elemento(150), punti, n);
    ASSERT_EQ(n, 1);
    EXPECT_FLOAT_EQ(punti[0].X, 0.0f);
    EXPECT_FLOAT_EQ(punti[1].X, 325.0f);
}

TEST(IntervalliParete, OrdinatiLungoYConRientriInBassoEInAlto) {
    Parete p = Rettangolo300x200();
    AggiungiApertura(p, 100, 50, 200, 150);
    SolaioParete parete = Elemento(150);
    parete.Rientro1 = 10;  // bottom
    parete.Rientro2 = 30;  // top
    std::vector<Punto> punti;
    int n = -5;
    IntervalliParete(p, parete, punti, n);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(Lungo(punti, n, true), (std::vector<float>{10, 50, 150, 170}));
    for (int i = 0; i <= n; ++i) EXPECT_FLOAT_EQ(punti[i].X, 150.0f);
}

TEST(AggiornaPerimetriSolaio, SolaioSulBordoSuperioreEPoiEliminato) {
    Sessione sessione;
    Parete& p = sessione.parete;
    p = Rettangolo300x200();
    p.Solai[0] = Elemento(200, 15, 25);
    p.UltSolaio = 0;
    AggiornaPerimetriSolaio(p, 200, 15, 25);
    // Vertical bars run up through the slab, horizontal ones stop below it.
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[1].Y, 215.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[2].Y, 215.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[1].X, 0.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[2].X, 300.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[1].Y, 175.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[2].Y, 175.0f);
    // The vertices off the edge and the outline stay.
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[0].Y, 0.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[3].Y, 0.0f);
    EXPECT_FLOAT_EQ(p.Contorno[1].Y, 200.0f);

    FinestraRegistrata finestra;
    {
        // Deleting a slab takes no undo step; the geometry tail follows.
        Modifica modifica(sessione, finestra, CodaRicalcolo::Geometria, PuntoAnnullamento::No);
        EliminaSolaio(p, 0);
        modifica.Conferma();
    }
    EXPECT_EQ(p.UltSolaio, -1);
    EXPECT_EQ(p.Solai.size(), 1u);
    for (int i : {1, 2}) {
        EXPECT_FLOAT_EQ(p.PerimetroEsterno[i].Y, 200.0f);
        EXPECT_FLOAT_EQ(p.PerimetroInterno[i].Y, 200.0f);
    }
    // The contours were rebuilt from the restored perimeters.
    ASSERT_GE(p.ContornoDir1.size(), 5u);
    EXPECT_NEAR(p.EstArmDir2.Ymax, 197.0f, 1e-3f);
}

TEST(AggiornaPerimetriSolaio, SolaioSulBordoInferiore) {
    Parete p = Rettangolo300x200();
    AggiornaPerimetriSolaio(p, 0, 15, 25);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[0].Y, -25.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[3].Y, -25.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[0].Y, 15.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[3].Y, 15.0f);
    // Vertex 0 moved: the closing element follows it.
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[4].Y, -25.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[4].Y, 15.0f);
}

TEST(AggiornaPerimetriSolaio, SolaioAMezzaAltezzaNonToccaIPerimetri) {
    Parete p = Rettangolo300x200();
    const std::vector<Punto> prima = p.PerimetroEsterno;
    AggiornaPerimetriSolaio(p, 100, 15, 15);
    for (std::size_t i = 0; i < prima.size(); ++i) {
        EXPECT_FLOAT_EQ(p.PerimetroEsterno[i].X, prima[i].X);
        EXPECT_FLOAT_EQ(p.PerimetroEsterno[i].Y, prima[i].Y);
    }
}

TEST(AggiornaPerimetriParete, PareteSuiBordiVerticali) {
    Parete p = Rettangolo300x200();
    // Right edge: the band lies outside on the right.
    AggiornaPerimetriParete(p, 300, 20, 25);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[2].X, 325.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[3].X, 325.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[2].X, 280.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[3].X, 280.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[2].Y, 200.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[3].Y, 0.0f);

    // Left edge: the band lies outside on the left.
    AggiornaPerimetriParete(p, 0, 20, 25);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[0].X, -20.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[1].X, -20.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[0].X, 25.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[1].X, 25.0f);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[4].X, -20.0f);

    // Widths of 0 bring them back onto the edge.
    AggiornaPerimetriParete(p, 0, 0, 0);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[0].X, 0.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[1].X, 0.0f);
}

TEST(AggiornaPerimetriSolaio, PerimetriNonCorrispondentiRestanoComeSono) {
    Parete p = Rettangolo300x200();
    p.PerimetroEsterno = {{0, 0}, {0, 200}, {150, 200}, {300, 200}, {300, 0}, {0, 0}};
    p.NumPuntiEst = 5;
    AggiornaPerimetriSolaio(p, 200, 15, 15);
    EXPECT_FLOAT_EQ(p.PerimetroEsterno[1].Y, 200.0f);
    EXPECT_FLOAT_EQ(p.PerimetroInterno[1].Y, 200.0f);
}

TEST(OrdinaSolai, OrdineCrescenteDiCoordinata) {
    Parete p;
    p.Solai = {Elemento(300, 1), Elemento(100, 2), Elemento(200, 3), Elemento(50, 4)};
    p.UltSolaio = 2;  // the fourth record lies beyond the list
    OrdinaSolai(p);
    EXPECT_FLOAT_EQ(p.Solai[0].Coordinata, 100.0f);
    EXPECT_FLOAT_EQ(p.Solai[0].Spessore1, 2.0f);  // whole records move
    EXPECT_FLOAT_EQ(p.Solai[1].Coordinata, 200.0f);
    EXPECT_FLOAT_EQ(p.Solai[2].Coordinata, 300.0f);
    EXPECT_FLOAT_EQ(p.Solai[3].Coordinata, 50.0f);

    p.ParetiTrasversali = {Elemento(90), Elemento(10)};
    p.UltParete = 1;
    OrdinaPareti(p);
    EXPECT_FLOAT_EQ(p.ParetiTrasversali[0].Coordinata, 10.0f);

    Parete uno;
    uno.Solai = {Elemento(300)};
    uno.UltSolaio = 0;
    OrdinaSolai(uno);
    EXPECT_FLOAT_EQ(uno.Solai[0].Coordinata, 300.0f);
}

TEST(EliminaSolaio, TieneLOrdineEIgnoraIndiciFuoriLista) {
    Parete p = Rettangolo300x200();
    p.Solai = {Elemento(50), Elemento(100), Elemento(150)};
    p.UltSolaio = 2;
    EliminaSolaio(p, 7);
    EliminaSolaio(p, -1);
    EXPECT_EQ(p.UltSolaio, 2);

    EliminaSolaio(p, 1);
    ASSERT_EQ(p.UltSolaio, 1);
    EXPECT_EQ(p.Solai.size(), 2u);
    EXPECT_FLOAT_EQ(p.Solai[0].Coordinata, 50.0f);
    EXPECT_FLOAT_EQ(p.Solai[1].Coordinata, 150.0f);

    p.ParetiTrasversali = {Elemento(100)};
    p.UltParete = 0;
    EliminaParete(p, 0);
    EXPECT_EQ(p.UltParete, -1);
    EXPECT_EQ(p.ParetiTrasversali.size(), 1u);
}

TEST(SolaiNegliIntervalli, SceltaDeiSolaiDiTaglio) {
    struct Caso {
        const char* nome;
        std::vector<float> cime;  // slab tops (level + 20)
        std::vector<float> quote;
        std::vector<int> attesi;
    };
    // 12 mm bars of direction 1: pieces shorter than 120 cm are not cut off.
    const Caso casi[] = {
        {"one slab", {320}, {3, 697}, {0}},
        {"two slabs 100 apart: the lower dropped", {220, 320}, {3, 697}, {1}},
        {"two slabs 300 apart", {220, 520}, {3, 997}, {0, 1}},
        {"last slab near the bar end", {500}, {0, 600}, {}},   // 597 - 500 < 120
        {"top on the interval ends counts", {300}, {300, 900}, {0}},
        {"top outside", {320}, {400, 900}, {}},
        {"the last interval wins", {50, 300}, {0, 100, 150, 600}, {1}},
    };
    for (const Caso& c : casi) {
        Parete p;
        p.DiamDir1Piu = 12;
        p.DiamDir1Meno = 10;
        p.Copriferro = 3;
        p.Solai.clear();
        for (float cima : c.cime) p.Solai.push_back(Elemento(cima - 20, 20, 10));
        p.UltSolaio = static_cast<int>(p.Solai.size()) - 1;
        std::vector<int> elenco;
        int m = -1;
        SolaiNegliIntervalli(p, c.quote, static_cast<int>(c.quote.size()), elenco, m);
        ASSERT_EQ(m, static_cast<int>(c.attesi.size())) << c.nome;
        for (int j = 0; j < m; ++j) EXPECT_EQ(elenco[j], c.attesi[j]) << c.nome;
    }
}

TEST(SolaiNegliIntervalli, SenzaUnaCoppiaDiQuoteNonCambiaNulla) {
    Parete p;
    p.Solai = {Elemento(300)};
    p.UltSolaio = 0;
    std::vector<int> elenco = {5};
    int m = 7;
    SolaiNegliIntervalli(p, {0}, 1, elenco, m);
    EXPECT_EQ(m, 7);
    EXPECT_EQ(elenco, std::vector<int>{5});

    // An odd count: the lone last height starts no pair, nothing read past it.
    SolaiNegliIntervalli(p, {0, 900, 1000}, 3, elenco, m);
    ASSERT_EQ(m, 1);
    EXPECT_EQ(elenco[0], 0);
}
