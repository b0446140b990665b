#include "ProvaQt.h"

#include "model/Sessione.h"
#include "ui/FinestraPrincipale.h"
#include "ui/LayoutFinestra.h"
#include "ui/TelaQt.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>
#include <ostream>

namespace {

struct CasoLayout {
    const char* nome;
    QSize client;
    int griglia;      // px
    int promptAlto;   // px
};

// A failing row names itself in the test output.
void PrintTo(const CasoLayout& c, std::ostream* os) { *os << c.nome; }

class Layout : public ::testing::TestWithParam<CasoLayout> {};

// At 15 twips to the pixel the column is 253 px wide and, besides the grid,
// 1095 + 3015 + 5055 + 795 = 9960 twips (664 px) high.
TEST_P(Layout, TheColumnKeepsItsWidthsAndTheGridTakesTheHeightLeft) {
    const CasoLayout& caso = GetParam();
    const LayoutFinestra l = CalcolaLayout(caso.client, 15);

    EXPECT_EQ(l.Tela, QRect(0, 0, caso.client.width() - 253, caso.client.height()));
    EXPECT_EQ(l.AltezzaTela, static_cast<float>(caso.client.height()));
    for (const QRect& r : {l.Selettori, l.Legenda, l.Informazioni, l.Griglia, l.Prompt}) {
        EXPECT_EQ(r.left(), l.Tela.right() + 1);
        EXPECT_EQ(r.width(), 253);
    }
    EXPECT_EQ(l.Selettori, QRect(caso.client.width() - 253, 0, 253, 73));
    EXPECT_EQ(l.Legenda.top(), 73);
    EXPECT_EQ(l.Informazioni.top(), 274);
    EXPECT_EQ(l.Griglia.top(), 611);
    EXPECT_EQ(l.Griglia.height(), caso.griglia);
    // The prompt sits directly under the grid, whatever height it got.
    EXPECT_EQ(l.Prompt.top(), caso.promptAlto);
    EXPECT_EQ(l.Prompt.height(), 53);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensioni, Layout,
    ::testing::Values(
        CasoLayout{.nome = "Ampia", .client = {1200, 800}, .griglia = 136, .promptAlto = 747},
        CasoLayout{.nome = "Stretta", .client = {700, 900}, .griglia = 236, .promptAlto = 847},
        // The least client height: 405 twips left for the grid.
        CasoLayout{.nome = "AlMinimo", .client = {1000, 691},
                   .griglia = 27, .promptAlto = 638},
        // Below the minimum the grid keeps 401 twips and the column runs past the bottom.
        CasoLayout{.nome = "SottoIlMinimo", .client = {1000, 500}, .griglia = 27,
                   .promptAlto = 638}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Layout, TheLeastClientHeightLeavesTheGrid401Twips) {
    EXPECT_EQ(AltezzaMinimaClient(15), (10361 + 14) / 15);
    EXPECT_EQ(AltezzaMinimaClient(12), (10361 + 11) / 12);
}

// A prompt whose text needs more than its design height takes the pixels
// from the grid, and the least client height grows by as much; a shorter
// text keeps the design height.
TEST(Layout, APromptOfMoreLinesTakesItsHeightFromTheGrid) {
    const LayoutFinestra alto = CalcolaLayout({1200, 800}, 15, 83);
    EXPECT_EQ(alto.Prompt, QRect(947, 717, 253, 83));
    EXPECT_EQ(alto.Griglia.height(), 136 - 30);
    EXPECT_EQ(alto.Prompt.top(), alto.Griglia.top() + alto.Griglia.height());
    EXPECT_EQ(AltezzaMinimaClient(15, 83), (9165 + 83 * 15 + 401 + 14) / 15);

    EXPECT_EQ(CalcolaLayout({1200, 800}, 15, 40), CalcolaLayout({1200, 800}, 15));
    EXPECT_EQ(AltezzaMinimaClient(15, 40), AltezzaMinimaClient(15));
}

// The window lays itself out on every resize and never goes below its least
// height; the canvas height reaches the view.
TEST(Layout, TheWindowFollowsItsResizesAndKeepsItsLeastHeight) {
    ApplicazioneDiProva();
    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    ASSERT_TRUE(finestra.Form_Load("").Riuscito());
    finestra.show();
    for (const QSize dimensione : {QSize(1100, 900), QSize(900, 760), QSize(900, 300)}) {
        finestra.resize(dimensione);
        QCoreApplication::processEvents();
        const QSize client = finestra.centralWidget()->size();
        EXPECT_GE(client.height(), AltezzaMinimaClient(finestra.TwipPerPixel()));
        const LayoutFinestra atteso = CalcolaLayout(client, finestra.TwipPerPixel());
        EXPECT_EQ(finestra.Tela().geometry(), atteso.Tela);
        EXPECT_EQ(finestra.Prompt().geometry(), atteso.Prompt);
        EXPECT_EQ(finestra.VistaTela().AltezzaTela, static_cast<float>(finestra.Tela().height()));
        EXPECT_EQ(finestra.VistaTela().LarghezzaTela, static_cast<float>(finestra.Tela().width()));
    }
    finestra.Prompt().setText(QStringLiteral(
        "Selezionare il primo angolo della zona da armare, poi trascinare fino all'angolo opposto"));
    EXPECT_TRUE(finestra.Prompt().wordWrap());
}

}  // namespace
