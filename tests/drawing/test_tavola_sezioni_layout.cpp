#include "drawing/TavolaSezioni.h"
#include "TavolaDiProva.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Wall 500 x 300, t = 20: views 3t + 215 = 275 apart, 5t + 215 = 315 after a
// section with a position in its plane. yV = y0 - 300.
TEST(DisTavolaSezioni, DisposizioneDelleViste) {
    constexpr float x0 = 1000.0f, y0 = 300.0f;
    struct Caso {
        const char* nome;
        std::function<void(TavolaDiProva&)> prepara;
        std::vector<float> verticali = {};    // left faces
        std::vector<float> orizzontali = {};  // top faces
    };
    const Caso casi[] = {
        {.nome = "three vertical sections",
         .prepara = [](TavolaDiProva& t) { t.Verticale(100); t.Verticale(250); t.Verticale(400); },
         .verticali = {x0, x0 + 275, x0 + 550}},
        {.nome = "a position in the plane of the first vertical section",
         .prepara =
             [](TavolaDiProva& t) {
                 t.Verticale(100); t.Verticale(250); t.Verticale(400);
                 t.Rettangolo(50, 50, 150, 250, IntegrativaPiu, 0);
             },
         .verticali = {x0, x0 + 315, x0 + 590}},
        {.nome = "a section missing the wall draws no view and clears the widening",
         .prepara =
             [](TavolaDiProva& t) {
                 t.Verticale(100);
                 t.Sezione({250, -50}, {250, -30}, 0);
                 t.Verticale(400);
                 t.Rettangolo(50, 50, 150, 250, IntegrativaPiu, 0);
             },
         .verticali = {x0, x0 + 275}},
        {.nome = "three horizontal sections",
         .prepara = [](TavolaDiProva& t) { t.Orizzontale(50); t.Orizzontale(150); t.Orizzontale(250); },
         .orizzontali = {y0 - 150, y0 - 425, y0 - 700}},
        {.nome = "a position in the plane of the first horizontal section",
         .prepara =
             [](TavolaDiProva& t) {
                 t.Orizzontale(50); t.Orizzontale(150); t.Orizzontale(250);
                 t.Rettangolo(100, 40, 400, 60, IntegrativaMeno, 1);
             },
         .orizzontali = {y0 - 150, y0 - 465, y0 - 740}},
        {.nome = "horizontal views 160 below the lowest vertical view",
         .prepara =
             [](TavolaDiProva& t) { t.Verticale(100); t.Verticale(400); t.Orizzontale(150); },
         .verticali = {x0, x0 + 275},
         .orizzontali = {y0 - 300 - 160}},
        {.nome = "horizontal views 160 below y0 when y0 is lower",
         .prepara =
             [](TavolaDiProva& t) {
                 // yV = y0 + 100: the vertical view ends 100 above y0.
                 t.P.YminCornice = 100.0f;
                 t.P.YmaxCornice = 0.0f;
                 t.Verticale(400);
                 t.Orizzontale(150);
             },
         .verticali = {x0},
         .orizzontali = {y0 - 160}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        TavolaDiProva t;
        caso.prepara(t);
        t.Disegna(x0, y0);
        EXPECT_EQ(t.FacceVerticali(), caso.verticali);
        EXPECT_EQ(t.FacceOrizzontali(), caso.orizzontali);
    }
}

TEST(DisTavolaSezioni, Collocazioni) {
    TavolaDiProva t;
    t.P.EstPianta = {-10.0f, -40.0f, 800.0f, 350.0f};
    t.P.LarghezzaVista = 600.0f;
    t.P.AltezzaVista = 420.0f;
    EXPECT_EQ(OrigineSottoVista(t.P), (OrigineTavola{0.0f, -140.0f}));
    EXPECT_EQ(OrigineFoglio(t.P), (OrigineTavola{1500.0f, 420.0f}));
}

TEST(DisTavolaSezioni, NienteSulBersaglioDiMisura) {
    TavolaDiProva t;
    t.Verticale(250);
    DisTavolaSezioni(t.P, 0.0f, 0.0f, t.Banco.Misura());
    EXPECT_TRUE(t.Banco.Flusso.Entita.empty());
}

// The screen gets the same drawing as an R12 stream, where dimensions and bar
// labels are drawn from lines, circles and texts too.
TEST(DisTavolaSezioni, SulloSchermo) {
    TavolaDiProva t;
    t.Verticale(250);
    t.Orizzontale(150);
    t.Rettangolo(200, 100, 300, 200, IntegrativaPiu, 1);
    DisTavolaSezioni(t.P, 0.0f, 300.0f, t.Banco.InDxf(/*r12=*/true));
    DisTavolaSezioni(t.P, 0.0f, 300.0f, t.Banco.Schermo());
    EXPECT_EQ(t.Banco.Tela.DiTipo("Cerchio").size(), t.Banco.Flusso.DiTipo("CIRCLE").size());
    EXPECT_EQ(t.Banco.Tela.DiTipo("Testo").size(), t.Banco.Flusso.DiTipo("TEXT").size());
    EXPECT_FALSE(t.Banco.Tela.DiTipo("Cerchio").empty());
}
