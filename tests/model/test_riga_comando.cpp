#include "model/RigaComando.h"

#include "Fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Files made in a fresh folder; in riga and atteso "@" stands for that
// folder followed by "/". An empty atteso: start-up opens no wall.
struct CasoRiga {
    const char* nome;
    std::vector<std::string> file = {};
    std::string riga;
    std::string atteso;
};

void PrintTo(const CasoRiga& c, std::ostream* os) { *os << c.nome; }

class FiltraApiciTabella : public ::testing::TestWithParam<CasoRiga> {};

std::string NellaCartella(std::string testo, const std::string& cartella) {
    for (std::size_t i = testo.find('@'); i != std::string::npos; i = testo.find('@', i))
        testo.replace(i, 1, cartella), i += cartella.size();
    return testo;
}

TEST_P(FiltraApiciTabella, OpensTheWallFileTheCommandLineNames) {
    const CasoRiga& caso = GetParam();
    CartellaTemporanea cartella;
    const std::string radice = cartella.Percorso().string() + "/";
    for (const std::string& f : caso.file) {
        std::filesystem::create_directories((cartella.Percorso() / f).parent_path());
        (void)cartella.Scrivi(f, "x");
    }
    EXPECT_EQ(FiltraApici(NellaCartella(caso.riga, radice)), NellaCartella(caso.atteso, radice));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, FiltraApiciTabella,
    ::testing::Values(
        CasoRiga{.nome = "SenzaApici", .file = {"W.SET"}, .riga = "@W.SET", .atteso = "@W.SET"},
        CasoRiga{.nome = "TraApici", .file = {"W.SET"}, .riga = "\"@W.SET\"", .atteso = "@W.SET"},
        CasoRiga{.nome = "SoloApiceIniziale", .file = {"W.SET"}, .riga = "\"@W.SET",
                 .atteso = "@W.SET"},
        CasoRiga{.nome = "SoloApiceFinale", .file = {"W.SET"}, .riga = "@W.SET\"",
                 .atteso = "@W.SET"},
        CasoRiga{.nome = "MinuscoleRestano", .file = {"muro uno.set"}, .riga = "\"@muro uno.set\"",
                 .atteso = "@muro uno.set"},
        CasoRiga{.nome = "RigaVuota", .riga = "", .atteso = ""},
        CasoRiga{.nome = "SoloApici", .riga = "\"\"", .atteso = ""},
        CasoRiga{.nome = "FileMancante", .riga = "@W.SET", .atteso = ""},
        CasoRiga{.nome = "NonUnaParete", .file = {"W.TXT"}, .riga = "@W.TXT", .atteso = ""},
        CasoRiga{.nome = "SoloEstensione", .file = {".SET"}, .riga = "@.SET", .atteso = ""},
        // The reproduction: a copy with a further extension opens its wall file.
        CasoRiga{.nome = "EstensioneDopoSet", .file = {"W.SET", "W.SET.BAK"},
                 .riga = "@W.SET.BAK", .atteso = "@W.SET"},
        CasoRiga{.nome = "EstensioneDopoSetMinuscola", .file = {"w.set", "w.set.bak"},
                 .riga = "\"@w.set.bak\"", .atteso = "@w.set"},
        CasoRiga{.nome = "EstensioneDopoSetSenzaParete", .file = {"W.SET.BAK"},
                 .riga = "@W.SET.BAK", .atteso = ""},
        CasoRiga{.nome = "PrimoSetDelNome", .file = {"W.SET.SET", "W.SET"}, .riga = "@W.SET.SET",
                 .atteso = "@W.SET"},
        CasoRiga{.nome = "SetNellaCartellaNonConta", .file = {"D.SET.X/W.SET"},
                 .riga = "@D.SET.X/W.SET", .atteso = "@D.SET.X/W.SET"},
        CasoRiga{.nome = "SetSoloNellaCartella", .file = {"D.SET/W.TXT"}, .riga = "@D.SET/W.TXT",
                 .atteso = ""},
        // The closing quote goes only when it is the one quote left.
        CasoRiga{.nome = "ApiciPoiAltroArgomento", .file = {"W.SET"}, .riga = "\"@W.SET\" -x",
                 .atteso = ""},
        CasoRiga{.nome = "ApiceFinaleDopoUnAltro", .file = {"W\"1.SET"}, .riga = "@W\"1.SET\"",
                 .atteso = ""},
        CasoRiga{.nome = "ApiceInternoResta", .file = {"W\"1.SET"}, .riga = "\"@W\"1.SET",
                 .atteso = "@W\"1.SET"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
