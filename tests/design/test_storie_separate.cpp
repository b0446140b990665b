// Two programs on walls of one folder, as two sessions of the engine: each
// undoes and redoes to its own states whatever the other does.

#include "design/AnnullaModifica.h"
#include "design/CaricaProgetto.h"
#include "model/Recenti.h"
#include "model/StoriaAnnulla.h"

#include "Fixture.h"
#include "ProgrammaDiProva.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What the first program does while the second has two changes to undo.
enum class InPrimo { Annulla, Apri, Recente, Uscita };

struct CasoDueProgrammi {
    const char* nome;
    bool stessaParete;  // both programs on A.SET; else A.SET and B.SET
    InPrimo azione;
};

void PrintTo(const CasoDueProgrammi& c, std::ostream* os) { *os << c.nome; }

// The messages of a failure ("Impossibile annullare la modifica." and the like).
std::vector<std::string> Errori(const FinestraRegistrata& finestra) {
    std::vector<std::string> errori;
    for (const std::string& m : finestra.Messaggi())
        if (m.starts_with("Impossibile")) errori.push_back(m);
    return errori;
}

class DueProgrammi : public testing::TestWithParam<CasoDueProgrammi> {
protected:
    std::string Parete(const std::string& nome) const {
        return cartella.Scrivi(nome, Contenuto(PercorsoFixture("COPERTURA.SET")));
    }

    CartellaTemporanea cartella;  // the walls of one building
    CartellaTemporanea utente;    // the user's profile and temporary folders
    ProgrammaDiProva primo{utente.Percorso(), utente.Percorso() / "annulla"};
    ProgrammaDiProva secondo{utente.Percorso(), utente.Percorso() / "annulla"};
};

TEST_P(DueProgrammi, OgnunoAnnullaERipeteSoloIPropriStati) {
    const CasoDueProgrammi& caso = GetParam();
    const std::string a = Parete("A.SET");
    const std::string b = caso.stessaParete ? a : Parete("B.SET");
    const std::string c = Parete("C.SET");
    ASSERT_TRUE(primo.Apri(a).Riuscito());
    ASSERT_TRUE(secondo.Apri(b).Riuscito());
    // The coverage warning of the fixture wall is not what is tested here.
    primo.finestra = {};
    secondo.finestra = {};

    primo.AggiungiZona(12, 20.0f);
    secondo.AggiungiZona(16, 10.0f);
    secondo.AggiungiZona(20, 15.0f);

    switch (caso.azione) {
        case InPrimo::Annulla:
            AnnullaModifica(primo.sessione, primo.finestra);
            EXPECT_EQ(primo.Zone(), std::vector<ZonaVista>{});
            RipetiModifica(primo.sessione, primo.finestra);
            EXPECT_EQ(primo.Zone(), (std::vector<ZonaVista>{{12, 20.0f}}));
            AnnullaModifica(primo.sessione, primo.finestra);
            break;
        case InPrimo::Apri:
            primo.finestra.FileScelti = {c};
            ASSERT_TRUE(ApriFile(primo.sessione, primo.vista, primo.finestra).Riuscito());
            break;
        case InPrimo::Recente:
            AggiornaRecenti(primo.sessione.recenti, c);
            ASSERT_TRUE(ApriFileRecente(primo.sessione, 0, primo.vista, primo.finestra).Riuscito());
            break;
        case InPrimo::Uscita:
            // What closing the main window does once the user has answered.
            SvuotaAnnulla(primo.sessione.storia);
            break;
    }

    AnnullaModifica(secondo.sessione, secondo.finestra);
    EXPECT_EQ(secondo.Zone(), (std::vector<ZonaVista>{{16, 10.0f}}));
    AnnullaModifica(secondo.sessione, secondo.finestra);
    EXPECT_EQ(secondo.Zone(), std::vector<ZonaVista>{});
    RipetiModifica(secondo.sessione, secondo.finestra);
    EXPECT_EQ(secondo.Zone(), (std::vector<ZonaVista>{{16, 10.0f}}));
    RipetiModifica(secondo.sessione, secondo.finestra);
    EXPECT_EQ(secondo.Zone(), (std::vector<ZonaVista>{{16, 10.0f}, {20, 15.0f}}));
    EXPECT_EQ(Errori(secondo.finestra), std::vector<std::string>{});
    EXPECT_EQ(Errori(primo.finestra), std::vector<std::string>{});

    // The walls' folder holds the walls and nothing of the histories.
    for (const auto& voce : fs::directory_iterator(cartella.Percorso()))
        EXPECT_EQ(voce.path().extension(), ".SET") << voce.path();

    // The histories end with their own folders, and nothing else is left.
    SvuotaAnnulla(primo.sessione.storia);
    SvuotaAnnulla(secondo.sessione.storia);
    EXPECT_TRUE(fs::is_empty(utente.Percorso() / "annulla"));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, DueProgrammi,
    testing::Values(
        CasoDueProgrammi{.nome = "AnnullaNelPrimo", .stessaParete = false,
                         .azione = InPrimo::Annulla},
        CasoDueProgrammi{.nome = "AnnullaNelPrimoStessaParete", .stessaParete = true,
                         .azione = InPrimo::Annulla},
        CasoDueProgrammi{.nome = "ApriNelPrimo", .stessaParete = false, .azione = InPrimo::Apri},
        CasoDueProgrammi{.nome = "RecenteNelPrimo", .stessaParete = false,
                         .azione = InPrimo::Recente},
        CasoDueProgrammi{.nome = "UscitaDelPrimo", .stessaParete = false,
                         .azione = InPrimo::Uscita},
        CasoDueProgrammi{.nome = "UscitaDelPrimoStessaParete", .stessaParete = true,
                         .azione = InPrimo::Uscita}),
    [](const testing::TestParamInfo<CasoDueProgrammi>& info) { return info.param.nome; });

}  // namespace
