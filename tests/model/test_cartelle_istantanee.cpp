// The private folders of the undo histories, and what is left of a program
// that ended without deleting its own.

#include "model/CartelleIstantanee.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A session with a wall and one undo step stored under radice.
void StoriaCon(Sessione& s, const fs::path& radice) {
    static_cast<Parete&>(s.parete) = PareteRettangolare(400.0f, 300.0f);
    s.parete.CartellaLavoro = "/pareti";
    s.imp.CartellaTemporanea = radice.string();
    FinestraRegistrata finestra;
    MemorizzaModifica(s, finestra);
}

// Another program: a child process that stores an undo step under radice,
// then either ends at once without clearing its history or waits until it
// is killed.
struct Figlio {
    pid_t pid = -1;
    std::string cartella;  // its history's folder
};

Figlio AvviaFiglio(const fs::path& radice, bool attende) {
    int tubo[2];
    if (pipe(tubo) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(tubo[0]);
        Sessione s;
        StoriaCon(s, radice);
        const std::string& cartella = s.storia.CartellaIstantanee;
        const bool scritto = write(tubo[1], cartella.data(), cartella.size()) ==
                             static_cast<ssize_t>(cartella.size());
        close(tubo[1]);
        while (attende && scritto) pause();
        _exit(0);
    }
    close(tubo[1]);
    Figlio figlio{pid, {}};
    char blocco[256];
    for (ssize_t n; (n = read(tubo[0], blocco, sizeof blocco)) > 0;)
        figlio.cartella.append(blocco, static_cast<std::size_t>(n));
    close(tubo[0]);
    return figlio;
}

// Whose folder is judged.
enum class Proprietario {
    QuestoProgramma,    // another session of this process
    ProgrammaInCorso,   // another process, still running
    ProgrammaUcciso,    // another process, killed
    ProgrammaTerminato, // another process that ended without clearing its history
    IdRiusato,          // this process's id, but another start time: an earlier run
    NomeEstraneo,       // a name that is none of ours
};

struct CasoOrfane {
    const char* nome;
    Proprietario proprietario;
    bool rimossa;
};

void PrintTo(const CasoOrfane& c, std::ostream* os) { *os << c.nome; }

class Orfane : public testing::TestWithParam<CasoOrfane> {};

TEST_P(Orfane, SoloQuelleDiProgrammiFinitiSpariscono) {
    const CasoOrfane& caso = GetParam();
    CartellaTemporanea radice;
    Sessione viva;  // this program's own history, which must stay
    StoriaCon(viva, radice.Percorso());
    ASSERT_TRUE(fs::exists(viva.storia.CartellaIstantanee));

    std::string cartella;
    Figlio figlio;
    switch (caso.proprietario) {
        case Proprietario::QuestoProgramma: {
            Sessione altra;
            StoriaCon(altra, radice.Percorso());
            cartella = altra.storia.CartellaIstantanee;
            break;
        }
        case Proprietario::ProgrammaInCorso:
        case Proprietario::ProgrammaUcciso:
        case Proprietario::ProgrammaTerminato:
            figlio = AvviaFiglio(radice.Percorso(),
                                 caso.proprietario != Proprietario::ProgrammaTerminato);
            ASSERT_GT(figlio.pid, 0);
            cartella = figlio.cartella;
            if (caso.proprietario == Proprietario::ProgrammaUcciso) kill(figlio.pid, SIGKILL);
            if (caso.proprietario != Proprietario::ProgrammaInCorso)
                waitpid(figlio.pid, nullptr, 0);
            break;
        case Proprietario::IdRiusato:
            cartella = (radice.Percorso() / NomeCartellaIstantanee(getpid(), 1, 0)).string();
            fs::create_directory(cartella);
            std::ofstream(fs::path(cartella) / "QUVEL0.TMP") << "VERSIONE 7\r\n";
            break;
        case Proprietario::NomeEstraneo:
            cartella = (radice.Percorso() / "12-34").string();
            fs::create_directory(cartella);
            break;
    }
    ASSERT_TRUE(fs::exists(fs::path(cartella))) << cartella;
    EXPECT_EQ(fs::path(cartella).parent_path(), radice.Percorso());

    RimuoviIstantaneeOrfane(radice.Percorso());

    EXPECT_EQ(!fs::exists(cartella), caso.rimossa);
    EXPECT_TRUE(fs::exists(fs::path(viva.storia.CartellaIstantanee) / "QUVEL0.TMP"));
    if (caso.proprietario == Proprietario::ProgrammaInCorso) {
        kill(figlio.pid, SIGKILL);
        waitpid(figlio.pid, nullptr, 0);
        RimuoviIstantaneeOrfane(radice.Percorso());  // its next start
        EXPECT_FALSE(fs::exists(cartella));
    }
    SvuotaAnnulla(viva.storia);
    EXPECT_FALSE(fs::exists(viva.storia.CartellaIstantanee));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Orfane,
    testing::Values(
        CasoOrfane{.nome = "QuestoProgramma", .proprietario = Proprietario::QuestoProgramma,
                   .rimossa = false},
        CasoOrfane{.nome = "ProgrammaInCorso", .proprietario = Proprietario::ProgrammaInCorso,
                   .rimossa = false},
        CasoOrfane{.nome = "ProgrammaUcciso", .proprietario = Proprietario::ProgrammaUcciso,
                   .rimossa = true},
        CasoOrfane{.nome = "ProgrammaTerminato", .proprietario = Proprietario::ProgrammaTerminato,
                   .rimossa = true},
        CasoOrfane{.nome = "IdRiusato", .proprietario = Proprietario::IdRiusato, .rimossa = true},
        CasoOrfane{.nome = "NomeEstraneo", .proprietario = Proprietario::NomeEstraneo,
                   .rimossa = false}),
    [](const testing::TestParamInfo<CasoOrfane>& info) { return info.param.nome; });

// A folder of the user's is made open to the user only; a folder that is not
// the user's, or a link where the folder should be, receives nothing.
TEST(CartellaIstantanee, RadiceSoloDellUtente) {
    CartellaTemporanea c;
    std::string cartella;
    ASSERT_TRUE(CreaCartellaIstantanee(c.Percorso() / "korvane", cartella).Riuscito());
    EXPECT_EQ(fs::status(c.Percorso() / "korvane").permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(cartella).permissions(), fs::perms::owner_all);
    std::string seconda;
    ASSERT_TRUE(CreaCartellaIstantanee(c.Percorso() / "korvane", seconda).Riuscito());
    EXPECT_NE(seconda, cartella);

    fs::create_directory(c.Percorso() / "altrove");
    fs::create_directory_symlink(c.Percorso() / "altrove", c.Percorso() / "collegamento");
    std::string rifiutata;
    const Esito esito = CreaCartellaIstantanee(c.Percorso() / "collegamento", rifiutata);
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_TRUE(rifiutata.empty());
    EXPECT_TRUE(fs::is_empty(c.Percorso() / "altrove"));
}

}  // namespace
