#include "model/Impostazioni.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Screen colour on a black and on a white canvas.
struct Tinta {
    int nero;
    int bianco;
};

struct LayerAtteso {
    const char* nome;
    int indice;
    Tinta tinta;
};

constexpr Tinta Rosso = {Rgb(255, 0, 0), Rgb(215, 0, 0)};
constexpr Tinta Verde = {Rgb(0, 255, 0), Rgb(0, 215, 0)};
constexpr Tinta Magenta = {Rgb(255, 0, 255), Rgb(128, 0, 128)};
constexpr Tinta Grigio = {Rgb(192, 192, 192), Rgb(128, 128, 128)};
constexpr Tinta Giallo = {Rgb(255, 255, 0), Rgb(128, 128, 0)};
constexpr Tinta Ciano = {Rgb(0, 255, 255), Rgb(0, 128, 128)};
constexpr Tinta Blu = {Rgb(0, 0, 255), Rgb(0, 0, 128)};
constexpr Tinta Tratteggio = {Rgb(128, 128, 128), Rgb(192, 192, 192)};

const LayerAtteso Tabella[NumLayer] = {
    {"ARM_INTEGR1", 1, Rosso},       {"ARM_INTEGR2", 3, Verde},
    {"PERIM_PILASTRI", 2, Magenta},  {"PILASTRI_ACCIAIO", 5, Magenta},
    {"PERIM_SETTI", 6, Magenta},     {"PERIM_PARETI", 2, Grigio},
    {"ARM_TAGLIO", 5, Giallo},       {"TRAVI_ESTRADOSSO", 2, Giallo},
    {"QUOTE", 4, Ciano},             {"POS_INTEGRATIVA", 4, Ciano},
    {"ARMATURA_SEZ", 5, Rosso},      {"LINEE_SEZIONI", 3, Blu},
    {"TESTO_TITOLI", 3, Verde},      {"TESTO_ARM_TAGLIO", 3, Verde},
    {"TESTO_PILASTRI", 3, Verde},    {"TESTO_SETTI", 3, Verde},
    {"TESTO_SOLETTE", 3, Verde},     {"TESTO_TRAVI", 3, Verde},
    {"TESTO_QUOTE", 3, Verde},       {"TESTO_FERRI", 3, Verde},
    {"ARM_DIFFUSA1", 1, Rosso},      {"ARM_DIFFUSA2", 3, Verde},
    {"TRATTEGGI", 9, Tratteggio},    {"PERIM_SEZIONI", 7, Grigio},
    {"PERIM_PILASTRI_SUP", 2, Magenta},
};

void Ripristina(Impostazioni& imp) {
    Sessione sessione;
    sessione.imp = imp;
    FinestraRegistrata finestra;
    ImpostazioniDefault(sessione, finestra);
    imp = sessione.imp;
}

}  // namespace

TEST(TabellaLayer, DefaultsHoldTheTwentyFiveEntries) {
    for (int sfondo : {0, 1}) {
        Impostazioni imp;
        imp.SfondoBianco = sfondo;
        ImpostaColoriVideo(imp);
        for (int i = 0; i < NumLayer; ++i) {
            SCOPED_TRACE("layer " + std::to_string(i) + " sfondo " + std::to_string(sfondo));
            EXPECT_EQ(imp.NomiLayer[i], Tabella[i].nome);
            EXPECT_EQ(imp.ColoriLayer[i], Tabella[i].indice);
            EXPECT_EQ(imp.ColoriSchermo[i],
                      sfondo ? Tabella[i].tinta.bianco : Tabella[i].tinta.nero);
            EXPECT_EQ(imp.LayerDxf[i], 1);
            if (i < 24) {
                EXPECT_EQ(imp.LayerVisibili[i], i == 22 ? 0 : 1);
            }
        }
    }
}

TEST(TabellaLayer, EntryTwentyFourIsRebuiltFromTheDefaultEntryTwo) {
    Impostazioni imp;
    imp.NomiLayer[2] = "PILASTRI_UTENTE";
    imp.ColoriLayer[2] = 40;
    imp.NomiLayer[24] = "LETTO_DAL_FILE";
    imp.ColoriLayer[24] = 77;
    imp.LayerDxf[2] = 0;
    Ripristina(imp);
    EXPECT_EQ(imp.NomiLayer[24], "PERIM_PILASTRI_SUP");
    EXPECT_EQ(imp.ColoriLayer[24], 2);
    EXPECT_EQ(imp.LayerDxf[24], 1);
}

TEST(TabellaLayer, DerivedEntryFollowsAnEditedEntryTwo) {
    Impostazioni imp;
    imp.NomiLayer[2] = "PILASTRI";
    imp.ColoriLayer[2] = 30;
    imp.LayerDxf[2] = 0;
    DerivaLayerSuperiore(imp);
    EXPECT_EQ(imp.NomiLayer[24], "PILASTRI_SUP");
    EXPECT_EQ(imp.ColoriLayer[24], 30);
    EXPECT_EQ(imp.LayerDxf[24], 0);
}

TEST(TabellaLayer, WhiteCanvasGivesLightHatchingStillHidden) {
    Impostazioni imp;
    imp.SfondoBianco = 1;
    ImpostaColoriVideo(imp);
    EXPECT_EQ(imp.ColoriSchermo[22], Rgb(192, 192, 192));
    EXPECT_EQ(imp.LayerVisibili[22], 0);
    EXPECT_EQ(imp.ColPrimoPiano, Rgb(0, 0, 0));
    EXPECT_EQ(ColoreSfondoTela(imp), Rgb(255, 255, 255));
}

TEST(TabellaLayer, ScreenColoursLeaveTheDerivedScreenFlagAlone) {
    Impostazioni imp;
    for (int flag : {0, 1}) {
        imp.LayerVisibili[24] = flag;
        imp.LayerVisibili[5] = 0;
        imp.OsnapQuote[3] = 0;
        ImpostaColoriVideo(imp);
        EXPECT_EQ(imp.LayerVisibili[24], flag);
        EXPECT_EQ(imp.LayerVisibili[5], 1);
        EXPECT_EQ(imp.OsnapQuote[3], 1);
    }
}

TEST(TabellaLayer, ScreenColoursFollowTheCanvasBackground) {
    Impostazioni imp;
    EXPECT_EQ(imp.ColPrimoPiano, Rgb(255, 255, 255));
    EXPECT_EQ(ColoreSfondoTela(imp), Rgb(0, 0, 0));
    for (int sfondo : {1, 2, -1}) {  // any non-zero value means white
        imp.SfondoBianco = sfondo;
        ImpostaColoriVideo(imp);
        EXPECT_EQ(imp.ColoriSchermo[0], Rgb(215, 0, 0)) << sfondo;
        EXPECT_EQ(imp.ColoriSchermo[24], imp.ColoriSchermo[2]) << sfondo;
    }
}

TEST(TabellaLayer, DefaultsDoNotTouchTheScreenColoursOrFlags) {
    Impostazioni imp;
    imp.ColoriSchermo[7] = Rgb(1, 2, 3);
    imp.LayerVisibili[22] = 1;
    imp.OsnapQuote[0] = 0;
    Ripristina(imp);
    EXPECT_EQ(imp.ColoriSchermo[7], Rgb(1, 2, 3));
    EXPECT_EQ(imp.LayerVisibili[22], 1);
    EXPECT_EQ(imp.OsnapQuote[0], 0);
}

TEST(TabellaLayer, ColourPackingMatchesTheStoredForm) {
    EXPECT_EQ(Rgb(215, 0, 0), 215);
    EXPECT_EQ(Rgb(0, 0, 128), 128 * 65536);
    EXPECT_EQ(RossoDi(Rgb(12, 34, 56)), 12);
    EXPECT_EQ(VerdeDi(Rgb(12, 34, 56)), 34);
    EXPECT_EQ(BluDi(Rgb(12, 34, 56)), 56);
}
