#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniAnteprima.h"
#include "design/ArmaturaPosizioniCordoli.h"
#include "design/ArmaturaPosizioniScansione.h"
#include "design/ArmaturaPosizioniTesti.h"
#include "drawing/FormeFerriPiano.h"
#include "drawing/Palette.h"
#include "drawing/Primitive.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

#include "PareteDiProva.h"
#include "TelaRegistrata.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Lengths worked out by hand. Walls come from PareteAssiArmata: contour 3 cm
// inside the outline, end legs of 22 cm. Zone bars are 12 mm: anchorage 62
// cm, so the developed bars lap by 2 x 62 = 124 cm, while the label adds one
// anchorage length of 62 cm per joint; bars are at most 600 cm long.

namespace {

// The diameter sign as the DXF stream receives it.
const std::string Diam = "\xC3\x98";

std::vector<Punto> Riquadro(float x1, float y1, float x2, float y2) {
    return {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
}

// A zone of horizontal bars (direction 2) at 20 cm on "lato +", leader
// across its bars 20 cm inside its left edge, label 30 cm below its box.
int ZonaOrizzontale(Parete& p, const std::vector<Punto>& poligono, float x, float y1, float y2) {
    return AggiungiZona(p, poligono, IntegrativaPiu, 1, 12, 20.0f, {x, y1}, {x, y2},
                        {x, y1 - 30.0f});
}

std::vector<EntitaDxf> SulLayer(const FlussoDxfRegistrato& f, const std::string& tipo,
                                const std::string& layer) {
    std::vector<EntitaDxf> r;
    for (const EntitaDxf& e : f.DiTipo(tipo))
        if (e.Layer == layer) r.push_back(e);
    return r;
}

std::vector<std::string> Testi(const FlussoDxfRegistrato& f) {
    std::vector<std::string> r;
    for (const EntitaDxf& e : f.DiTipo("TEXT")) r.push_back(e.Testo);
    return r;
}

}  // namespace

TEST(MisuraArmaturaPosizioni, LunghezzeDelleZone) {
    struct Caso {
        const char* nome;
        Parete parete;
        float attesa;
    };
    // Lines at y = 50.5 (the first nudged inside), 70, 90, 110, 130; y = 150
    // is the upper edge and lays nothing.
    Parete interna = PareteAssiArmata(400, 300);
    ZonaOrizzontale(interna, Riquadro(100, 50, 300, 150), 120, 50, 150);
    // The bars reach the contour x = 3 and x = 397: 22 + 394 + 22 = 438.
    Parete bordo = PareteAssiArmata(400, 300);
    ZonaOrizzontale(bordo, Riquadro(3, 50, 397, 150), 120, 50, 150);
    // Only the left end reaches the contour: 22 + 197 = 219.
    Parete sinistra = PareteAssiArmata(400, 300);
    ZonaOrizzontale(sinistra, Riquadro(3, 50, 200, 150), 120, 50, 150);
    // Vertical bars over the full height 3..297 at x = 199.5, 180, 160, 140,
    // 120, cut at the slab top 170: the bottom piece 22 + 167 + 124 (lap
    // into the next) = 313, the top piece 127 + 22 = 149; 5 x 462.
    Parete solaio = PareteAssiArmata(400, 300);
    AggiungiSolaio(solaio, 150);
    AggiungiZona(solaio, Riquadro(100, 3, 200, 297), IntegrativaPiu, 0, 12, 20.0f, {200, 30},
                 {100, 30}, {80, 30});
    // Bars of 800 inside a 1000 cm wall: a full piece of 600 and a last piece
    // of 800 - 600 + 124 = 324; 5 x 924.
    Parete lunga = PareteAssiArmata(1000, 300);
    ZonaOrizzontale(lunga, Riquadro(100, 50, 900, 150), 120, 50, 150);
    const Caso casi[] = {
        {"inside the contour", interna, 5 * 200.0f},
        {"reaching the contour", bordo, 5 * 438.0f},
        {"reaching the contour on the left", sinistra, 5 * 219.0f},
        {"cut by a slab", solaio, 5 * 462.0f},
        {"longer than the longest bar", lunga, 5 * 924.0f},
    };
    for (const Caso& c : casi) {
        const auto lunghezze = MisuraArmaturaPosizioni(c.parete, Impostazioni{}, IntegrativaPiu);
        ASSERT_TRUE(lunghezze.has_value()) << c.nome;
        ASSERT_EQ(lunghezze->size(), 1u) << c.nome;
        EXPECT_EQ(lunghezze->front().Indice, 0) << c.nome;
        EXPECT_FLOAT_EQ(lunghezze->front().LungTotale, c.attesa) << c.nome;
        EXPECT_TRUE(MisuraArmaturaPosizioni(c.parete, Impostazioni{}, IntegrativaMeno)->empty())
            << c.nome;
    }
}

TEST(MisuraArmaturaPosizioni, SenzaContorniNienteESenzaPassoNessunaBarra) {
    Parete p = PareteAssiArmata(400, 300);
    const int i = ZonaOrizzontale(p, Riquadro(100, 50, 300, 150), 120, 50, 150);
    p.Posizioni[i].Passo = 0.0f;
    const auto lunghezze = MisuraArmaturaPosizioni(p, Impostazioni{}, IntegrativaPiu);
    ASSERT_TRUE(lunghezze.has_value());
    EXPECT_FLOAT_EQ(lunghezze->at(0).LungTotale, 0.0f);
    p.Posizioni[i].Passo = -5.0f;
    EXPECT_FLOAT_EQ(MisuraArmaturaPosizioni(p, Impostazioni{}, IntegrativaPiu)->at(0).LungTotale,
                    0.0f);

    Parete senzaContorni = PareteRettangolare(400, 300);
    ZonaOrizzontale(senzaContorni, Riquadro(100, 50, 300, 150), 120, 50, 150);
    EXPECT_FALSE(MisuraArmaturaPosizioni(senzaContorni, Impostazioni{}, IntegrativaPiu));
}

TEST(RicalcolaArmature, MemorizzaZoneECordoliSenzaToccareLaDiffusa) {
    Parete senza = PareteAssiArmata(400, 300);
    Parete con = senza;
    ZonaOrizzontale(con, Riquadro(100, 50, 300, 150), 120, 50, 150);
    const int meno = AggiungiZona(con, Riquadro(3, 50, 397, 150), IntegrativaMeno, 1, 12, 20.0f,
                                  {120, 50}, {120, 150}, {120, 20});
    // Band 0..200 along x: length 200; the corners' order does not matter.
    const int cordolo =
        AggiungiCordolo(con, {{0, 30}, {200, 30}, {200, 0}, {0, 0}}, 0.0f, 20.0f, {100, 30},
                        {100, 0}, {130, -30});
    // A band along a side at 90 degrees, 250 long.
    const int verticale = AggiungiCordolo(con, {{0, 0}, {0, 250}, {30, 250}, {30, 0}},
                                          1.5707963f, 20.0f, {0, 100}, {30, 100}, {-30, 130});
    RicalcolaArmature(senza, Impostazioni{});
    RicalcolaArmature(con, Impostazioni{});
    EXPECT_FLOAT_EQ(con.Posizioni[0].LungTotale, 1000.0f);
    EXPECT_FLOAT_EQ(con.Posizioni[meno].LungTotale, 5 * 438.0f);
    EXPECT_FLOAT_EQ(con.Posizioni[cordolo].LungTotale, 200.0f);
    EXPECT_NEAR(con.Posizioni[verticale].LungTotale, 250.0f, 1e-3);
    EXPECT_EQ(con.Derivati(), senza.Derivati()) << "zones change the distributed quantities";
}

TEST(TestoLunghezzaBarra, PezziInteriESovrapposizioni) {
    struct Caso {
        const char* nome;
        float l, lungMax;
        int lap;
        const char* atteso;
    };
    const Caso casi[] = {
        {.nome = "fits", .l = 480, .lungMax = 600, .lap = 62, .atteso = "480"},
        // 1450 - 1200 + 60 = 310.
        {.nome = "one full piece", .l = 1450, .lungMax = 1200, .lap = 60, .atteso = "1200+310"},
        // 1450 - 1200 + 2 x 62 = 374, rounded up to 375.
        {.nome = "two full pieces", .l = 1450, .lungMax = 600, .lap = 62, .atteso = "600+600+375"},
        {.nome = "no maximum", .l = 1450, .lungMax = 0, .lap = 62, .atteso = "1450"},
        {.nome = "negative maximum", .l = 1450, .lungMax = -600, .lap = 62, .atteso = "1450"},
        // Split, these would write billions of pieces: written whole, as drawn.
        {.nome = "far beyond the range", .l = 1e10f, .lungMax = 600, .lap = 62,
         .atteso = "10000000000"},
        {.nome = "range's length at a 0.001 cm maximum", .l = 200000, .lungMax = 0.001f,
         .lap = 0, .atteso = "200000"},
    };
    for (const Caso& c : casi) EXPECT_EQ(TestoLunghezzaBarra(c.l, c.lungMax, c.lap), c.atteso) << c.nome;
}

// As many full pieces as a split draws are written; one more and the bar is
// written whole.
TEST(TestoLunghezzaBarra, PezziInteriAlPiuQuantiNeDisegnaLaSpezzatura) {
    std::string attesi;
    for (int i = 0; i < MassimoPezziFerro; ++i) attesi += "1+";
    // The last piece carries the 0.5 cm left, rounded up to 5 cm.
    EXPECT_EQ(TestoLunghezzaBarra(MassimoPezziFerro + 0.5f, 1.0f, 0), attesi + "5");
    EXPECT_EQ(TestoLunghezzaBarra(MassimoPezziFerro + 1.0f, 1.0f, 0), "10001");
}

TEST(ArmaturaPosizioni, BarreSegniEdEtichette) {
    struct Caso {
        const char* nome;
        std::vector<Punto> zona;
        float larghezzaParete;
        int descrizione;
        std::vector<std::string> testi;  // the number first
    };
    const Caso casi[] = {
        // Five bars of 200: "L=200" is short, so one line.
        {"equal bars", Riquadro(100, 50, 300, 150), 400, 1, {"1", "5" + Diam + "12/20 L=200"}},
        // Right side from (300, 50) to (200, 150): bars of 199.5, 180, 160,
        // 140, 120.
        {"varying bars", {{100, 50}, {100, 150}, {200, 150}, {300, 50}}, 400, 1,
         {"1", "5" + Diam + "12/20", "L var. min.120, max.200"}},
        // Bars of 800: one piece of 600 and 800 - 600 + 62 = 262, up to 265.
        {"one full piece", Riquadro(100, 50, 900, 150), 1000, 1,
         {"1", "5" + Diam + "12/20", "L=600+265"}},
        // Bars of 1300: 1300 - 1200 + 2 x 62 = 224, up to 225.
        {"two full pieces", Riquadro(100, 50, 1400, 150), 1500, 1,
         {"1", "5" + Diam + "12/20", "L=600+600+225"}},
        {"no full description", Riquadro(100, 50, 300, 150), 400, 0, {"1"}},
    };
    for (const Caso& c : casi) {
        Parete p = PareteAssiArmata(c.larghezzaParete, 300);
        ZonaOrizzontale(p, c.zona, 120, 50, 150);
        BancoDisegno banco;
        banco.Imp.DescrizioneCompleta = c.descrizione;
        ArmaturaPosizioni(p, 10.0f, 0.0f, IntegrativaPiu, banco.InDxf());
        const auto barre = SulLayer(banco.Flusso, "LINE", "ARM_INTEGR2");
        ASSERT_EQ(barre.size(), 5u) << c.nome;
        // Shifted by dx = 10; the first line nudged 0.5 inside the lower edge.
        EXPECT_FLOAT_EQ(barre[0].Valori[0], 2 * 110.0f) << c.nome;
        EXPECT_FLOAT_EQ(barre[0].Valori[1], 2 * 50.5f) << c.nome;
        EXPECT_FLOAT_EQ(barre[4].Valori[1], 2 * 130.0f) << c.nome;
        // One tick per line on the leader x = 120 (+ 10), the leader and the
        // line to the circle.
        const auto segni = SulLayer(banco.Flusso, "LINE", "POS_INTEGRATIVA");
        ASSERT_EQ(segni.size(), 7u) << c.nome;
        EXPECT_FLOAT_EQ(segni[0].Valori[0], 2 * 133.0f) << c.nome;
        EXPECT_FLOAT_EQ(segni[0].Valori[1], 2 * 53.0f) << c.nome;
        EXPECT_FLOAT_EQ(segni[0].Valori[2], 2 * 127.0f) << c.nome;
        EXPECT_EQ(Testi(banco.Flusso), c.testi) << c.nome;
        EXPECT_TRUE(SulLayer(banco.Flusso, "LINE", "ARM_INTEGR1").empty()) << c.nome;
    }
}

TEST(ArmaturaPosizioni, SoloLeZoneDellaFaccia) {
    Parete p = PareteAssiArmata(400, 300);
    AggiungiZona(p, Riquadro(100, 50, 300, 150), IntegrativaMeno, 0, 12, 20.0f, {300, 70},
                 {100, 70}, {80, 70});
    AggiungiCordolo(p, {{0, 30}, {200, 30}, {200, 0}, {0, 0}}, 0.0f, 20.0f, {100, 30}, {100, 0},
                    {130, -30});
    BancoDisegno banco;
    ArmaturaPosizioni(p, 0, 0, IntegrativaPiu, banco.InDxf());
    ArmaturaPosizioni(p, 0, 0, Cordolo, banco.InDxf());
    EXPECT_TRUE(banco.Flusso.Entita.empty());
    // Vertical bars at x = 299.5, 280, ..., 120 on "ARM_INTEGR1".
    ArmaturaPosizioni(p, 0, 0, IntegrativaMeno, banco.InDxf());
    const auto barre = SulLayer(banco.Flusso, "LINE", "ARM_INTEGR1");
    ASSERT_EQ(barre.size(), 10u);
    EXPECT_FLOAT_EQ(barre[0].Valori[0], 2 * 299.5f);
    EXPECT_FLOAT_EQ(barre[9].Valori[0], 2 * 120.0f);
}

TEST(BarreDellaLinea, ConteggioDispariSceltoDalPuntoMedio) {
    // A U open at the top: the notch 3..7 reaches down to y = 3.
    const std::vector<Punto> u = {{0, 0},  {0, 10}, {3, 10}, {3, 3},
                                  {7, 3},  {7, 10}, {10, 10}, {10, 0}};
    std::vector<std::pair<float, float>> barre;
    BarreDellaLinea({0, 3, 7, 10}, u, 5, barre);
    EXPECT_EQ(barre, (std::vector<std::pair<float, float>>{{0, 3}, {7, 10}}));
    // One crossing lost: the middle of 3..7 lies in the notch.
    BarreDellaLinea({0, 3, 7}, u, 5, barre);
    EXPECT_EQ(barre, (std::vector<std::pair<float, float>>{{0, 3}}));
    BarreDellaLinea({0, 5, 10}, u, 1, barre);
    EXPECT_EQ(barre, (std::vector<std::pair<float, float>>{{0, 5}, {5, 10}}));
    BarreDellaLinea({4}, u, 1, barre);
    EXPECT_TRUE(barre.empty());
}

TEST(DisBarrePosizione, AnteprimaConLaLineaSulBordo) {
    Parete p = PareteAssiArmata(400, 300);
    ZonaOrizzontale(p, Riquadro(100, 50, 300, 150), 120, 50, 150);
    BancoDisegno banco;
    DisBarrePosizione(p, 0, 1, IntegrativaPiu, banco.Tela, StratoTela::Immagine, banco.VistaTela);
    const auto linee = banco.Tela.DiTipo("Linea");
    // 50.5, 70, 90, 110, 130 and the edge line 150 moved to 149.5.
    ASSERT_EQ(linee.size(), 6u);
    EXPECT_FLOAT_EQ(linee[0].Valori[1], YSchermo(banco.VistaTela, 50.5f));
    EXPECT_FLOAT_EQ(linee[5].Valori[1], YSchermo(banco.VistaTela, 149.5f));
    EXPECT_FLOAT_EQ(linee[5].Valori[0], XSchermo(banco.VistaTela, 100.0f));
    EXPECT_FLOAT_EQ(linee[5].Valori[2], XSchermo(banco.VistaTela, 300.0f));
    for (const TrattoTela& t : linee) EXPECT_EQ(t.Colore, ColoreBase(8));

    BancoDisegno altro;
    DisBarrePosizione(p, 0, 0, IntegrativaPiu, altro.Tela, StratoTela::Immagine, altro.VistaTela);
    DisBarrePosizione(p, 0, 1, IntegrativaMeno, altro.Tela, StratoTela::Immagine, altro.VistaTela);
    DisBarrePosizione(p, 1, 1, IntegrativaPiu, altro.Tela, StratoTela::Immagine, altro.VistaTela);
    DisBarrePosizione(p, -1, 1, IntegrativaPiu, altro.Tela, StratoTela::Immagine, altro.VistaTela);
    EXPECT_TRUE(altro.Tela.Tratti.empty());
}

TEST(DisSimboliPosizioni, FasciaSegniEStaffe) {
    Parete p = PareteAssiArmata(400, 300);
    AggiungiCordolo(p, {{0, 30}, {200, 30}, {200, 0}, {0, 0}}, 0.0f, 20.0f, {100, 30}, {100, 0},
                    {130, -30});
    BancoDisegno banco;
    DisSimboliPosizioni(p, 0, 0, banco.InDxf());
    const auto estremi = SulLayer(banco.Flusso, "LINE", "PILASTRI_ACCIAIO");
    ASSERT_EQ(estremi.size(), 2u);
    EXPECT_EQ(estremi[0].Valori, (std::vector<float>{0, 0, 0, 60}));
    EXPECT_EQ(estremi[1].Valori, (std::vector<float>{400, 0, 400, 60}));
    // Two leader ticks, then stirrup marks at x = 30, 50, ..., 170 (from
    // 1.5 spacings inside each end).
    const auto segni = SulLayer(banco.Flusso, "LINE", "ARM_INTEGR2");
    ASSERT_EQ(segni.size(), 2u + 8u);
    EXPECT_EQ(segni[0].Valori, (std::vector<float>{194, 54, 206, 66}));
    EXPECT_EQ(segni[1].Valori, (std::vector<float>{194, -6, 206, 6}));
    EXPECT_EQ(segni[2].Valori, (std::vector<float>{60, 60, 60, 0}));
    EXPECT_EQ(segni[9].Valori, (std::vector<float>{340, 60, 340, 0}));
    EXPECT_EQ(Testi(banco.Flusso), (std::vector<std::string>{"1"}));
    ASSERT_EQ(banco.Flusso.DiTipo("CIRCLE").size(), 1u);

    // No spacing: no stirrup mark, and the drawing ends.
    p.Posizioni[0].Passo = 0.0f;
    BancoDisegno senzaPasso;
    DisSimboliPosizioni(p, 0, 0, senzaPasso.InDxf());
    EXPECT_EQ(SulLayer(senzaPasso.Flusso, "LINE", "ARM_INTEGR2").size(), 2u);
}
