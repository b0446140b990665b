#include "model/ControlliImpostazioni.h"
#include "model/FileIni.h"
#include "model/ResetImpostazioni.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(ResetImpostazioni, DefaultsOfTheSettingsAndTheFileRemoved) {
    CartellaTemporanea c;
    Impostazioni imp;
    imp.CartellaUtente = c.Percorso().string();
    imp.SfondoBianco = 1;
    imp.SovrappMax = 0;
    imp.IconeGrandi = 1;
    imp.LayerVisibili[3] = 0;
    imp.NomiLayer[2] = "ALTRO";
    c.Scrivi("Vorlex.ini", "7\r\n");
    ASSERT_TRUE(fs::exists(PercorsoIni(imp)));
    FinestraRegistrata finestra;
    EXPECT_TRUE(ResetImpostazioni(imp, finestra).Riuscito());
    Impostazioni attese;
    attese.CartellaUtente = imp.CartellaUtente;
    attese.SfondoBianco = 1;  // the background stays; its colours follow
    ImpostaColoriVideo(attese);
    EXPECT_EQ(ValoriDaImpostazioni(imp), ValoriDaImpostazioni(attese));
    EXPECT_EQ(imp.SovrappMax, 104);
    EXPECT_EQ(imp.NomiLayer, attese.NomiLayer);
    EXPECT_FALSE(fs::exists(PercorsoIni(imp)));
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST(ResetImpostazioni, AFileThatCannotBeRemovedIsTold) {
    CartellaTemporanea c;
    Impostazioni imp;
    imp.CartellaUtente = c.Percorso().string();
    // A folder in the file's place cannot be removed while it holds something.
    fs::create_directories(PercorsoIni(imp) / "dentro");
    FinestraRegistrata finestra;
    const Esito esito = ResetImpostazioni(imp, finestra);
    EXPECT_FALSE(esito.Riuscito());
    const std::string testo =
        "Impossibile eliminare il file delle impostazioni:\n" + PercorsoIni(imp).string();
    EXPECT_EQ(finestra.Messaggi(), std::vector<std::string>{testo});
    EXPECT_EQ(imp.SovrappMax, 104);
}

TEST(LeggiF, ControlsBackIntoTheSettingsButNotTheNames) {
    Impostazioni imp;
    ValoriControlli c = ValoriDaImpostazioni(imp);
    c.Nomi[0] = "DIGITATO";
    c.Colori[5] = Rgb(1, 2, 3);
    c.Visibili[22] = 1;
    c.Osnap[8] = 0;
    c.SfondoBianco = 1;
    c.ModoTolleranza = 0;
    c.TolleranzaPerc = "12,5";
    c.TolleranzaFissa = "niente";
    c.IconeGrandi = 1;
    LeggiF(imp, c);
    EXPECT_EQ(imp.NomiLayer[0], "ARM_INTEGR1");
    EXPECT_EQ(imp.ColoriSchermo[5], Rgb(1, 2, 3));
    EXPECT_EQ(imp.LayerVisibili[22], 1);
    EXPECT_EQ(imp.OsnapQuote[8], 0);
    EXPECT_EQ(imp.SfondoBianco, 1);
    EXPECT_EQ(imp.ModoTolleranza, 0);
    EXPECT_EQ(imp.TolleranzaPerc, 12.5f);
    EXPECT_EQ(imp.TolleranzaFissa, 0.0f);
    EXPECT_EQ(imp.IconeGrandi, 1);
}
