#include "ProvaQt.h"

#include "ui/TelaQt.h"

#include <QFontInfo>

#include <functional>
#include <memory>
#include <vector>
#include <gtest/gtest.h>

namespace {

constexpr int Rosso = 0x0000FF;   // R + 256 G + 65536 B
constexpr int Giallo = 0x00FFFF;

class Tela : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
    void SetUp() override {
        tela.resize(200, 100);
        tela.ImpostaColoreSfondo(0);
        tela.Cancella(StratoTela::Immagine);
        tela.Cancella(StratoTela::Transitorio);
    }
    std::unique_ptr<TelaQt> proprietaria = std::make_unique<TelaQt>();
    TelaQt& tela = *proprietaria;
};

TEST_F(Tela, ClearingTheOverlayKeepsTheImage) {
    tela.Linea(StratoTela::Immagine, 10, 50, 190, 50, Rosso);
    tela.Linea(StratoTela::Transitorio, 100, 0, 100, 99, Giallo);
    EXPECT_EQ(tela.Composizione().pixelColor(100, 50), QColor(255, 255, 0));

    tela.Cancella(StratoTela::Transitorio);
    EXPECT_EQ(tela.Composizione().pixelColor(100, 50), QColor(255, 0, 0));
    EXPECT_EQ(tela.Composizione().pixelColor(100, 20), QColor(Qt::black));
    EXPECT_EQ(tela.Transitorio().pixelColor(100, 20).alpha(), 0);

    tela.ImpostaColoreSfondo(0xFFFFFF);
    tela.Cancella(StratoTela::Immagine);
    EXPECT_EQ(tela.Composizione().pixelColor(100, 50), QColor(Qt::white));
}

bool OverlayVuoto(TelaQt& tela) {
    const QImage& strato = tela.Transitorio();
    for (int y = 0; y < strato.height(); ++y)
        for (int x = 0; x < strato.width(); ++x)
            if (strato.pixelColor(x, y).alpha() != 0) return false;
    return true;
}

struct Tratto {
    const char* Nome;
    std::function<void(TelaQt&)> Disegna;
};

// One stroke of every kind, thick pens and strokes running off the canvas.
const std::vector<Tratto>& Tratti() {
    static const std::vector<Tratto> tratti = {
        {.Nome = "linea spessa", .Disegna = [](TelaQt& t) {
             t.ImpostaSpessoreTratto(3);
             t.Linea(StratoTela::Transitorio, 5, 5, 60, 90, Giallo);
         }},
        {.Nome = "guida oltre la tela", .Disegna = [](TelaQt& t) {
             t.ImpostaStileTratto(StileTratto::Punteggiato);
             t.Linea(StratoTela::Transitorio, -5000, 50, 5000, 50, Giallo);
         }},
        {.Nome = "cerchio", .Disegna = [](TelaQt& t) { t.Cerchio(StratoTela::Transitorio, 190, 95, 14, Rosso); }},
        {.Nome = "riquadro pieno", .Disegna = [](TelaQt& t) { t.Riquadro(StratoTela::Transitorio, 40, 60, 20, 30, Rosso, true); }},
        {.Nome = "poligono", .Disegna = [](TelaQt& t) {
             t.Poligono(StratoTela::Transitorio, {{100, 10}, {130, 80}, {70, 80}}, Rosso);
         }},
        {.Nome = "testo", .Disegna = [](TelaQt& t) { t.Testo(StratoTela::Transitorio, 20, 20, 12, 0, 30, "Pos. 1"); }},
    };
    return tratti;
}

// A clear blanks only where the overlay was drawn: every kind of stroke,
// thick pens and strokes running off the canvas must leave nothing behind.
TEST_F(Tela, ClearingTheOverlayLeavesNoPixelOfAnyStroke) {
    for (const Tratto& t : Tratti()) {
        t.Disegna(tela);
        EXPECT_FALSE(OverlayVuoto(tela)) << t.Nome;
        tela.Cancella(StratoTela::Transitorio);
        EXPECT_TRUE(OverlayVuoto(tela)) << t.Nome;
        tela.ImpostaSpessoreTratto(1);
        tela.ImpostaStileTratto(StileTratto::Continuo);
    }
}

QImage Schermo(TelaQt& tela) { return tela.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The widget copies the image and blends only the part of the overlay drawn
// since its last clear: what it shows must still be the image with the whole
// overlay on top, for every kind of stroke, and the bare image once cleared.
TEST_F(Tela, TheWidgetShowsTheImageWithTheOverlayOnTop) {
    // Soft edges and a text on the image, so that a blend gone wrong shows.
    tela.Poligono(StratoTela::Immagine, {{10, 10}, {190, 30}, {60, 95}}, Giallo);
    tela.ImpostaColorePrimoPiano(0xFFFFFF);
    tela.Testo(StratoTela::Immagine, 120, 60, 14, 0, 15, "Pos. 2");
    tela.Scorri(3, -2);
    const QImage immagine = tela.Immagine().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(Schermo(tela), immagine);
    for (const Tratto& t : Tratti()) {
        t.Disegna(tela);
        EXPECT_EQ(Schermo(tela), tela.Composizione().convertToFormat(QImage::Format_RGB32)) << t.Nome;
        tela.Cancella(StratoTela::Transitorio);
        EXPECT_EQ(Schermo(tela), immagine) << t.Nome;
        tela.ImpostaSpessoreTratto(1);
        tela.ImpostaStileTratto(StileTratto::Continuo);
    }
}

TEST_F(Tela, EachCallDrawsOnTheLayerItNames) {
    tela.Riquadro(StratoTela::Transitorio, 20, 20, 40, 40, Rosso, true);
    tela.Cerchio(StratoTela::Immagine, 150, 50, 20, Giallo);
    EXPECT_EQ(tela.Immagine().pixelColor(30, 30), QColor(Qt::black));
    EXPECT_EQ(tela.Transitorio().pixelColor(30, 30), QColor(255, 0, 0));
    EXPECT_EQ(tela.Transitorio().pixelColor(170, 50).alpha(), 0);
    EXPECT_EQ(tela.Immagine().pixelColor(170, 50), QColor(255, 255, 0));
    EXPECT_EQ(tela.Larghezza(), 200.0f);
    EXPECT_EQ(tela.Altezza(), 100.0f);
}

TEST_F(Tela, TextsInArialAreDrawnWithLiberationSansInTheForegroundColour) {
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
    tela.ImpostaColorePrimoPiano(0xFFFFFF);
    tela.Testo(StratoTela::Immagine, 10, 10, 20, 0, 0, "\xC2\x9D" "12/20");
    int bianchi = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 100; ++x)
            if (tela.Immagine().pixelColor(x, y) == QColor(Qt::white)) ++bianchi;
    EXPECT_GT(bianchi, 20);
    // Nothing above the text cell.
    for (int x = 0; x < 200; ++x) EXPECT_EQ(tela.Immagine().pixelColor(x, 5), QColor(Qt::black));
}

}  // namespace
