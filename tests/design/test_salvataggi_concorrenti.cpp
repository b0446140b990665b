// The same wall open in two programs: a save never replaces, without a
// question, files that the other program has saved meanwhile.

#include "design/SalvaConNome.h"
#include "design/SalvaParete.h"
#include "design/SalvaPareteComando.h"
#include "model/FileArmature.h"

#include "Fixture.h"
#include "ProgrammaDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr char Domanda[] = "Domanda[Attenzione!|nessuna] Il file ";
constexpr char DaAltroProgramma[] =
    " è stato modificato da un altro programma dopo l'ultima apertura o l'ultimo salvataggio "
    "di questa parete.\nVuoi sovrascriverlo?";

// What happens to the wall's files between the first program's two saves.
enum class Intanto {
    Niente,
    StessiByte,          // rewritten as they were, with a later date
    SalvaAltroProgramma, // the second program adds a zone and saves
    ArmatureRiscritte,   // another program rewrites the reinforcement file only
    ArmatureCancellate,
};

struct CasoConcorrente {
    const char* nome;
    Intanto intanto;
    bool si = false;        // the answer to the question
    const char* chiesto{};  // the file the question names (P.SET or P.ARS); none: no question
};

void PrintTo(const CasoConcorrente& c, std::ostream* os) { *os << c.nome; }

class StessaParete : public testing::TestWithParam<CasoConcorrente> {
protected:
    int Domande(const FinestraRegistrata& f) const {
        return static_cast<int>(std::count_if(f.Eventi.begin(), f.Eventi.end(), [](const auto& e) {
            return e.starts_with(Domanda) && e.find(DaAltroProgramma) != std::string::npos;
        }));
    }

    CartellaTemporanea cartella;
    CartellaTemporanea utente;
    ProgrammaDiProva primo{utente.Percorso(), utente.Percorso()};
    ProgrammaDiProva secondo{utente.Percorso(), utente.Percorso()};
};

TEST_P(StessaParete, UnaSostituzioneDelLavoroAltruiVieneChiesta) {
    const CasoConcorrente& caso = GetParam();
    const std::string parete =
        cartella.Scrivi("P.SET", Contenuto(PercorsoFixture("COPERTURA.SET")) + "PROGETTO\r\n");
    const std::string armature = (cartella.Percorso() / "P.ARS").string();
    ASSERT_TRUE(primo.Apri(parete).Riuscito());
    ASSERT_TRUE(secondo.Apri(parete).Riuscito());

    primo.AggiungiZona(12, 20.0f);
    ASSERT_TRUE(ComandoSalva(primo.sessione, primo.finestra).Riuscito());
    EXPECT_EQ(Domande(primo.finestra), 0);  // the files were as it opened them

    switch (caso.intanto) {
        case Intanto::Niente: break;
        case Intanto::StessiByte:
            for (const std::string& file : {parete, armature}) {
                const std::string testo = Contenuto(file);
                fs::remove(file);
                cartella.Scrivi(fs::path(file).filename().string(), testo);
                fs::last_write_time(file, fs::last_write_time(file) + std::chrono::hours(1));
            }
            break;
        case Intanto::SalvaAltroProgramma:
            secondo.AggiungiZona(16, 10.0f);
            // The first program's save came after this one opened the wall.
            secondo.finestra.RisposteDomande = {true};
            ASSERT_TRUE(ComandoSalva(secondo.sessione, secondo.finestra).Riuscito());
            EXPECT_EQ(Domande(secondo.finestra), 1);
            break;
        case Intanto::ArmatureRiscritte:
            cartella.Scrivi("P.ARS", Contenuto(armature) + "\r\n");
            break;
        case Intanto::ArmatureCancellate: fs::remove(armature); break;
    }
    const std::string paretePrima = Contenuto(parete);
    const bool armaturePrima = fs::exists(armature);
    const std::string testoArmaturePrima = Contenuto(armature);

    primo.AggiungiZona(20, 15.0f);
    primo.finestra.Eventi.clear();
    primo.finestra.RisposteDomande = {caso.si};
    const Esito salvata = ComandoSalva(primo.sessione, primo.finestra);

    const std::string chiesto = caso.chiesto ? (cartella.Percorso() / caso.chiesto).string() : "";
    EXPECT_EQ(Domande(primo.finestra), chiesto.empty() ? 0 : 1);
    if (!chiesto.empty()) {
        EXPECT_EQ(primo.finestra.Eventi.front(),
                  Domanda + chiesto + DaAltroProgramma + (caso.si ? " -> Si" : " -> No"));
    }
    const std::vector<ZonaVista> zone{{12, 20.0f}, {20, 15.0f}};
    EXPECT_EQ(primo.Zone(), zone);
    if (chiesto.empty() || caso.si) {
        ASSERT_TRUE(salvata.Riuscito()) << salvata.Motivo;
        EXPECT_EQ(Contenuto(armature), TestoArmature(primo.sessione.parete));
        EXPECT_FALSE(primo.sessione.storia.Modificata);
        return;
    }

    // No: the other program's files stay, this one keeps its design to save
    // under another name.
    EXPECT_EQ(salvata.Codice, CodiceSalvataggio::Rinuncia);
    EXPECT_EQ(Contenuto(parete), paretePrima);
    EXPECT_EQ(fs::exists(armature), armaturePrima);
    EXPECT_EQ(Contenuto(armature), testoArmaturePrima);
    EXPECT_TRUE(primo.sessione.storia.Modificata);
    CartellaTemporanea altrove;
    const std::string nuova = (altrove.Percorso() / "P2.SET").string();
    primo.finestra.FileScelti = {nuova};
    ASSERT_TRUE(SalvaConNome(primo.sessione, primo.finestra).Riuscito());
    ProgrammaDiProva riaperto{utente.Percorso(), utente.Percorso()};
    ASSERT_TRUE(riaperto.Apri(nuova).Riuscito());
    EXPECT_EQ(riaperto.Zone(), zone);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, StessaParete,
    testing::Values(
        CasoConcorrente{.nome = "NessunAltroSalvataggio", .intanto = Intanto::Niente},
        CasoConcorrente{.nome = "StessiByteConUnAltraData", .intanto = Intanto::StessiByte},
        CasoConcorrente{.nome = "AltroProgrammaHaSalvatoNo",
                        .intanto = Intanto::SalvaAltroProgramma, .si = false, .chiesto = "P.SET"},
        CasoConcorrente{.nome = "AltroProgrammaHaSalvatoSi",
                        .intanto = Intanto::SalvaAltroProgramma, .si = true, .chiesto = "P.SET"},
        CasoConcorrente{.nome = "SoloArmatureRiscritteNo", .intanto = Intanto::ArmatureRiscritte,
                        .si = false, .chiesto = "P.ARS"},
        CasoConcorrente{.nome = "ArmatureCancellateNo", .intanto = Intanto::ArmatureCancellate,
                        .si = false, .chiesto = "P.ARS"}),
    [](const testing::TestParamInfo<CasoConcorrente>& info) { return info.param.nome; });

}  // namespace
