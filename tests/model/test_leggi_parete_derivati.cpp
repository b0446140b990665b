#include "model/CaricaArmature.h"
#include "model/Direzioni.h"
#include "model/Estensione.h"
#include "model/Parete.h"
#include "Fixture.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double Grado = 0.0174532925199433;

}  // namespace

TEST(CalcolaEstensione, FrameAndSheetAroundTheOuterPerimeter) {
    Parete p = PareteRettangolare(200, 100);
    CalcolaEstensione(p);
    EXPECT_FLOAT_EQ(p.XminCornice, -480.0f);
    EXPECT_FLOAT_EQ(p.YminCornice, -70.0f);
    EXPECT_FLOAT_EQ(p.XmaxCornice, 280.0f);
    EXPECT_FLOAT_EQ(p.YmaxCornice, 170.0f);
    EXPECT_FLOAT_EQ(p.LarghezzaVista, 760.0f);
    EXPECT_FLOAT_EQ(p.AltezzaVista, 240.0f);
    EXPECT_FLOAT_EQ(p.LarghezzaFoglio, 1820.0f);
    EXPECT_FLOAT_EQ(p.EstTavola.Xmax, 4 * 280.0f);
    EXPECT_FLOAT_EQ(p.EstTavola.Ymax, 2 * 170.0f);
    EXPECT_FLOAT_EQ(p.Estensione.Xmin, -480.0f);
    EXPECT_FLOAT_EQ(p.Estensione.Ymax, 170.0f);
}

TEST(CalcolaEstensione, VerticalSectionsAddTheirStripWhenWiderThanAPanel) {
    Parete p = PareteRettangolare(200, 100);
    p.SpessoreParete = 30;
    p.Sezioni.resize(3);
    p.Sezioni[0].Orizzontale = 0;
    p.Sezioni[1].Orizzontale = 1;
    p.UltSezione = 1;  // the third record is beyond the list
    CalcolaEstensione(p);
    // 150 + 195 + 480 = 825, wider than the 760 of a panel.
    EXPECT_FLOAT_EQ(p.LarghezzaFoglio, 1820.0f + 825.0f);

    // Two vertical sections on a wide wall: the panel width is the larger.
    Parete larga = PareteRettangolare(2000, 100);
    larga.SpessoreParete = 30;
    larga.Sezioni.resize(2);
    larga.UltSezione = 1;
    CalcolaEstensione(larga);
    EXPECT_FLOAT_EQ(larga.LarghezzaVista, 2560.0f);
    EXPECT_FLOAT_EQ(larga.LarghezzaFoglio, 2 * 2560.0f + 300 + 2560.0f);
}

TEST(CalcolaEstensione, APerimeterOfTwoElementsKeepsThePreviousBox) {
    Parete p;
    p.XminParete = 10;
    p.XmaxParete = 60;
    p.YmaxParete = 40;
    CalcolaEstensione(p);
    EXPECT_FLOAT_EQ(p.XminParete, 10.0f);
    EXPECT_FLOAT_EQ(p.XmaxParete, 60.0f);
    EXPECT_FLOAT_EQ(p.XminCornice, -470.0f);
}

TEST(CalcolaDirezioni, NegativeDifferenceGivesAPositiveSine) {
    Parete p;
    p.AngoloArm1 = static_cast<float>(90 * Grado);
    p.AngoloArm2 = static_cast<float>(120 * Grado);
    CalcolaDirezioni(p);
    EXPECT_EQ(p.CosDir1, 0.0);
    EXPECT_EQ(p.SinDir1, 1.0);
    EXPECT_NEAR(p.CosDir2, std::cos(30 * Grado), 1e-6);
    EXPECT_NEAR(p.SinDir2, 0.5, 1e-6);
}

TEST(CalcolaDirezioni, ValuesNearZeroAndOneSnapButNearMinusOneStay) {
    Parete p;
    p.AngoloArm1 = static_cast<float>(180 * Grado);
    p.AngoloArm2 = p.AngoloArm1;
    CalcolaDirezioni(p);
    EXPECT_EQ(p.CosDir1, std::cos(static_cast<double>(p.AngoloArm1)));
    EXPECT_EQ(p.SinDir1, 0.0);
    // Equal angles: no difference, cosine exactly 1, sine exactly 0.
    EXPECT_EQ(p.CosDir2, 1.0);
    EXPECT_EQ(p.SinDir2, 0.0);
}

TEST(NomeFileArmature, ExtensionFollowsTheLetterCaseOfTheWallFile) {
    const std::pair<const char*, const char*> casi[] = {
        {"/lavori/P12.SET", "/lavori/P12.ARS"},
        {"/lavori/p12.set", "/lavori/p12.ars"},
        {"/lavori/p12.Set", "/lavori/p12.Ars"},
        {"/lavori.SET/parete.set", "/lavori.SET/parete.ars"},
        {"/lavori/P12.SET.bak", ""},
        {"/lavori/P12.QDT", ""},
        {"SET", ""},
    };
    for (const auto& [parete, armature] : casi) EXPECT_EQ(NomeFileArmature(parete), armature) << parete;
}

TEST(TrovaFileArmature, FindsTheDesignInAnyLetterCase) {
    CartellaTemporanea cartella;
    const std::string parete = cartella.Scrivi("p12.set", "");
    EXPECT_EQ(TrovaFileArmature(parete), "");

    cartella.Scrivi("P12.ARS", "");
    EXPECT_EQ(TrovaFileArmature(parete), (cartella.Percorso() / "P12.ARS").string());

    cartella.Scrivi("p12.ars", "");
    EXPECT_EQ(TrovaFileArmature(parete), (cartella.Percorso() / "p12.ars").string());

    std::filesystem::create_directory(cartella.Percorso() / "Q1.ARS");
    EXPECT_EQ(TrovaFileArmature((cartella.Percorso() / "Q1.SET").string()), "");
}
