#include "export/HandleDxf.h"
#include "export/TabelleDxf.h"
#include "model/Impostazioni.h"

#include "GruppiLetti.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Tabella {
    std::string nome;
    std::vector<GruppoLetto> intestazione;
    std::vector<std::vector<GruppoLetto>> record;
    std::string Conteggio() const { return ValoriDi(intestazione, 70).at(0); }
};

// The tables of a TABLES section, each with its frame and its records.
std::vector<Tabella> Tabelle(const std::string& testo) {
    std::vector<Tabella> tabelle;
    bool inRecord = false;
    for (const auto& g : LeggiGruppi(testo)) {
        if (g.Codice == 0) {
            if (g.Valore == "TABLE") {
                tabelle.emplace_back();
                inRecord = false;
                continue;
            }
            inRecord = !tabelle.empty() && g.Valore != "ENDTAB" && g.Valore != "ENDSEC";
            if (inRecord) tabelle.back().record.emplace_back();
        }
        if (tabelle.empty()) continue;
        if (inRecord) {
            tabelle.back().record.back().push_back(g);
        } else if (g.Codice != 0) {
            if (g.Codice == 2 && tabelle.back().nome.empty()) tabelle.back().nome = g.Valore;
            tabelle.back().intestazione.push_back(g);
        }
    }
    return tabelle;
}

const Tabella& Trova(const std::vector<Tabella>& tabelle, const std::string& nome) {
    for (const auto& t : tabelle)
        if (t.nome == nome) return t;
    throw std::runtime_error("tabella mancante " + nome);
}

std::string Valore(const std::vector<GruppoLetto>& record, int codice) {
    const auto v = ValoriDi(record, codice);
    return v.empty() ? "-" : v.front();
}

std::string Sezione(HandleDxf& h, const Impostazioni& imp, int numLayer = NumLayer) {
    std::ostringstream s;
    ScriviTablesDXF(s, h, imp, numLayer);
    return s.str();
}

}  // namespace

TEST(TablesDxf, TablesInOrderWithTheCountsTheyHaveAlwaysWritten) {
    Impostazioni imp;
    HandleDxf senzaQuote;
    HandleDxf dueQuote;
    for (int i = 0; i < 2; ++i) {
        dueQuote.NomeBloccoQuota();
        dueQuote.HandleBlocchiD.push_back(dueQuote.NuovoHandle());
    }
    const struct {
        const char* nome;
        HandleDxf* handle;
        int numLayer;
        std::map<std::string, std::pair<std::string, size_t>> attese;  // 70 written, records
    } casi[] = {
        {.nome = "all layers, no dimensions",
         .handle = &senzaQuote,
         .numLayer = NumLayer,
         .attese = {{"VPORT", {"     1", 1}},
                    {"LTYPE", {"     3", 5}},
                    {"LAYER", {"    28", 27}},
                    {"STYLE", {"     1", 1}},
                    {"VIEW", {"     0", 0}},
                    {"UCS", {"     0", 0}},
                    {"APPID", {"     9", 9}},
                    {"DIMSTYLE", {"     4", 4}},
                    {"BLOCK_RECORD", {"     6", 5}}}},
        {.nome = "three layers, two dimension blocks",
         .handle = &dueQuote,
         .numLayer = 3,
         .attese = {{"LAYER", {"     6", 5}}, {"BLOCK_RECORD", {"     8", 7}}}},
        {.nome = "a layer count beyond the table writes the table",
         .handle = &senzaQuote,
         .numLayer = NumLayer + 5,
         .attese = {{"LAYER", {"    28", 27}}}},
    };
    for (const auto& c : casi) {
        const auto tabelle = Tabelle(Sezione(*c.handle, imp, c.numLayer));
        std::vector<std::string> nomi;
        for (const auto& t : tabelle) nomi.push_back(t.nome);
        EXPECT_EQ(nomi, (std::vector<std::string>{"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS",
                                                  "APPID", "DIMSTYLE", "BLOCK_RECORD"}))
            << c.nome;
        for (const auto& [tabella, attesa] : c.attese) {
            const Tabella& t = Trova(tabelle, tabella);
            EXPECT_EQ(t.Conteggio(), attesa.first) << c.nome << " " << tabella;
            EXPECT_EQ(t.record.size(), attesa.second) << c.nome << " " << tabella;
        }
    }
}

TEST(TablesDxf, DimensionStylesFollowTheTextScale) {
    const struct {
        const char* nome;
        float k;
        // Per style: name, groups 41, 140, 144, 147, 77, 271, 281, 341, 342.
        std::vector<std::vector<std::string>> stili;
    } casi[] = {
        {.nome = "default scale",
         .k = 1.0f,
         .stili = {{"SC50", "1.0000", "20.00000000", "0.50000000", "5.00000000", "     1", "     1",
                    "     0", "1D", "1D"},
                   {"SC25", "1.0000", "20.00000000", "0.25000000", "5.00000000", "     1", "     1",
                    "     0", "1D", "1D"},
                   {"Ferri50", "1.0000", "20.00000000", "0.50000000", "5.00000000", "     0",
                    "     0", "     1", "1F", "1F"},
                   {"Ferri25", "1.0000", "20.00000000", "0.25000000", "5.00000000", "     0",
                    "     0", "     1", "1F", "1F"}}},
        {.nome = "1 mm = 20 units",
         .k = 2.0f,
         .stili = {{"SC50", "2.0000", "40.00000000", "0.25000000", "10.00000000", "     1",
                    "     1", "     0", "1D", "1D"},
                   {"SC25", "2.0000", "40.00000000", "0.12500000", "10.00000000", "     1",
                    "     1", "     0", "1D", "1D"},
                   {"Ferri50", "2.0000", "40.00000000", "0.25000000", "10.00000000", "     0",
                    "     0", "     1", "1F", "1F"},
                   {"Ferri25", "2.0000", "40.00000000", "0.12500000", "10.00000000", "     0",
                    "     0", "     1", "1F", "1F"}}},
        {.nome = "1 mm = 25 units over 2 mm",
         .k = 1.25f,
         .stili = {{"SC50", "1.2500", "25.00000000", "0.40000000", "6.25000000", "     1",
                    "     1", "     0", "1D", "1D"},
                   {"SC25", "1.2500", "25.00000000", "0.20000000", "6.25000000", "     1",
                    "     1", "     0", "1D", "1D"},
                   {"Ferri50", "1.2500", "25.00000000", "0.40000000", "6.25000000", "     0",
                    "     0", "     1", "1F", "1F"},
                   {"Ferri25", "1.2500", "25.00000000", "0.20000000", "6.25000000", "     0",
                    "     0", "     1", "1F", "1F"}}},
    };
    for (const auto& c : casi) {
        HandleDxf h;
        std::ostringstream s;
        ScriviTabDimStyle(s, h, c.k);
        const auto tabelle = Tabelle(s.str());
        ASSERT_EQ(tabelle.size(), 1u);
        std::vector<std::vector<std::string>> stili;
        for (const auto& r : tabelle[0].record)
            stili.push_back({Valore(r, 2), Valore(r, 41), Valore(r, 140), Valore(r, 144),
                             Valore(r, 147), Valore(r, 77), Valore(r, 271), Valore(r, 281),
                             Valore(r, 341), Valore(r, 342)});
        EXPECT_EQ(stili, c.stili) << c.nome;
        // The table names its first style, whose handle it draws; the others follow.
        EXPECT_EQ(ValoriDi(tabelle[0].intestazione, 340), std::vector<std::string>{"20"}) << c.nome;
        std::vector<std::string> handles;
        for (const auto& r : tabelle[0].record) handles.push_back(Valore(r, 105));
        EXPECT_EQ(handles, (std::vector<std::string>{"20", "21", "22", "23"})) << c.nome;
    }
}

TEST(TablesDxf, HandlesDrawnInTheOrderOfTheRecords) {
    Impostazioni imp;
    HandleDxf h;
    h.NomeBloccoQuota();
    h.HandleBlocchiD.push_back(h.NuovoHandle());  // "20", drawn with the dimension
    const auto tabelle = Tabelle(Sezione(h, imp));
    std::vector<std::string> drawn;
    for (const char* nome : {"LTYPE", "LAYER", "APPID", "DIMSTYLE"})
        for (const auto& r : Trova(tabelle, nome).record)
            drawn.push_back(Valore(r, nome == std::string("DIMSTYLE") ? 105 : 5));
    ASSERT_EQ(drawn.size(), 5u + 27u + 9u + 4u);
    for (size_t i = 0; i < drawn.size(); ++i)
        EXPECT_EQ(std::stoi(drawn[i], nullptr, 16), 0x21 + static_cast<int>(i)) << i;
    EXPECT_EQ(h.NuovoHandle(), "4E");  // nothing else is drawn

    std::vector<std::string> fissi;
    for (const char* nome : {"VPORT", "STYLE"})
        for (const auto& r : Trova(tabelle, nome).record) fissi.push_back(Valore(r, 5));
    EXPECT_EQ(fissi, (std::vector<std::string>{"18", "11"}));
    std::vector<std::string> blocchi;
    for (const auto& r : Trova(tabelle, "BLOCK_RECORD").record)
        blocchi.push_back(Valore(r, 2) + " " + Valore(r, 5) + " " + Valore(r, 340));
    EXPECT_EQ(blocchi, (std::vector<std::string>{"*Model_Space 19 1A", "*Paper_Space 1B 1C",
                                                 "_FRECCIAKORVAN 1D 0", "_NOFRECCIA 1E 0",
                                                 "_None 1F 0", "*D0 20 0"}));
}

TEST(TablesDxf, LayerRecordsAsTheTableNamesThem) {
    Impostazioni imp;
    imp.NomiLayer[3] = "Defpoints";
    imp.NomiLayer[4] = "defpoints";
    imp.NomiLayer[5] = "0";
    imp.ColoriLayer[5] = 42;
    HandleDxf h;
    const auto tabelle = Tabelle(Sezione(h, imp));
    const auto& layer = Trova(tabelle, "LAYER").record;
    ASSERT_EQ(layer.size(), 27u);
    const auto riga = [](const std::vector<GruppoLetto>& r) {
        return Valore(r, 2) + " " + Valore(r, 290) + " " + Valore(r, 62) + " " + Valore(r, 6) +
               " " + Valore(r, 370) + " " + Valore(r, 390);
    };
    EXPECT_EQ(riga(layer[0]), "0 -      7 Continuous     -3 F");
    EXPECT_EQ(riga(layer[1]), "Defpoints      0      7 Continuous     -3 F");
    // Layer 0 of the program is dashed whatever its name.
    EXPECT_EQ(Valore(layer[2], 2), imp.NomiLayer[0]);
    EXPECT_EQ(Valore(layer[2], 6), "DASHED2");
    // Only the exact name is not plotted; the writer neither merges nor renames.
    EXPECT_EQ(Valore(layer[2 + 3], 290), "     0");
    EXPECT_EQ(Valore(layer[2 + 4], 290), "-");
    EXPECT_EQ(riga(layer[2 + 5]), "0 -     42 Continuous     -3 F");
    EXPECT_EQ(Valore(layer[2 + 24], 2), imp.NomiLayer[24]);
}
