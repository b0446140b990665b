#include "model/ScritturaAtomica.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Names in a folder, sorted: a temporary file left behind shows up here.
std::vector<std::string> Nomi(const fs::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(cartella))
        nomi.push_back(voce.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

unsigned Permessi(const fs::path& file) {
    struct stat s {};
    EXPECT_EQ(stat(file.c_str(), &s), 0) << file;
    return s.st_mode & 07777;
}

std::string TestoAtteso(const fs::path& percorso) {
    return "Impossibile scrivere il file " + percorso.string() + ".\n";
}

// Files cannot grow past limite bytes while it lives, as on a full disk; this
// binds the superuser too.
class DiscoPieno {
public:
    explicit DiscoPieno(rlim_t limite) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        rlimit ridotto = prima_;
        ridotto.rlim_cur = limite;
        setrlimit(RLIMIT_FSIZE, &ridotto);
        segnale_ = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of killing us
    }
    ~DiscoPieno() {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_);
    }
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

private:
    rlimit prima_{};
    void (*segnale_)(int) = SIG_DFL;
};

// CR LF, the code page's "Ø" and a NUL byte go to disk as given.
const std::string Contenuto1252 = std::string("1\r\n\xD8" "12\r\nfine\0coda\r\n", 19);

}  // namespace

TEST(ScriviFileAtomico, ScriveONuovoOSostituisce) {
    struct Caso {
        const char* nome;
        const char* prima;  // nullptr: no file yet
    };
    const Caso casi[] = {
        {.nome = "new file", .prima = nullptr},
        {.nome = "longer file replaced by a shorter one",
         .prima = "un contenuto precedente ben piu' lungo del nuovo\r\n"},
    };
    for (const Caso& c : casi) {
        CartellaTemporanea cartella;
        const fs::path file = cartella.Percorso() / "P1.SET";
        if (c.prima) cartella.Scrivi("P1.SET", c.prima);
        const Esito esito = ScriviFileAtomico(file, Contenuto1252);
        EXPECT_TRUE(esito.Riuscito()) << c.nome << ": " << esito.Motivo;
        EXPECT_TRUE(esito.Motivo.empty()) << c.nome;
        EXPECT_EQ(Contenuto(file.string()), Contenuto1252) << c.nome;
        EXPECT_EQ(Nomi(cartella.Percorso()), std::vector<std::string>{"P1.SET"}) << c.nome;
    }
}

TEST(ScriviFileAtomico, PermessiDelFileSostituitoODiUnFileNuovo) {
    CartellaTemporanea cartella;
    const fs::path vecchio = cartella.Scrivi("VECCHIO.SET", "1\r\n");
    chmod(vecchio.c_str(), 0640);
    ASSERT_TRUE(ScriviFileAtomico(vecchio, "2\r\n").Riuscito());
    EXPECT_EQ(Permessi(vecchio), 0640u);

    const mode_t maschera = umask(022);
    umask(maschera);
    const fs::path nuovo = cartella.Percorso() / "NUOVO.SET";
    ASSERT_TRUE(ScriviFileAtomico(nuovo, "1\r\n").Riuscito());
    EXPECT_EQ(Permessi(nuovo), 0666u & ~maschera);
}

// Failures that bind the superuser as well: each leaves what was there as it
// was, removes its temporary file and names the file and the reason.
TEST(ScriviFileAtomico, ScritturaFallitaLasciaTuttoComEra) {
    CartellaTemporanea cartella;
    const std::string precedente = "1\r\nla parete salvata prima\r\n";
    const fs::path salvato = cartella.Scrivi("P1.SET", precedente);
    const fs::path sottocartella = cartella.Percorso() / "P2.SET";
    fs::create_directory(sottocartella);
    cartella.Scrivi("P2.SET/dentro.txt", "x");
    const auto nomiPrima = Nomi(cartella.Percorso());

    {
        SCOPED_TRACE("the folder does not exist");
        const fs::path file = cartella.Percorso() / "manca" / "P1.SET";
        const Esito esito = ScriviFileAtomico(file, Contenuto1252);
        EXPECT_EQ(esito.ErroreSistema, std::errc::no_such_file_or_directory);
        EXPECT_EQ(esito.Motivo, TestoAtteso(file) + esito.ErroreSistema.message());
    }
    {
        SCOPED_TRACE("the target is a folder: the rename fails after the write");
        const Esito esito = ScriviFileAtomico(sottocartella, Contenuto1252);
        EXPECT_FALSE(esito.Riuscito());
        EXPECT_EQ(esito.Motivo, TestoAtteso(sottocartella) + esito.ErroreSistema.message());
        EXPECT_TRUE(fs::is_directory(sottocartella));
        EXPECT_EQ(Nomi(sottocartella), std::vector<std::string>{"dentro.txt"});
    }
    {
        SCOPED_TRACE("the disk fills up halfway through");
        std::string grande(64 * 1024, 'x');
        Esito esito;
        {
            DiscoPieno pieno(4096);
            esito = ScriviFileAtomico(salvato, grande);
        }
        EXPECT_EQ(esito.ErroreSistema, std::errc::file_too_large);
        EXPECT_EQ(esito.Motivo, TestoAtteso(salvato) + esito.ErroreSistema.message());
        EXPECT_EQ(Contenuto(salvato.string()), precedente);
    }
    EXPECT_EQ(Nomi(cartella.Percorso()), nomiPrima);
}

TEST(ScriviFileAtomico, CartellaInSolaLettura) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    CartellaTemporanea cartella;
    const fs::path chiusa = cartella.Percorso() / "chiusa";
    fs::create_directory(chiusa);
    const std::string precedente = "1\r\nla parete salvata prima\r\n";
    const fs::path file = cartella.Scrivi("chiusa/P1.SET", precedente);
    chmod(chiusa.c_str(), 0555);
    const Esito esito = ScriviFileAtomico(file, Contenuto1252);
    chmod(chiusa.c_str(), 0755);
    EXPECT_EQ(esito.ErroreSistema, std::errc::permission_denied);
    EXPECT_EQ(esito.Motivo, TestoAtteso(file) + esito.ErroreSistema.message());
    EXPECT_EQ(Contenuto(file.string()), precedente);
    EXPECT_EQ(Nomi(chiusa), std::vector<std::string>{"P1.SET"});
}

// A snapshot of the session skips the flushes only: it is still written whole
// through a temporary file and a rename, or not at all.
TEST(ScriviFileAtomico, UnFileDellaSessioneEInteroONonCambia) {
    CartellaTemporanea cartella;
    const fs::path file = cartella.Percorso() / "QUVEL1.TMP";
    ASSERT_TRUE(ScriviFileAtomico(file, Contenuto1252, Persistenza::Sessione).Riuscito());
    EXPECT_EQ(Contenuto(file.string()), Contenuto1252);
    ASSERT_TRUE(ScriviFileAtomico(file, "corto\r\n", Persistenza::Sessione).Riuscito());
    EXPECT_EQ(Contenuto(file.string()), "corto\r\n");

    Esito esito;
    {
        DiscoPieno pieno(4096);
        esito = ScriviFileAtomico(file, std::string(64 * 1024, 'x'), Persistenza::Sessione);
    }
    EXPECT_EQ(esito.ErroreSistema, std::errc::file_too_large);
    EXPECT_EQ(esito.Motivo, TestoAtteso(file) + esito.ErroreSistema.message());
    EXPECT_EQ(Contenuto(file.string()), "corto\r\n");
    EXPECT_EQ(Nomi(cartella.Percorso()), std::vector<std::string>{"QUVEL1.TMP"});
}
