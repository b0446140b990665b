#include "drawing/BersaglioDxf.h"
#include "drawing/Primitive.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "model/Impostazioni.h"
#include "Fixture.h"
#include "GruppiLetti.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

long long Esadecimale(const std::string& h) { return std::stoll(h, nullptr, 16); }

// Stand-ins for the writers of HEADER, CLASSES, TABLES and OBJECTS: the least
// a reader needs, the order of the calls, and a failure on demand.
class SezioniMinime : public SezioniDxfR2000 {
public:
    std::vector<std::string> chiamate;
    std::string fallisce;  // the section whose writer fails

    void ScriviHeader(std::ostream& s, HandleDxf& handle) override {
        Apri(s, "HEADER");
        ScriviGruppo(s, 9, "$ACADVER");
        ScriviGruppo(s, 1, "AC1015");
        ScriviGruppo(s, 9, "$DWGCODEPAGE");
        ScriviGruppo(s, 3, "ANSI_1252");
        ScriviGruppo(s, 9, "$HANDSEED");
        ScriviGruppo(s, 5, handle.NuovoHandle());
        ScriviGruppo(s, 0, "ENDSEC");
    }
    void ScriviClasses(std::ostream& s, HandleDxf&) override {
        Apri(s, "CLASSES");
        ScriviGruppo(s, 0, "ENDSEC");
    }
    void ScriviTables(std::ostream& s, HandleDxf&) override {
        Apri(s, "TABLES");
        Tabella(s, "LTYPE", {"DASHED", "DASHED2"}, {{72, "65"}, {73, "0"}, {40, "0.0"}});
        Tabella(s, "DIMSTYLE", {"SC50", "Ferri50"}, {});
        ScriviGruppo(s, 0, "ENDSEC");
    }
    void ScriviObjects(std::ostream& s, HandleDxf&) override {
        Apri(s, "OBJECTS");
        ScriviGruppo(s, 0, "ENDSEC");
    }

private:
    void Apri(std::ostream& s, const std::string& nome) {
        chiamate.push_back(nome);
        if (nome == fallisce) throw std::runtime_error("sezione " + nome + " non scritta");
        ScriviGruppo(s, 0, "SECTION");
        ScriviGruppo(s, 2, nome);
    }
    static void Tabella(std::ostream& s, const std::string& tabella,
                        std::initializer_list<const char*> nomi,
                        std::initializer_list<std::pair<int, const char*>> gruppi) {
        ScriviGruppo(s, 0, "TABLE");
        ScriviGruppo(s, 2, tabella);
        for (const char* nome : nomi) {
            ScriviGruppo(s, 0, tabella);
            ScriviGruppo(s, 2, nome);
            ScriviGruppo(s, 70, "0");
            for (const auto& [codice, valore] : gruppi) ScriviGruppo(s, codice, valore);
        }
        ScriviGruppo(s, 0, "ENDTAB");
    }
};

struct EsportazioneR2000 {
    Impostazioni imp;
    StatoDxf stato;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    BersaglioDxf b{flusso, stato, imp};
    SezioniMinime sezioni;

    void DisegnaCampione() {
        DisLinea(0, 0, 100, 50, 0, 1, b);
        DisCerchio(10, 20, 5, 20, 0, b);
        ScriviTesto(30, 40, std::string(SegnoDiametro) + "12/20", 0, 18, 1, 2, 0, b);
        DisQuota(0, -60, 300, -60, 0, 0, 300, 0, b);
        DisFerro(0, 100, 250, 100, 1, 20, 20, b);
    }
};

}  // namespace

TEST(FileDxfR2000, SectionsInOrderAndTheHandleSeedAboveEveryHandle) {
    CartellaTemporanea cartella;
    EsportazioneR2000 e;
    e.DisegnaCampione();
    const std::string entita(e.file.TestoEntita());
    const auto percorso = cartella.Percorso() / "campione.dxf";
    const Esito esito = ScriviFileDxfR2000(percorso, e.file, e.handle, e.sezioni);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;

    // HEADER last of all, so that its seed follows every handle drawn.
    EXPECT_EQ(e.sezioni.chiamate,
              (std::vector<std::string>{"TABLES", "OBJECTS", "HEADER", "CLASSES"}));
    const std::string testo = Contenuto(percorso.string());
    const auto gruppi = LeggiGruppi(testo);
    std::vector<std::string> sezioni;
    for (size_t i = 0; i + 1 < gruppi.size(); ++i)
        if (gruppi[i].Codice == 0 && gruppi[i].Valore == "SECTION")
            sezioni.push_back(gruppi[i + 1].Valore);
    EXPECT_EQ(sezioni, (std::vector<std::string>{"HEADER", "CLASSES", "TABLES", "BLOCKS",
                                                 "ENTITIES", "OBJECTS"}));
    EXPECT_EQ(gruppi.back().Valore, "EOF");
    EXPECT_NE(testo.find("  2\r\nENTITIES\r\n" + entita + "  0\r\nENDSEC\r\n"), std::string::npos)
        << "the entities go in byte for byte";

    const auto handles = ValoriDi(gruppi, 5);
    ASSERT_FALSE(handles.empty());
    const std::set<std::string> unici(handles.begin(), handles.end());
    EXPECT_EQ(unici.size(), handles.size()) << "a handle repeats";
    long long massimo = 0;
    for (size_t i = 1; i < handles.size(); ++i) massimo = std::max(massimo, Esadecimale(handles[i]));
    EXPECT_EQ(Esadecimale(handles.front()), massimo + 1) << "$HANDSEED is the next handle";

    const auto righe = LeggiConEzdxf(percorso.string());
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1015");
    for (size_t i = 1; i < righe.size(); ++i) EXPECT_NE(righe[i].rfind("ERRORE", 0), 0u) << righe[i];
    EXPECT_EQ(righe.size(), 7u);
}

TEST(FileDxfR2000, AFailingSectionLeavesTheEarlierFile) {
    for (const char* sezione : {"TABLES", "OBJECTS", "HEADER"}) {
        CartellaTemporanea cartella;
        EsportazioneR2000 e;
        e.DisegnaCampione();
        e.sezioni.fallisce = sezione;
        const std::string percorso = cartella.Scrivi("disegno.dxf", "disegno precedente\r\n");
        const Esito esito = ScriviFileDxfR2000(percorso, e.file, e.handle, e.sezioni);
        EXPECT_FALSE(esito.Riuscito()) << sezione;
        EXPECT_EQ(esito.Motivo,
                  "Impossibile scrivere il file " + percorso + ".\nsezione " + sezione + " non scritta");
        EXPECT_EQ(Contenuto(percorso), "disegno precedente\r\n") << sezione;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.Percorso()),
                                std::filesystem::directory_iterator()),
                  1)
            << sezione;
    }
}
