#include "interaction/SnapOggetti.h"
#include "model/Layer.h"
#include "BancoModi.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 300 x 200 wall with one zone 50..150 x 50..100 whose bars run along x
// every 10 cm, of kind tipo and spacing passo.
Parete ConZona(int tipo, float passo) {
    Parete p = PareteRettangolare(300, 200);
    PosizioneArm pos;
    pos.Tipo = tipo;
    pos.Direzione = 1;
    pos.Passo = passo;
    pos.UltVerticeZona = 3;
    pos.EstDir = {Punto{0, 0}, Punto{0, 0}, Punto{50, 50}, Punto{150, 100}};
    p.Posizioni = {pos};
    p.UltPosizione = 0;
    p.PoligoniPos[0] = {{50, 50}, {50, 100}, {150, 100}, {150, 50}};
    return p;
}

// Presses (pulsante 1) or hovers (0) at the pixel of (x, y) moved by (dx, dy)
// pixels; the model point taken, if any.
std::vector<Punto> Becca(BancoModi& b, float x, float y, int pulsante = 1, float dx = 1,
                         float dy = 1) {
    b.sessione.stato.SnapTrovato = 0;
    BeccaOSNAP(b.sessione, b.vista, b.tela, b.PxX(x) + dx, b.PxY(y) + dy, pulsante);
    if (b.sessione.stato.SnapTrovato != 1) return {};
    return {Punto{XModello(b.vista, b.sessione.stato.XSnap),
                  YModello(b.vista, b.sessione.stato.YSnap)}};
}

}  // namespace

TEST(BeccaOSNAP, OutlinePointsNeedTheirGroupOnAndTheirLayerShown) {
    struct Caso {
        const char* nome;
        int osnap;
        int layer;
        bool trova;
    };
    for (const Caso& c : {Caso{.nome = "acceso", .osnap = 1, .layer = 1, .trova = true},
                          Caso{.nome = "gruppo spento", .osnap = 0, .layer = 1, .trova = false},
                          Caso{.nome = "layer nascosto", .osnap = 1, .layer = 0, .trova = false},
                          Caso{.nome = "layer non 1", .osnap = 1, .layer = -1, .trova = false}}) {
        BancoModi b(PareteRettangolare(300, 200));
        b.sessione.imp.OsnapQuote[5] = c.osnap;
        b.sessione.imp.LayerVisibili[Layer::PerimPareti] = c.layer;
        EXPECT_EQ(Becca(b, 300, 200).size(), c.trova ? 1u : 0u) << c.nome;
    }
}

TEST(BeccaOSNAP, TheLowerVertexWinsAndFourPixelsIsOutOfReach) {
    BancoModi b(PareteDaContorno({{0, 0}, {0, 200}, {300, 200}, {300, 0}, {3, 0}}));
    EXPECT_EQ(Becca(b, 1, 0, 1, 0.5f, 0), (std::vector<Punto>{{0, 0}}));
    EXPECT_TRUE(Becca(b, 300, 200, 1, 4, 0).empty());
    EXPECT_EQ(Becca(b, 300, 200, 1, 3.9f, 0).size(), 1u);
}

TEST(BeccaOSNAP, APressStoresWithoutAMarkAndAHoverMarksWithoutStoring) {
    BancoModi b(PareteRettangolare(300, 200));
    Becca(b, 300, 200, 1);
    EXPECT_EQ(b.sessione.stato.SnapTrovato, 1);
    EXPECT_TRUE(b.tela.DiTipo("Riquadro").empty());
    b.sessione.stato.SnapTrovato = 0;
    BeccaOSNAP(b.sessione, b.vista, b.tela, b.PxX(300), b.PxY(200), 0);
    EXPECT_EQ(b.sessione.stato.SnapTrovato, 0);
    const std::vector<TrattoTela> segni = b.tela.DiTipo("Riquadro");
    ASSERT_EQ(segni.size(), 1u);
    EXPECT_EQ(segni[0].Valori, (std::vector<float>{294, 394, 306, 406}));
    EXPECT_EQ(segni[0].Spessore, 3);
    EXPECT_EQ(segni[0].Strato, StratoTela::Transitorio);
    // Away from everything the mark goes and nothing is found.
    BeccaOSNAP(b.sessione, b.vista, b.tela, 700, 50, 0);
    EXPECT_TRUE(b.tela.DelloStrato(StratoTela::Transitorio).empty());
}

TEST(BeccaOSNAP, BarEndsLieOnTheUnshiftedLinesOfThePositionsShown) {
    struct Caso {
        const char* nome;
        int tipo;
        int statoVista;
        float passo;
        bool trova;
    };
    const Caso casi[] = {
        {.nome = "cordolo in pianta", .tipo = 2, .statoVista = 0, .passo = 10, .trova = true},
        {.nome = "lato + in pianta", .tipo = 0, .statoVista = 0, .passo = 10, .trova = false},
        {.nome = "lato + in zone +", .tipo = 0, .statoVista = 14, .passo = 10, .trova = true},
        {.nome = "lato - in zone +", .tipo = 1, .statoVista = 14, .passo = 10, .trova = false},
        {.nome = "lato - in zone -", .tipo = 1, .statoVista = 15, .passo = 10, .trova = true},
        {.nome = "passo nullo", .tipo = 2, .statoVista = 0, .passo = 0, .trova = false},
    };
    for (const Caso& c : casi) {
        BancoModi b(ConZona(c.tipo, c.passo));
        b.sessione.imp.OsnapQuote[5] = 0;
        b.sessione.stato.StatoVista = c.statoVista;
        const std::vector<Punto> atteso =
            c.trova ? std::vector<Punto>{{150, 50}} : std::vector<Punto>{};
        EXPECT_EQ(Becca(b, 150, 50), atteso) << c.nome;
    }
    // The ends come before the outline's vertices.
    BancoModi b(ConZona(2, 10));
    b.sessione.parete.PerimetroEsterno[0] = {150, 52};
    EXPECT_EQ(Becca(b, 150, 51, 1, 0, 0), (std::vector<Punto>{{150, 50}}));
}

TEST(BeccaOSNAP, ASlabGivesItsBandCornersOnlyWithAStretchInside) {
    for (const float livello : {100.0f, 500.0f}) {
        Parete p = PareteRettangolare(300, 200);
        p.Solai = {SolaioParete{.Coordinata = livello, .Spessore1 = 15, .Spessore2 = 10}};
        p.UltSolaio = 0;
        BancoModi b(std::move(p));
        EXPECT_EQ(Becca(b, 300, livello - 10).size(), livello < 200 ? 1u : 0u) << livello;
    }
}

// The bar line y = 70 touches the zone's right-hand vertex (100, 70), which is
// no proper crossing: the line crosses once, at x = 50, and that lone crossing
// starts no bar. The line y = 60 crosses twice, at x = 50 and x = 125.
TEST(BeccaOSNAP, ALoneLastCrossingGivesNoBarEnd) {
    Parete p = ConZona(2, 10);
    p.PoligoniPos[0] = {{50, 50}, {50, 100}, {150, 100}, {100, 70}, {150, 50}};
    p.Posizioni[0].UltVerticeZona = 4;
    BancoModi b(std::move(p));
    b.sessione.imp.OsnapQuote[5] = 0;
    EXPECT_EQ(Becca(b, 50, 70), std::vector<Punto>{});
    EXPECT_EQ(Becca(b, 50, 60), (std::vector<Punto>{{50, 60}}));
    EXPECT_EQ(Becca(b, 125, 60), (std::vector<Punto>{{125, 60}}));
}
