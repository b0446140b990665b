// The R2000 sections write every group code right-aligned in three
// characters, except the few code lines the file format has always carried
// unpadded or wider. A reader that compares files line by line sees those
// lines exactly so.
#include "export/ClassiDxf.h"
#include "export/HandleDxf.h"
#include "export/IntestazioneDxf.h"
#include "export/OggettiDxf.h"
#include "export/TabelleDxf.h"
#include "model/Impostazioni.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Whether a code line is the code right-aligned in three characters (wider codes as they are).
bool InPasso(const std::string& riga) {
    const std::string cifre = std::to_string(std::atoi(riga.c_str()));
    return riga == std::string(cifre.size() < 3 ? 3 - cifre.size() : 0, ' ') + cifre;
}

// The code lines of a section that are not right-aligned in three characters,
// each with the group written just before it: "previous code|previous value -> code|value".
std::vector<std::string> CodiciFuoriPasso(const std::string& testo) {
    std::vector<std::string> righe;
    std::string::size_type inizio = 0;
    while (inizio < testo.size()) {
        const auto fine = testo.find("\r\n", inizio);
        if (fine == std::string::npos) break;
        righe.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    EXPECT_EQ(inizio, testo.size()) << "every line ends with CR LF";
    EXPECT_EQ(righe.size() % 2, 0u) << "groups come in pairs of lines";
    std::vector<std::string> fuori;
    for (size_t i = 0; i + 1 < righe.size(); i += 2) {
        if (InPasso(righe[i])) continue;
        const std::string prima = i >= 2 ? righe[i - 2] + "|" + righe[i - 1] : "";
        fuori.push_back(prima + " -> " + righe[i] + "|" + righe[i + 1]);
    }
    return fuori;
}

struct Caso {
    const char* nome;
    std::function<void(std::ostream&, HandleDxf&)> scrivi;
    std::vector<std::string> attesi;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class CodiciGruppo : public ::testing::TestWithParam<Caso> {};

TEST_P(CodiciGruppo, OnlyTheRecordsThatAlwaysHadThemWriteOtherCodeWidths) {
    const Caso& c = GetParam();
    HandleDxf h;
    std::ostringstream s;
    c.scrivi(s, h);
    EXPECT_EQ(CodiciFuoriPasso(s.str()), c.attesi);
}

Impostazioni ConLayer(int indice, const char* nome) {
    Impostazioni imp;
    imp.NomiLayer[indice] = nome;
    return imp;
}

INSTANTIATE_TEST_SUITE_P(
    Sezioni, CodiciGruppo,
    ::testing::Values(
        Caso{.nome = "tables, no dimensions",
             .scrivi = [](std::ostream& s, HandleDxf& h) { ScriviTablesDXF(s, h, Impostazioni{}); },
             .attesi = {"  2|Defpoints ->  290|     0",
                        "  0|TABLE -> 2|DIMSTYLE",
                        "  0|TABLE -> 2|BLOCK_RECORD",
                        "100|AcDbSymbolTable -> 70|     6"}},
        Caso{.nome = "tables, two dimension blocks and a program layer named Defpoints",
             .scrivi =
                 [](std::ostream& s, HandleDxf& h) {
                     for (int i = 0; i < 2; ++i) {
                         h.NomeBloccoQuota();
                         h.HandleBlocchiD.push_back(h.NuovoHandle());
                     }
                     ScriviTablesDXF(s, h, ConLayer(3, "Defpoints"));
                 },
             .attesi = {"  2|Defpoints ->  290|     0",
                        "  2|Defpoints ->  290|     0",
                        "  0|TABLE -> 2|DIMSTYLE",
                        "  0|TABLE -> 2|BLOCK_RECORD",
                        "100|AcDbSymbolTable -> 70|     8"}},
        // H1 to H19 are "20" to "32"; each plain dictionary follows the
        // group that ends the record before it.
        Caso{.nome = "objects: the nine plain dictionaries",
             .scrivi = [](std::ostream& s, HandleDxf& h) { ScriviObjectsDXF(s, h); },
             .attesi = {"350|32 -> 0|DICTIONARY",     // ACAD_DETAILVIEWSTYLE after the root
                        "281|1 -> 0|DICTIONARY",      // ACAD_GROUP
                        "281|1 -> 0|DICTIONARY",      // ACAD_LAYOUT
                        "350|1A -> 0|DICTIONARY",     // ACAD_MLINESTYLE
                        "350|2A -> 0|DICTIONARY",     // ACAD_PLOTSETTINGS
                        "340|F -> 0|DICTIONARY",      // ACAD_SECTIONVIEWSTYLE
                        "281|1 -> 0|DICTIONARY",      // AcDbVariableDictionary
                        "350|2D -> 0|DICTIONARY",     // APPDATA
                        "281|1 -> 0|DICTIONARY"}},    // DimOffsetDictionary
        Caso{.nome = "header",
             .scrivi = [](std::ostream& s, HandleDxf& h) { ScriviHeaderDXF(s, h); },
             .attesi = {}},
        Caso{.nome = "classes",
             .scrivi = [](std::ostream& s, HandleDxf&) { ScriviClassesDXF(s); },
             .attesi = {}}),
    [](const ::testing::TestParamInfo<Caso>& info) {
        std::string nome;
        for (const char* c = info.param.nome; *c; ++c)
            nome += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return nome;
    });

}  // namespace
