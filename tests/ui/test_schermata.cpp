#include "FinestraDiProva.h"

#include "model/Layer.h"
#include "model/Sessione.h"
#include "ui/FinestraPrincipale.h"
#include "ui/TelaQt.h"

#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

QColor ColoreSchermo(const Sessione& sessione, int layer) {
    const int c = sessione.imp.ColoriSchermo[layer];
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int PixelDiColore(const QImage& immagine, const QRect& zona, QColor colore) {
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (immagine.pixelColor(x, y) == colore) ++n;
    return n;
}

// The window opened on the bundled sample as the program starts with it.
class Schermata : public FinestraDiProva {
protected:
    void SetUp() override {
        Avvia();
        // Whatever the resizes left, the burst is redrawn once it is over.
        ASSERT_TRUE(QTest::qWaitFor([&] { return ColoriDelloStrato() > 0; }, 2000));
    }
    int ColoriDelloStrato() {
        const QImage tela = finestra->Tela().Composizione();
        return PixelDiColore(tela, tela.rect(), ColoreSchermo(sessione, Layer::ArmDiffusa1));
    }
};

TEST_F(Schermata, TheSampleWallIsDrawnInItsLayerColoursOnTheCanvas) {
    const QImage schermata = finestra->grab().toImage();
    const fs::path png = fs::path(QCoreApplication::applicationDirPath().toStdString()) /
                         "schermata_finestra.png";
    ASSERT_TRUE(schermata.save(QString::fromStdString(png.string())));
    EXPECT_TRUE(copione.Visti.empty());

    const QRect tela(finestra->Tela().mapTo(finestra.get(), QPoint(0, 0)),
                     finestra->Tela().size());
    const QImage letta(QString::fromStdString(png.string()));
    ASSERT_FALSE(letta.isNull());
    for (const int layer : {Layer::ArmDiffusa1, Layer::ArmDiffusa2, Layer::PerimPareti}) {
        EXPECT_GT(PixelDiColore(letta, tela, ColoreSchermo(sessione, layer)), 20)
            << sessione.imp.NomiLayer[layer];
    }
    // The black canvas of the start-up settings.
    EXPECT_GT(PixelDiColore(letta, tela, QColor(Qt::black)), tela.width() * tela.height() / 4);
}

TEST_F(Schermata, ABurstOfResizesIsRedrawnAtTheNewCanvasSize) {
    for (const QSize dimensione : {QSize(900, 760), QSize(1000, 780), QSize(1180, 820)}) {
        finestra->resize(dimensione);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return ColoriDelloStrato() > 0; }, 2000));
    EXPECT_EQ(finestra->Tela().Composizione().size(), finestra->Tela().size());
    EXPECT_EQ(finestra->VistaTela().AltezzaTela, static_cast<float>(finestra->Tela().height()));
}

TEST_F(Schermata, TheCanvasTakesTheColoursOfAWhiteBackground) {
    sessione.imp.SfondoBianco = 1;
    ImpostaColoriVideo(sessione.imp);
    finestra->ApplicaColoriVideo();
    const QImage tela = finestra->Tela().Composizione();
    EXPECT_GT(PixelDiColore(tela, tela.rect(), QColor(Qt::white)), tela.width() * tela.height() / 4);
    EXPECT_GT(ColoriDelloStrato(), 0);
}

}  // namespace
