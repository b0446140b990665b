#include "drawing/FlussoDxf.h"
#include "drawing/StiliDisegno.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "model/Impostazioni.h"
#include "Fixture.h"
#include "GruppiLetti.h"
#include "LettoreEzdxf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

namespace {

const std::string Diametro = "\xC3\x98";  // "Ø" inside the program

std::vector<std::string> Campi(const std::string& riga) {
    std::vector<std::string> campi;
    std::istringstream ingresso(riga);
    std::string campo;
    while (std::getline(ingresso, campo, '\t')) campi.push_back(campo);
    return campi;
}

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::istringstream ingresso(testo);
    std::string riga;
    while (std::getline(ingresso, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        righe.push_back(riga);
    }
    return righe;
}

// The text of the section whose name follows "SECTION", up to its ENDSEC.
std::string Sezione(const std::string& file, const std::string& nome) {
    const auto righe = Righe(file);
    std::string testo;
    bool dentro = false;
    for (size_t i = 0; i + 1 < righe.size(); i += 2) {
        if (righe[i + 1] == "SECTION" && i + 3 < righe.size() && righe[i + 3] == nome)
            dentro = true;
        if (dentro) testo += righe[i] + "\r\n" + righe[i + 1] + "\r\n";
        if (dentro && righe[i + 1] == "ENDSEC") break;
    }
    return testo;
}

// An R12 export in memory.
struct EsportazioneR12 {
    Impostazioni imp;
    StatoDxf stato{.DxfR12 = 1};
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};

    // Lines, a circle and texts with the diameter sign, in drawing units.
    void DisegnaCampione() {
        flusso.DxfLinea(0, 0, 200, 100, imp.NomiLayer[Layer::ArmIntegr1], Stile::Punteggiato);
        flusso.DxfLinea(-10, 5, 40, 5, imp.NomiLayer[Layer::Quote], Stile::Pieno);
        flusso.DxfCerchio(20, 40, 10, imp.NomiLayer[Layer::ArmDiffusa1], Stile::Continuo);
        flusso.DxfTesto(imp.NomiLayer[Layer::TestoQuote], Diametro + "12/20", 60, 76, 20, 0, 1, 3);
        flusso.DxfTesto(imp.NomiLayer[Layer::TestoFerri], "2" + Diametro + "14 L=350", 10, 10, 25,
                        90, 0, 1);
    }
    std::string Testo() const { return TestoFileDxfR12(file, imp); }
};

}  // namespace

TEST(FileDxfR12, OpensWithTheVersionOfTheDialect) {
    EsportazioneR12 e;
    e.DisegnaCampione();
    const auto righe = Righe(e.Testo());
    ASSERT_GE(righe.size(), 8u);
    EXPECT_EQ((std::vector<std::string>(righe.begin(), righe.begin() + 8)),
              (std::vector<std::string>{"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1",
                                        "AC1009"}));
}

TEST(FileDxfR12, OneHeaderForEveryExport) {
    EsportazioneR12 vuota;
    EsportazioneR12 altra;
    altra.imp.ScalaTestiDxf = 2.5f;
    altra.imp.NomiLayer[Layer::Quote] = "MISURE";
    altra.stato.OffsetXDxf = 800;
    altra.DisegnaCampione();
    const std::string header = Sezione(vuota.Testo(), "HEADER");
    EXPECT_EQ(Sezione(altra.Testo(), "HEADER"), header);

    // Every variable with its fixed values, whatever the drawing.
    std::map<std::string, std::vector<std::string>> variabili;
    std::string nome;
    const auto gruppi = LeggiGruppi(header);
    for (size_t i = 2; i + 1 < gruppi.size(); ++i) {
        if (gruppi[i].Codice == 9)
            nome = gruppi[i].Valore;
        else if (gruppi[i].Codice != 0)
            variabili[nome].push_back(gruppi[i].Valore);
    }
    EXPECT_EQ(variabili.size(), 129u);
    EXPECT_EQ(variabili["$EXTMIN"], (std::vector<std::string>{"949.66", "905.53", "0.0"}));
    EXPECT_EQ(variabili["$EXTMAX"], (std::vector<std::string>{"100000.00", "80000.00", "0.0"}));
    EXPECT_EQ(variabili["$TDCREATE"], std::vector<std::string>{"2456345.7033636812"});
    EXPECT_EQ(variabili["$DIMBLK"], std::vector<std::string>{""});
    EXPECT_EQ(variabili["$DIMSTYLE"], std::vector<std::string>{"ISO-25"});
    EXPECT_EQ(variabili["$PLIMMAX"], (std::vector<std::string>{"12.0", "9.0"}));
    EXPECT_EQ(variabili["$PSLTSCALE"], std::vector<std::string>{"1"});
    // The header writes its group codes without padding.
    for (const auto& riga : Righe(header)) EXPECT_NE(riga.rfind(" ", 0), 0u) << riga;
}

TEST(FileDxfR12, LayersOfTheTableAfterZeroAndDefpoints) {
    CartellaTemporanea cartella;
    EsportazioneR12 e;
    e.imp.NomiLayer[Layer::PerimPilastri] = "PILASTRI";
    e.imp.ColoriLayer[Layer::PerimPilastri] = 3;
    DerivaLayerSuperiore(e.imp);
    e.imp.ColoriLayer[Layer::Tratteggi] = 255;
    const auto percorso = cartella.Percorso() / "layer.dxf";
    ASSERT_TRUE(ScriviFileDxfR12(percorso, e.file, e.imp).Riuscito());

    // Numbers of the layer records keep a blank on either side; readers trim them.
    const std::string testo = Contenuto(percorso.string());
    EXPECT_NE(testo.find("  0\r\nLAYER\r\n  2\r\n0\r\n 70\r\n 0 \r\n 62\r\n 7 \r\n  6\r\nContinuous\r\n"),
              std::string::npos);

    std::vector<std::vector<std::string>> attesi = {{"LAYER", "0", "7", "Continuous"},
                                                    {"LAYER", "Defpoints", "7", "Continuous"}};
    for (int k = 0; k < NumLayer; ++k)
        attesi.push_back({"LAYER", e.imp.NomiLayer[k], std::to_string(e.imp.ColoriLayer[k]),
                          k == 0 ? "DASHED2" : "Continuous"});
    std::vector<std::vector<std::string>> letti;
    for (const auto& riga : LeggiConScriptEzdxf("tabelle_dxf.py", percorso.string())) {
        EXPECT_NE(riga.rfind("ERRORE", 0), 0u) << riga;
        if (riga.rfind("LAYER\t", 0) == 0) letti.push_back(Campi(riga));
    }
    ASSERT_EQ(letti.size(), 27u);
    EXPECT_EQ(letti, attesi);
    EXPECT_EQ(letti[2 + LayerDerivato][1], "PILASTRI_SUP");
    EXPECT_EQ(letti[2 + LayerDerivato][2], "3");
}

TEST(FileDxfR12, LinetypesAndTextStyles) {
    CartellaTemporanea cartella;
    EsportazioneR12 e;
    const auto percorso = cartella.Percorso() / "stili.dxf";
    ASSERT_TRUE(ScriviFileDxfR12(percorso, e.file, e.imp).Riuscito());

    // Each linetype's total length is the sum of its elements.
    const auto gruppi = LeggiGruppi(Sezione(Contenuto(percorso.string()), "TABLES"));
    std::map<std::string, float> lunghezza, somma;
    std::string tipo;
    bool inLtype = false;
    for (const auto& g : gruppi) {
        if (g.Codice == 0) inLtype = g.Valore == "LTYPE";
        if (!inLtype) continue;
        if (g.Codice == 2) tipo = g.Valore;
        if (g.Codice == 40) lunghezza[tipo] = std::stof(g.Valore);
        if (g.Codice == 49) somma[tipo] += std::fabs(std::stof(g.Valore));
    }
    EXPECT_EQ(lunghezza.size(), 5u);
    for (const auto& [nome, totale] : lunghezza) EXPECT_FLOAT_EQ(somma[nome], totale) << nome;

    std::map<std::string, std::string> tipi, stili;
    for (const auto& riga : LeggiConScriptEzdxf("tabelle_dxf.py", percorso.string())) {
        EXPECT_NE(riga.rfind("ERRORE", 0), 0u) << riga;
        const auto c = Campi(riga);
        if (c[0] == "LTYPE") tipi[c[1]] = c[2];
        if (c[0] == "STYLE") stili[c[1]] = c[2];
    }
    // The three linetypes the entities name are there (names compare without case).
    for (const char* nome : {"CONTINUOUS", "DOT", "DASHDOT", "DASHED2", "DASHED"})
        EXPECT_TRUE(tipi.contains(nome)) << nome;
    EXPECT_EQ(tipi["DASHDOT"], "4");
    EXPECT_EQ(stili, (std::map<std::string, std::string>{{"STANDARD", "arial.ttf"},
                                                          {"ANNOTATIVA", "Txt"}}));
}

TEST(FileDxfR12, WholeFileReadsBackWithoutErrors) {
    CartellaTemporanea cartella;
    EsportazioneR12 e;
    e.DisegnaCampione();
    const std::string percorso = cartella.Scrivi("campione.dxf", "disegno precedente\r\n");
    const Esito esito = ScriviFileDxfR12(percorso, e.file, e.imp);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.Percorso()),
                            std::filesystem::directory_iterator()),
              1)
        << "nothing is left beside the drawing";

    const std::string testo = Contenuto(percorso);
    EXPECT_EQ(testo, e.Testo());
    EXPECT_NE(testo.find("\xD8" "12/20\r\n"), std::string::npos) << "Ø is one byte on disk";
    // HEADER, TABLES, an empty BLOCKS, ENTITIES, EOF.
    std::vector<std::string> sezioni;
    const auto gruppi = LeggiGruppi(testo);
    for (size_t i = 0; i + 1 < gruppi.size(); ++i)
        if (gruppi[i].Codice == 0 && gruppi[i].Valore == "SECTION")
            sezioni.push_back(gruppi[i + 1].Valore);
    EXPECT_EQ(sezioni, (std::vector<std::string>{"HEADER", "TABLES", "BLOCKS", "ENTITIES"}));
    EXPECT_EQ(Sezione(testo, "BLOCKS"), "  0\r\nSECTION\r\n  2\r\nBLOCKS\r\n  0\r\nENDSEC\r\n");
    EXPECT_EQ(gruppi.back().Valore, "EOF");
    EXPECT_TRUE(ValoriDi(gruppi, 5).empty());
    EXPECT_TRUE(ValoriDi(gruppi, 330).empty());
    EXPECT_TRUE(ValoriDi(gruppi, 100).empty());

    const auto righe = LeggiConEzdxf(percorso);
    ASSERT_EQ(righe.size(), 6u) << "the version and the five entities, no audit error";
    EXPECT_EQ(righe[0], "VERSIONE\tAC1009");
    auto senzaHandle = [](std::vector<std::string> c) {
        c.erase(c.begin() + 2);  // the reader's own handle
        return c;
    };
    const std::vector<std::vector<std::string>> attese = {
        {"LINE", e.imp.NomiLayer[Layer::ArmIntegr1], "DASHED", "0", "0", "200", "100"},
        {"LINE", e.imp.NomiLayer[Layer::Quote], "-", "-10", "5", "40", "5"},
        {"CIRCLE", e.imp.NomiLayer[Layer::ArmDiffusa1], "Continuous", "20", "40", "10"},
        {"TEXT", e.imp.NomiLayer[Layer::TestoQuote], "-", Diametro + "12/20", "60", "76", "20", "0",
         "1", "3"},
        {"TEXT", e.imp.NomiLayer[Layer::TestoFerri], "-", "2" + Diametro + "14 L=350", "10", "10",
         "25", "90", "0", "1"},
    };
    for (size_t i = 0; i < attese.size(); ++i)
        EXPECT_EQ(senzaHandle(Campi(righe[i + 1])), attese[i]) << i;
}
