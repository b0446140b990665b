#include "model/Cartelle.h"
#include "model/Impostazioni.h"
#include "model/StatoInterfaccia.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Sets (or clears, with nullopt) an environment variable for one test and
// restores it afterwards.
class VariabileTemporanea {
public:
    VariabileTemporanea(const char* nome, const std::optional<std::string>& valore) : nome_(nome) {
        if (const char* prima = std::getenv(nome)) prima_ = prima;
        if (valore) {
            setenv(nome, valore->c_str(), 1);
        } else {
            unsetenv(nome);
        }
    }
    ~VariabileTemporanea() {
        if (prima_) {
            setenv(nome_, prima_->c_str(), 1);
        } else {
            unsetenv(nome_);
        }
    }
    VariabileTemporanea(const VariabileTemporanea&) = delete;
    VariabileTemporanea& operator=(const VariabileTemporanea&) = delete;

private:
    const char* nome_;
    std::optional<std::string> prima_;
};

// A user whose home and configuration folders live in a temporary folder.
class UtenteDiProva : public ::testing::Test {
protected:
    CartellaTemporanea radice;
    std::string casa = (radice.Percorso() / "casa").string();
    std::string configurazione = (radice.Percorso() / "config").string();
    VariabileTemporanea varCasa{"HOME", casa};
    VariabileTemporanea varConfig{"XDG_CONFIG_HOME", configurazione};

    void SetUp() override {
        fs::create_directories(casa);
        fs::create_directories(configurazione);
    }

    void ScriviElencoRecenti(const std::string& contenuto) {
        fs::create_directories(fs::path(configurazione) / "Mervane");
        radice.Scrivi("config/Mervane/Tarlo.conf", contenuto);
    }

    std::string CreaCartella(const std::string& relativa) {
        const fs::path cartella = radice.Percorso() / relativa;
        fs::create_directories(cartella);
        return cartella.string();
    }

    std::string Percorso(const std::string& relativo) const {
        return (radice.Percorso() / relativo).string();
    }
};

std::string CartellaDellEseguibile() {
    return fs::read_symlink("/proc/self/exe").parent_path().string();
}

}  // namespace

TEST_F(UtenteDiProva, ProfileFolderIsCreatedUnderXdgConfigHome) {
    Impostazioni imp;
    InizializzaCartelle(imp);
    EXPECT_EQ(imp.CartellaUtente, configurazione + "/korvane");
    EXPECT_TRUE(fs::is_directory(imp.CartellaUtente));
    EXPECT_EQ(imp.CartellaProgramma, CartellaDellEseguibile());
}

TEST_F(UtenteDiProva, ProfileFolderFallsBackToHomeConfig) {
    for (const std::optional<std::string>& xdg :
         {std::optional<std::string>{}, std::optional<std::string>{""},
          std::optional<std::string>{"relativa/config"}}) {
        VariabileTemporanea senzaXdg("XDG_CONFIG_HOME", xdg);
        Impostazioni imp;
        InizializzaCartelle(imp);
        EXPECT_EQ(imp.CartellaUtente, casa + "/.config/korvane") << xdg.value_or("(unset)");
        EXPECT_TRUE(fs::is_directory(imp.CartellaUtente));
    }
}

TEST_F(UtenteDiProva, ProfileFolderIsStoredWithoutTrailingSeparator) {
    VariabileTemporanea conBarra("XDG_CONFIG_HOME", configurazione + "/");
    Impostazioni imp;
    InizializzaCartelle(imp);
    EXPECT_EQ(imp.CartellaUtente, configurazione + "/korvane");
}

TEST_F(UtenteDiProva, ProgramFolderServesWhenNoProfileFolderCanBeHad) {
    {
        VariabileTemporanea senzaXdg("XDG_CONFIG_HOME", std::nullopt);
        VariabileTemporanea senzaCasa("HOME", std::nullopt);
        Impostazioni imp;
        InizializzaCartelle(imp);
        EXPECT_EQ(imp.CartellaUtente, imp.CartellaProgramma);
    }
    {
        // A file where the configuration folder should be: it cannot be created.
        const std::string file = radice.Scrivi("occupato", "x");
        VariabileTemporanea suFile("XDG_CONFIG_HOME", file);
        Impostazioni imp;
        InizializzaCartelle(imp);
        EXPECT_EQ(imp.CartellaUtente, imp.CartellaProgramma);
    }
}

TEST_F(UtenteDiProva, ExistingFileIsFoundFolderAndMissingFileAreNot) {
    StatoInterfaccia stato;
    FinestraRegistrata finestra;
    const std::string file = radice.Scrivi("PARETE.SET", "1\n");
    EXPECT_TRUE(EsisteFile(file, stato, finestra));
    EXPECT_FALSE(EsisteFile(radice.Percorso().string(), stato, finestra));
    EXPECT_FALSE(EsisteFile(Percorso("MANCA.SET"), stato, finestra));
    EXPECT_FALSE(EsisteFile(Percorso("manca/PARETE.SET"), stato, finestra));
    EXPECT_FALSE(EsisteFile(file + "/ALTRO.SET", stato, finestra));
    // A hidden file is not offered, as a folder is not.
    EXPECT_FALSE(EsisteFile(radice.Scrivi(".PARETE.SET", "1\n"), stato, finestra));
    EXPECT_EQ(stato.ErroreOperazione, 0);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(UtenteDiProva, LetterCaseOfTheNameCounts) {
    StatoInterfaccia stato;
    FinestraRegistrata finestra;
    radice.Scrivi("parete.set", "1\n");
    EXPECT_TRUE(EsisteFile(Percorso("parete.set"), stato, finestra));
    EXPECT_FALSE(EsisteFile(Percorso("PARETE.SET"), stato, finestra));
}

TEST_F(UtenteDiProva, EmptyPathNamesNoFile) {
    // Searching for an empty name would find any file of the current folder.
    radice.Scrivi("qualsiasi.txt", "x");
    const fs::path prima = fs::current_path();
    fs::current_path(radice.Percorso());
    StatoInterfaccia stato;
    FinestraRegistrata finestra;
    const bool trovato = EsisteFile("", stato, finestra);
    fs::current_path(prima);
    EXPECT_FALSE(trovato);
    EXPECT_EQ(stato.ErroreOperazione, 0);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(UtenteDiProva, PathThatCannotBeFormedIsReported) {
    for (const std::string& percorso :
         {Percorso(std::string(300, 'a') + ".SET"), Percorso("PARE") + std::string(1, '\0') + "TE.SET"}) {
        StatoInterfaccia stato;
        FinestraRegistrata finestra;
        EXPECT_FALSE(EsisteFile(percorso, stato, finestra));
        EXPECT_EQ(stato.ErroreOperazione, -1);
        ASSERT_EQ(finestra.Eventi.size(), 1u);
        EXPECT_EQ(finestra.Eventi[0],
                  "Messaggio[Attenzione!|esclamazione] Drive o percorso non trovato.");
    }
}

TEST(SegnalaErroreFile, DeniedAccessNamesThePath) {
    FinestraRegistrata finestra;
    SegnalaErroreFile(std::make_error_code(std::errc::permission_denied), "/srv/pareti/P1.SET",
                      finestra);
    ASSERT_EQ(finestra.Eventi.size(), 1u);
    EXPECT_EQ(finestra.Eventi[0],
              "Messaggio[Attenzione!|esclamazione] Il programma sta cercando di operare su una "
              "cartella per la quale l'utente non dispone di autorizzazione.\n/srv/pareti/P1.SET\n"
              "Operazione annullata!\nContattare l'amministratore di rete.");
}

TEST(SegnalaErroreFile, OtherErrorsAreSilent) {
    FinestraRegistrata finestra;
    SegnalaErroreFile(std::make_error_code(std::errc::io_error), "/x", finestra);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(UtenteDiProva, FileInAFolderWithoutPermissionIsReported) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const std::string chiusa = CreaCartella("chiusa");
    radice.Scrivi("chiusa/P1.SET", "1\n");
    chmod(chiusa.c_str(), 0);
    StatoInterfaccia stato;
    FinestraRegistrata finestra;
    const bool trovato = EsisteFile(chiusa + "/P1.SET", stato, finestra);
    chmod(chiusa.c_str(), 0700);
    EXPECT_FALSE(trovato);
    EXPECT_EQ(stato.ErroreOperazione, -1);
    ASSERT_EQ(finestra.Messaggi().size(), 1u);
    EXPECT_EQ(finestra.Messaggi()[0], TestoAccessoNegato(chiusa + "/P1.SET"));
}

TEST_F(UtenteDiProva, FolderOfAPathIsTheTextBeforeTheLastSeparator) {
    EXPECT_EQ(CartellaDelFile("/home/ing/PROGETTI/P1/WALL.SET"), "/home/ing/PROGETTI/P1");
    EXPECT_EQ(CartellaDelFile("progetti/Wall.set"), "progetti");
    EXPECT_EQ(CartellaDelFile("/WALL.SET"), "/");
}

TEST_F(UtenteDiProva, BareNameWithoutRecentListGivesTheCurrentFolder) {
    EXPECT_EQ(CartellaDelFile("WALL.SET"), fs::current_path().string());
}

TEST_F(UtenteDiProva, BareNameGivesTheDrawingsFolderOfTheLastProject) {
    const std::string disegni = CreaCartella("Lavori/Edificio_data/disegni");
    ScriviElencoRecenti("[Recent File List]\r\nFile1=" + Percorso("Lavori/Edificio.qdt") +
                        "\r\nFile2=/altro/Vecchio.QDT\r\n");
    EXPECT_EQ(CartellaUltimoProgetto(), disegni);
    EXPECT_EQ(CartellaDelFile("WALL.SET"), disegni);
}

TEST_F(UtenteDiProva, ProjectExtensionMatchesInAnyLetterCase) {
    const std::string disegni = CreaCartella("Lavori/Torre_data/disegni");
    // Qt writes blanks of section names as %20 and may quote a value.
    ScriviElencoRecenti("[General]\nFile1=/sbagliato.qdt\n\n[Recent%20File%20List]\nfile1 = \"" +
                        Percorso("Lavori/Torre.QDT") + "\"\n");
    EXPECT_EQ(CartellaUltimoProgetto(), disegni);
}

TEST_F(UtenteDiProva, TheLastProjectExtensionAnywhereInTheValueCounts) {
    const std::string disegni = CreaCartella("Lavori/Edificio_data/disegni");
    ScriviElencoRecenti("[Recent File List]\nFile1=" + Percorso("Lavori/Edificio.qdt.bak") + "\n");
    EXPECT_EQ(CartellaUltimoProgetto(), disegni);
}

// As Notepad saves UTF-8: the mark before the first section header.
TEST_F(UtenteDiProva, AListSavedWithTheUtf8MarkIsReadAlike) {
    const std::string disegni = CreaCartella("Lavori/Edificio \xC3\xA8_data/disegni");
    ScriviElencoRecenti("\xEF\xBB\xBF[Recent File List]\r\nFile1=" +
                        Percorso("Lavori/Edificio \xC3\xA8.qdt") + "\r\n");
    EXPECT_EQ(CartellaUltimoProgetto(), disegni);
}

TEST_F(UtenteDiProva, MissingRecentListGivesNothing) {
    EXPECT_EQ(CartellaUltimoProgetto(), "");
    ScriviElencoRecenti("[Altro]\nFile1=/x/P.qdt\n");
    EXPECT_EQ(CartellaUltimoProgetto(), "");
}

TEST_F(UtenteDiProva, ListWithoutAUsableProjectGivesTheHomeFolder) {
    CreaCartella("Lavori/Edificio_data/disegni");
    CreaCartella("Lavori/Edificio.dat_data/disegni");
    CreaCartella("Lavori/Edificio_data/disegni.qdt");
    const std::string casi[] = {
        "[Recent File List]\nFile2=" + Percorso("Lavori/Edificio.qdt") + "\n",  // no File1
        "[Recent File List]\nFile1=" + Percorso("Lavori/Mancante.qdt") + "\n",  // no drawings
        "[Recent File List]\nFile1=" + Percorso("Lavori/Edificio.dat") + "\n",  // not a project
        "[Recent File List]\nFile1=" + Percorso("Lavori/Edificio") + "\n",
        "[Recent File List]\nFile1=" + Percorso("Lavori/Edificio_data/disegni.qdt/x") + "\n",
        "[Recent File List]\nFile1=\n",
        "[Recent File List]\nFile1=.qdt\n",
    };
    for (const std::string& contenuto : casi) {
        ScriviElencoRecenti(contenuto);
        EXPECT_EQ(CartellaUltimoProgetto(), casa) << contenuto;
        EXPECT_EQ(CartellaDelFile("WALL.SET"), casa) << contenuto;
    }
}
