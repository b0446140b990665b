#include "ProvaQt.h"

#include "design/CaricaProgetto.h"
#include "model/Sessione.h"
#include "ui/FinestraPrincipale.h"
#include "ui/TelaQt.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(Avvio, WithoutAPathTheWindowIsEmptyAndNamesNoWall) {
    ApplicazioneDiProva();
    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    CopioneDialoghi copione;
    finestra.Dialoghi().ImpostaCopione(std::ref(copione));

    ASSERT_TRUE(finestra.Form_Load("").Riuscito());
    EXPECT_TRUE(copione.Visti.empty());
    EXPECT_FALSE(sessione.parete.CaricataParete());
    EXPECT_EQ(finestra.windowTitle().toStdString(), "KORVANE Setti C.A. -  [ Anonimo ]");
    EXPECT_EQ(sessione.stato.LatoCorrente, 0);
    EXPECT_EQ(sessione.stato.DirezioneCorrente, 0);
    // 96 dots per inch: 15 twips to the pixel.
    EXPECT_EQ(finestra.TwipPerPixel(),
              static_cast<int>(std::lround(1440.0 / finestra.logicalDpiX())));
    // A black canvas with nothing on it.
    const QImage immagine = finestra.Tela().Composizione();
    EXPECT_EQ(immagine.pixelColor(immagine.width() / 2, immagine.height() / 2), QColor(Qt::black));
}

TEST(Avvio, TheCommandLineWallOpensAndFillsTheCanvas) {
    ApplicazioneDiProva();
    CartellaTemporanea cartella;
    const std::string file = (cartella.Percorso() / "Parete Uno.SET").string();
    fs::copy_file(PercorsoEsempio("PARETE_ESEMPIO.SET"), file);
    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    CopioneDialoghi copione;
    finestra.Dialoghi().ImpostaCopione(std::ref(copione));

    ASSERT_TRUE(finestra.Form_Load("\"" + file + "\"").Riuscito());
    EXPECT_TRUE(sessione.parete.CaricataParete());
    EXPECT_EQ(sessione.parete.FileCorrente, file);
    EXPECT_EQ(finestra.windowTitle().toStdString(), "KORVANE Setti C.A. -  [ Parete Uno.SET ]");
    // The view was fitted to the canvas the layout gave.
    EXPECT_EQ(finestra.VistaTela().AltezzaTela, static_cast<float>(finestra.Tela().height()));
    EXPECT_GT(finestra.VistaTela().Scala, 0.0f);
}

TEST(Avvio, ARefusedCommandLineWallEndsTheProgramWithItsMessageAndNoSnapshot) {
    ApplicazioneDiProva();
    CartellaTemporanea cartella;
    const std::string file = cartella.Scrivi("ROTTA.SET", "questo non e' un file di parete\r\n");
    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    CopioneDialoghi copione;
    finestra.Dialoghi().ImpostaCopione(std::ref(copione));

    const Esito avvio = finestra.Form_Load(file);
    EXPECT_EQ(avvio.Codice, CodiceApertura::FineProgramma);
    EXPECT_NE(avvio.Codice, 0);  // the program's exit status
    EXPECT_FALSE(copione.Visti.empty());  // the reader told why
    EXPECT_FALSE(sessione.parete.CaricataParete());
    for (const auto& voce : fs::directory_iterator(cartella.Percorso()))
        EXPECT_FALSE(voce.path().filename().string().starts_with("QUVEL")) << voce.path();
}

// The store of the placement, as another program would have left it.
class PosizioneMemorizzata : public ::testing::Test {
protected:
    void SetUp() override { ApplicazioneDiProva(); }
    void TearDown() override { QSettings(QStringLiteral("Vorlex"), QStringLiteral("Vorlex")).clear(); }
    void Memorizza(const char* sinistra, const char* alto, const char* larghezza,
                   const char* altezza) {
        QSettings store(QStringLiteral("Vorlex"), QStringLiteral("Vorlex"));
        store.setValue(QStringLiteral("Settings/MainLeft"), QString::fromLatin1(sinistra));
        store.setValue(QStringLiteral("Settings/MainTop"), QString::fromLatin1(alto));
        store.setValue(QStringLiteral("Settings/MainWidth"), QString::fromLatin1(larghezza));
        store.setValue(QStringLiteral("Settings/MainHeight"), QString::fromLatin1(altezza));
    }
    QStringList Valori() const {
        QSettings store(QStringLiteral("Vorlex"), QStringLiteral("Vorlex"));
        QStringList valori;
        for (const char* chiave : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            valori << store.value(QStringLiteral("Settings/") + QLatin1String(chiave)).toString();
        return valori;
    }
};

TEST_F(PosizioneMemorizzata, APlacementInTwipsIsReadAndNeverWritten) {
    Memorizza("1500", "750", "9000", "7500");
    const QStringList prima = Valori();
    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    ASSERT_TRUE(finestra.Form_Load("").Riuscito());
    const int tpp = finestra.TwipPerPixel();
    EXPECT_EQ(finestra.geometry().topLeft(), QPoint(1500 / tpp, 750 / tpp));
    EXPECT_EQ(finestra.geometry().width(), 9000 / tpp);
    finestra.close();
    EXPECT_EQ(Valori(), prima);
}

TEST_F(PosizioneMemorizzata, ABadPlacementIsIgnoredAndTheWindowStaysOnScreen) {
    Memorizza("sinistra", "-99999999", "0", "abc");
    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    ASSERT_TRUE(finestra.Form_Load("").Riuscito());
    const QRect schermo = finestra.screen()->availableGeometry();
    EXPECT_TRUE(schermo.contains(finestra.geometry().topLeft())) << finestra.geometry().x() << ","
                                                                << finestra.geometry().y();
    EXPECT_GT(finestra.width(), 0);
    EXPECT_LE(finestra.width(), schermo.width());
}

// Enter reaches the control that has it and applies the range boxes,
// except in the missing-area maps.
TEST(Avvio, EnterAppliesTheTypedRangeOutsideTheMissingAreaMaps) {
    ApplicazioneDiProva();
    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    ASSERT_TRUE(finestra.Form_Load("").Riuscito());
    finestra.ScalaMassima().setText(QStringLiteral("12,5"));
    finestra.ScalaMinima().setText(QStringLiteral("2"));

    sessione.stato.TipoMappa = 6;  // "Disponi armature integrative"
    QTest::keyClick(&finestra.ScalaMassima(), Qt::Key_Return);
    EXPECT_EQ(sessione.stato.ScalaMax, 0.0f);

    sessione.stato.TipoMappa = 1;
    QTest::keyClick(&finestra.ScalaMassima(), Qt::Key_Return);
    EXPECT_EQ(sessione.stato.ScalaMax, 12.5f);
    EXPECT_EQ(sessione.stato.ScalaMin, 2.0f);
    // The key went on to the box, which keeps its text.
    EXPECT_EQ(finestra.ScalaMassima().text(), QStringLiteral("12,5"));
}

}  // namespace
