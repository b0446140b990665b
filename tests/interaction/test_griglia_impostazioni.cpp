#include "design/AnnullaModifica.h"
#include "interaction/GrigliaImpostazioni.h"
#include "model/Sessione.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"
#include "RicalcoloContato.h"
#include "SessioneDialoghi.h"

#include <gtest/gtest.h>

namespace {

using T = TipoVoceImpostazione;

std::vector<CategoriaImpostazioni> AtteseDueLati() {
    return {
        {"Lunghezza di sovrapposizione ferri",
         {{1, "L Min. (in multipli del diam.)", T::Testo, " 20"},
          {2, "L Max. (in multipli del diam.)", T::Testo, " 104"}}},
        {"Riferimento per armatura integrativa",
         {{13, "Diametro (mm)", T::Testo, " 12"},
          {14, "Passo massimo (cm)", T::Testo, "30.0"},
          {20, "Lunghezza max ferri (cm)", T::Testo, " 600"},
          {35, "Descrizione completa delle posizioni", T::Booleano, "0"}}},
        {"Riferimento per cordoli",
         {{15, "Diametro reggistaffa (mm)", T::Testo, " 14"},
          {7, "Diametro staffe (mm)", T::Testo, " 8"},
          {9, "Passo staffe (cm)", T::Testo, "20.0"}}},
        {"Griglia", {{90, "Passo X (cm)", T::Testo, " 10"}, {91, "Passo Y (cm)", T::Testo, " 10"}}},
        {"Note", {{36, "Indicazione del lato nei ferri delle sezioni", T::Booleano, "0"}}},
    };
}

}  // namespace

TEST(CategorieImpostazioni, FiveCategoriesOnATwoFaceWall) {
    CartellaTemporanea c;
    const Sessione s = SessioneDialoghi(c.Percorso().string());
    EXPECT_EQ(CategorieImpostazioni(s), AtteseDueLati());
}

TEST(CategorieImpostazioni, ASingleMeshAddsTheEndBendsBeforeTheNotes) {
    CartellaTemporanea c;
    const Sessione s = SessioneDialoghi(c.Percorso().string(), -1, 1);
    std::vector<CategoriaImpostazioni> attese = AtteseDueLati();
    attese.insert(attese.end() - 1,
                  {"Armatura a maglia unica",
                   {{95, "Piega ancoraggio estremit\xC3\xA0", T::Booleano, "1"}}});
    EXPECT_EQ(CategorieImpostazioni(s), attese);
}

TEST(ValidaImpostazione, LimitsRoundingAndTheSixteenBitFields) {
    struct Caso {
        const char* nome;
        int id;
        const char* testo;
        bool accettato;
        float valore;  // the stored value when accepted
    };
    const Caso casi[] = {
        {.nome = "L Min 19", .id = 1, .testo = "19", .accettato = false, .valore = 0},
        {.nome = "L Min 20", .id = 1, .testo = "20", .accettato = true, .valore = 20},
        {.nome = "L Max 201", .id = 2, .testo = "201", .accettato = false, .valore = 0},
        {.nome = "L Max 0", .id = 2, .testo = "0", .accettato = true, .valore = 0},
        {.nome = "L Max -5", .id = 2, .testo = "-5", .accettato = true, .valore = -5},
        {.nome = "L Max beyond 16 bits", .id = 2, .testo = "-40000", .accettato = false, .valore = 0},
        {.nome = "Passo X 0", .id = 90, .testo = "0", .accettato = false, .valore = 0},
        {.nome = "Passo X 1", .id = 90, .testo = "1", .accettato = true, .valore = 1},
        {.nome = "Passo X 500", .id = 90, .testo = "500", .accettato = true, .valore = 500},
        {.nome = "Passo X 501", .id = 90, .testo = "501", .accettato = false, .valore = 0},
        {.nome = "Passo Y 500,4", .id = 91, .testo = "500,4", .accettato = false, .valore = 0},
        {.nome = "longest bar 299", .id = 20, .testo = "299", .accettato = false, .valore = 0},
        // The settings file keeps the longest bar whole, halves away from zero.
        {.nome = "longest bar 1200,5", .id = 20, .testo = "1200,5", .accettato = true, .valore = 1201},
        {.nome = "longest bar past the length range", .id = 20, .testo = "7e10", .accettato = false, .valore = 0},
        {.nome = "diameter 40000", .id = 13, .testo = "40000", .accettato = false, .valore = 0},
        {.nome = "diameter 12,5 halves to even", .id = 13, .testo = "12,5", .accettato = true, .valore = 12},
        {.nome = "stirrups 13,5 halves to even", .id = 7, .testo = "13,5", .accettato = true, .valore = 14},
        {.nome = "stirrups 5", .id = 7, .testo = "5", .accettato = false, .valore = 0},
        {.nome = "hanger 40000", .id = 15, .testo = "40000", .accettato = false, .valore = 0},
        {.nome = "stirrup spacing 4,9", .id = 9, .testo = "4,9", .accettato = false, .valore = 0},
        {.nome = "stirrup spacing 7,5", .id = 9, .testo = "7,5", .accettato = true, .valore = 7.5f},
        {.nome = "zone spacing text", .id = 14, .testo = "abc", .accettato = false, .valore = 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea cartella;
        Sessione s = SessioneDialoghi(cartella.Percorso().string());
        const Sessione prima = s;
        std::string testo = c.testo;
        const EsitoVoceImpostazione esito = ValidaImpostazione(s, c.id, testo, "corrente");
        if (!c.accettato) {
            EXPECT_EQ(esito, EsitoVoceImpostazione::Rifiutata);
            EXPECT_EQ(testo, "corrente");
            EXPECT_EQ(s.imp.SovrappMax, prima.imp.SovrappMax);
            EXPECT_TRUE(s.parete == prima.parete);
            continue;
        }
        EXPECT_EQ(esito, EsitoVoceImpostazione::Accettata);
        EXPECT_EQ(testo, c.testo);
        float memorizzato = 0;
        switch (c.id) {
            case 1: memorizzato = s.imp.SovrappMin; break;
            case 2: memorizzato = s.imp.SovrappMax; break;
            case 7: memorizzato = s.imp.DiamStaffeCordolo; break;
            case 9: memorizzato = s.imp.PassoStaffeCordolo; break;
            case 13: memorizzato = s.parete.DiamIntegrativa; break;
            case 20: memorizzato = s.imp.LungMaxFerri; break;
            case 90: memorizzato = s.imp.PassoGrigliaX; break;
        }
        EXPECT_EQ(memorizzato, c.valore);
        EXPECT_EQ(PassiAnnulla(s), 0);
    }
}

TEST(ImpostaOpzione, EndBendsAreOneChangeOfTheWallThatUndoTakesBack) {
    CartellaTemporanea c;
    Sessione s = SessioneDialoghi(c.Percorso().string(), -1, 0);
    FinestraRegistrata finestra;
    RicalcoloContato conta;
    ImpostaOpzione(s, finestra, 95, true, conta);
    EXPECT_EQ(s.parete.PiegaAncoraggio, 1);
    EXPECT_EQ(PassiAnnulla(s), 1);
    EXPECT_TRUE(s.storia.Modificata);
    EXPECT_EQ(conta.Armature, 1);
    AnnullaModifica(s, finestra);
    EXPECT_EQ(s.parete.PiegaAncoraggio, 0);
}

TEST(ImpostaOpzione, TheLabelOptionsAreSettingsOnly) {
    CartellaTemporanea c;
    Sessione s = SessioneDialoghi(c.Percorso().string());
    FinestraRegistrata finestra;
    ImpostaOpzione(s, finestra, 35, true);
    ImpostaOpzione(s, finestra, 36, true);
    EXPECT_EQ(s.imp.DescrizioneCompleta, 1);
    EXPECT_EQ(s.imp.IndicaLato, 1);
    EXPECT_EQ(PassiAnnulla(s), 0);
    EXPECT_FALSE(s.storia.Modificata);
    EXPECT_TRUE(finestra.Eventi.empty());
}
