#include "model/Impostazioni.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

TEST(ImpostazioniDefault, NumericDefaults) {
    Sessione sessione;
    Impostazioni& imp = sessione.imp;
    imp.DiamMinPiu = 12;
    imp.PassoMaxMeno = 20;
    imp.LungMaxFerri = 1200.0f;
    imp.TolleranzaFissa = 0.5f;
    imp.ScalaUnita = 50.0f;
    imp.ScalaTestiDxf = 5.0f;
    imp.ScalaDxf = 10.0f;
    FinestraRegistrata finestra;
    ImpostazioniDefault(sessione, finestra);

    EXPECT_EQ(imp.DiamMinPiu, 6);
    EXPECT_EQ(imp.DiamMinMeno, 6);
    EXPECT_EQ(imp.DiamMaxPiu, 28);
    EXPECT_EQ(imp.DiamMaxMeno, 28);
    EXPECT_EQ(imp.PassoMinPiu, 5);
    EXPECT_EQ(imp.PassoMinMeno, 5);
    EXPECT_EQ(imp.PassoMaxPiu, 50);
    EXPECT_EQ(imp.PassoMaxMeno, 50);
    EXPECT_EQ(imp.ModoProgetto, 0);
    EXPECT_EQ(imp.CoperturaMin, 60);
    EXPECT_EQ(imp.IncrDiam, 2);
    EXPECT_EQ(imp.IndiceIncrDiam, 1);
    EXPECT_EQ(imp.IncrPasso, 1.0f);
    EXPECT_EQ(imp.IndiceIncrPasso, 1);
    EXPECT_EQ(imp.PassoMaxIntegrativa, 30.0f);
    EXPECT_EQ(imp.DiamReggistaffa, 14);
    EXPECT_EQ(imp.DiamStaffeCordolo, 8);
    EXPECT_EQ(imp.PassoStaffeCordolo, 20.0f);
    EXPECT_EQ(imp.LarghezzaCordolo, 30.0f);
    EXPECT_EQ(imp.CopriferroCordolo, 6.0f);
    EXPECT_EQ(imp.SovrappMin, 20);
    EXPECT_EQ(imp.SovrappMax, 104);
    EXPECT_EQ(imp.LungMaxFerri, 600.0f);
    EXPECT_EQ(imp.DecimaliQuote, 1);
    EXPECT_EQ(imp.QuoteInMetri, 0);
    EXPECT_EQ(imp.ModoTolleranza, 1);
    EXPECT_EQ(imp.TolleranzaPerc, 0.0f);
    EXPECT_EQ(imp.TolleranzaFissa, 0.0f);
    EXPECT_EQ(imp.ScalaMm, 1.0f);
    EXPECT_EQ(imp.ScalaUnita, 10.0f);
    EXPECT_EQ(imp.ScalaTestiDxf, 1.0f);
    EXPECT_EQ(imp.ScalaDxf, 2.0f);
    EXPECT_EQ(imp.PassoGrigliaX, 10);
    EXPECT_EQ(imp.PassoGrigliaY, 10);
    EXPECT_EQ(imp.Riserva4, 12);
    EXPECT_EQ(imp.Riserva10, 10);
    EXPECT_EQ(imp.Riserva30, 18);
    EXPECT_EQ(imp.Riserva5, 50.0f);
    EXPECT_EQ(imp.Riserva6, 50.0f);
    EXPECT_EQ(imp.Riserva11, 30.0f);
    EXPECT_EQ(imp.Riserva12, 30.0f);
    EXPECT_EQ(imp.Riserva31, 15.0f);
}

TEST(ImpostazioniDefault, ResetsDisplayStateWallFlagsAndFaceButtons) {
    Sessione sessione;
    StatoInterfaccia& stato = sessione.stato;
    stato.LatoCorrente = 1;
    stato.DirezioneCorrente = 1;
    stato.ModoVista = 3;
    stato.StatoVista = 9;
    stato.VistaCorrente = 9999;
    sessione.imp.IconeGrandi = 1;
    sessione.parete.MagliaUnica = -1;
    sessione.parete.PiegaAncoraggio = -1;
    FinestraRegistrata finestra;
    ImpostazioniDefault(sessione, finestra);

    EXPECT_EQ(stato.LatoCorrente, 0);
    EXPECT_EQ(stato.DirezioneCorrente, 0);
    EXPECT_EQ(stato.ModoVista, 0);
    EXPECT_EQ(stato.StatoVista, 0);
    EXPECT_EQ(stato.VistaCorrente, 0);
    EXPECT_EQ(sessione.imp.IconeGrandi, 0);
    EXPECT_EQ(sessione.parete.MagliaUnica, 0);
    EXPECT_EQ(sessione.parete.PiegaAncoraggio, 0);
    EXPECT_EQ(finestra.Eventi, (std::vector<std::string>{"PulsantiLato visibili",
                                                          "EtichettaMagliaUnica nascosta"}));
}

TEST(ImpostazioniDefault, KeepsWhatOnlyTheSettingsChange) {
    Sessione sessione;
    Impostazioni& imp = sessione.imp;
    imp.DescrizioneCompleta = 1;
    imp.IndicaLato = 1;
    imp.SfondoBianco = 1;
    imp.RiservaIni = 3;
    imp.CartellaUtente = "/home/ing/.config/korvane";
    FinestraRegistrata finestra;
    ImpostazioniDefault(sessione, finestra);
    EXPECT_EQ(imp.DescrizioneCompleta, 1);
    EXPECT_EQ(imp.IndicaLato, 1);
    EXPECT_EQ(imp.SfondoBianco, 1);
    EXPECT_EQ(imp.RiservaIni, 3);
    EXPECT_EQ(imp.CartellaUtente, "/home/ing/.config/korvane");
}

TEST(ImpostazioniDefault, CurrentMaterialsAreC2530AndB450C) {
    Impostazioni imp;
    imp.IndiceCls = 9;
    DatiCalcestruzzo(9, imp.Calcestruzzo);
    DatiAcciaio(1, imp.Acciaio);
    ValoriDefault(imp);
    EXPECT_EQ(imp.IndiceCls, 4);
    EXPECT_EQ(imp.IndiceAcciaio, 4);
    EXPECT_EQ(imp.Calcestruzzo.Nome, "C25/30");
    EXPECT_EQ(imp.Acciaio.Nome, "B450C");
    EXPECT_EQ(imp.Acciaio.Fyk, 4500.0);
    EXPECT_EQ(imp.NomiCls.at(10), "C45/55");
    EXPECT_EQ(imp.NomiAcciai.at(0), "FeB 22k");
}

TEST(ImpostazioniDefault, FreshSettingsStartFromTheDefaults) {
    const Impostazioni imp;
    EXPECT_EQ(imp.NomiLayer[24], "PERIM_PILASTRI_SUP");
    EXPECT_EQ(imp.SovrappMax, 104);
    EXPECT_EQ(imp.ColoriSchermo[0], Rgb(255, 0, 0));
    EXPECT_EQ(imp.LayerVisibili[24], 0);
    EXPECT_EQ(imp.DescrizioneCompleta, 0);
    EXPECT_EQ(imp.IndicaLato, 0);
    EXPECT_EQ(imp.Calcestruzzo.Nome, "C25/30");
}

TEST(RicalcolaScalaDxf, TextAndDrawingScalesFollowThePrintRatio) {
    struct Caso {
        float unita, mm, testi;
    };
    // The ratio is taken in double and stored in float.
    const Caso casi[] = {
        {10.0f, 1.0f, 1.0f},
        {50.0f, 1.0f, 5.0f},
        {1.0f, 2.0f, 0.05f},
        {7.0f, 3.0f, static_cast<float>(7.0 * 0.1 / 3.0)},
    };
    for (const Caso& c : casi) {
        Impostazioni imp;
        imp.ScalaUnita = c.unita;
        imp.ScalaMm = c.mm;
        EXPECT_TRUE(RicalcolaScalaDxf(imp));
        EXPECT_EQ(imp.ScalaTestiDxf, c.testi) << c.unita << " / " << c.mm;
        EXPECT_EQ(imp.ScalaDxf, 2.0f * c.testi) << c.unita << " / " << c.mm;
    }
}

TEST(RicalcolaScalaDxf, RatioThatIsNotPositiveIsRefused) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float grande = std::numeric_limits<float>::max();
    const float casi[][2] = {{10, 0}, {10, -1}, {0, 1}, {-10, 1}, {nan, 1}, {10, nan},
                             {grande, 1e-30f}};
    for (const auto& c : casi) {
        Impostazioni imp;
        imp.ScalaUnita = c[0];
        imp.ScalaMm = c[1];
        EXPECT_FALSE(RicalcolaScalaDxf(imp)) << c[0] << " / " << c[1];
        EXPECT_EQ(imp.ScalaTestiDxf, 1.0f);
        EXPECT_EQ(imp.ScalaDxf, 2.0f);
    }
}
