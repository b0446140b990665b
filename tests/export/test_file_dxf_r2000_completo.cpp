// A whole R2000 file of the program's own sections, assembled by the frame,
// read back by the independent reader.

#include "drawing/BersaglioDxf.h"
#include "drawing/Primitive.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "export/SezioniDxfProgramma.h"
#include "model/Impostazioni.h"

#include "Fixture.h"
#include "GruppiLetti.h"
#include "LettoreEzdxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

long long Esadecimale(const std::string& h) { return std::stoll(h, nullptr, 16); }

// The program's sections, each kept as written, so that tests can compare them.
class SezioniRegistrate : public SezioniDxfProgramma {
public:
    using SezioniDxfProgramma::SezioniDxfProgramma;
    std::string header, classi, tabelle, oggetti;

    void ScriviHeader(std::ostream& s, HandleDxf& h) override {
        Registra(s, header, [&](std::ostream& p) { SezioniDxfProgramma::ScriviHeader(p, h); });
    }
    void ScriviClasses(std::ostream& s, HandleDxf& h) override {
        Registra(s, classi, [&](std::ostream& p) { SezioniDxfProgramma::ScriviClasses(p, h); });
    }
    void ScriviTables(std::ostream& s, HandleDxf& h) override {
        Registra(s, tabelle, [&](std::ostream& p) { SezioniDxfProgramma::ScriviTables(p, h); });
    }
    void ScriviObjects(std::ostream& s, HandleDxf& h) override {
        Registra(s, oggetti, [&](std::ostream& p) { SezioniDxfProgramma::ScriviObjects(p, h); });
    }

private:
    static void Registra(std::ostream& s, std::string& testo,
                         const std::function<void(std::ostream&)>& scrivi) {
        std::ostringstream parte;
        scrivi(parte);
        testo = parte.str();
        s << testo;
    }
};

// One R2000 export in memory, assembled by the frame in the export's order.
struct EsportazioneR2000 {
    Impostazioni imp;
    StatoDxf stato;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    BersaglioDxf b{flusso, stato, imp};
    SezioniRegistrate sezioni{imp};

    std::string Scrivi() { return TestoFileDxfR2000(file, handle, sezioni); }
};

void DisegnaMuro(const Bersaglio& b) {
    DisLinea(0, 0, 300, 0, Layer::PerimSetti, 0, b);
    DisLinea(0, 0, 0, 250, Layer::ArmIntegr1, 1, b);
    DisCerchio(50, 50, 5, Layer::ArmDiffusa1, 0, b);
    ScriviTesto(30, 40, std::string(SegnoDiametro) + "12/20", 0, Layer::TestoFerri, 1, 2, 0, b);
    DisQuota(0, -60, 300, -60, 0, 0, 300, 0, b);
    DisQuota(-40, 0, -40, 250, 0, 0, 0, 250, b);
    DisFerro(0, 100, 250, 100, 1, 20, 20, b);
}

std::vector<std::string> Righe(const std::vector<std::string>& righe, const std::string& tipo) {
    std::vector<std::string> scelte;
    for (const auto& r : righe)
        if (r.rfind(tipo + "\t", 0) == 0) scelte.push_back(r.substr(tipo.size() + 1));
    return scelte;
}

}  // namespace

TEST(FileDxfR2000, AssembledFileReadsBackCleanWithItsOwnModelLayout) {
    CartellaTemporanea cartella;
    EsportazioneR2000 e;
    e.imp.NomiLayer[Layer::PerimSetti] = "PARETI à 1°";  // Windows-1252 on disk
    DisegnaMuro(e.b);
    const std::string percorso = cartella.Scrivi("muro.dxf", e.Scrivi());

    const auto gruppi = LeggiGruppi(Contenuto(percorso));
    const auto handles = ValoriDi(gruppi, 5);
    std::vector<std::string> senzaSeme(handles.begin() + 1, handles.end());
    const auto dimstyle = ValoriDi(gruppi, 105);
    senzaSeme.insert(senzaSeme.end(), dimstyle.begin(), dimstyle.end());
    const std::set<std::string> unici(senzaSeme.begin(), senzaSeme.end());
    EXPECT_EQ(unici.size(), senzaSeme.size()) << "a handle repeats";
    long long massimo = 0;
    for (const auto& h : senzaSeme) massimo = std::max(massimo, Esadecimale(h));
    // The seed is the first group 5 of the file and the last handle drawn.
    EXPECT_EQ(Esadecimale(handles.front()), massimo + 1);
    EXPECT_EQ(Esadecimale(handles.front()), e.handle.ContaHandle);

    const auto righe = LeggiConScriptEzdxf("leggi_tabelle_dxf.py", percorso, false);
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1015");
    EXPECT_EQ(Righe(righe, "ERRORE"), std::vector<std::string>{});
    EXPECT_EQ(Righe(righe, "AVVISO"), std::vector<std::string>{});
    EXPECT_EQ(Righe(righe, "SEME"), std::vector<std::string>{handles.front()});
    // The reader finds both layouts and adds none.
    EXPECT_EQ(Righe(righe, "LAYOUT"),
              (std::vector<std::string>{"Model\t1A\t19", "Foglio 1\t1C\t1B"}));
    const auto blocchi = Righe(righe, "BLOCCO");
    ASSERT_EQ(e.handle.NumBlocchiD, 3);  // two dimensions and a bar label
    EXPECT_EQ(blocchi.size(), 8u);
    EXPECT_NE(std::find(blocchi.begin(), blocchi.end(), "*D1\t" + e.handle.HandleBlocchiD[1]),
              blocchi.end());
    EXPECT_EQ(Righe(righe, "ENTITA").size(), 8u);
    const auto layer = Righe(righe, "LAYER");
    ASSERT_EQ(layer.size(), 27u);
    EXPECT_EQ(layer[1], "Defpoints\t7\tContinuous\t0");
    EXPECT_EQ(layer[2 + Layer::PerimSetti].substr(0, layer[2 + Layer::PerimSetti].find('\t')),
              "PARETI à 1°");
    EXPECT_EQ(Righe(righe, "ENTITA").at(0), "LINE\tPARETI à 1°");
    EXPECT_EQ(layer[2], e.imp.NomiLayer[0] + "\t" + std::to_string(e.imp.ColoriLayer[0]) +
                            "\tDASHED2\t1");
}

TEST(FileDxfR2000, ReaderSeesTheDimensionStylesAtTheExportScale) {
    CartellaTemporanea cartella;
    EsportazioneR2000 e;
    e.imp.ScalaUnita = 20.0f;
    ASSERT_TRUE(RicalcolaScalaDxf(e.imp));
    DisegnaMuro(e.b);
    const auto righe =
        LeggiConScriptEzdxf("leggi_tabelle_dxf.py", cartella.Scrivi("scala.dxf", e.Scrivi()), false);
    EXPECT_EQ(Righe(righe, "ERRORE"), std::vector<std::string>{});
    // The reader appends a "Standard" style of its own after ours.
    auto stili = Righe(righe, "DIMSTYLE");
    ASSERT_GE(stili.size(), 4u);
    stili.resize(4);
    EXPECT_EQ(stili,
              (std::vector<std::string>{"SC50\t2\t40\t10\t0.25\t_FRECCIAKORVAN",
                                        "SC25\t2\t40\t10\t0.125\t_FRECCIAKORVAN",
                                        "Ferri50\t2\t40\t10\t0.25\t_None",
                                        "Ferri25\t2\t40\t10\t0.125\t_None"}));
}

namespace {

// The section's groups with every drawn handle (20 and above) replaced by one
// mark; the fixed handles below 20 stay.
std::vector<std::string> SenzaHandleTratti(const std::string& sezione) {
    std::vector<std::string> righe;
    for (const auto& g : LeggiGruppi(sezione)) {
        const bool riferimento = g.Codice == 5 || g.Codice == 330 || g.Codice == 350 ||
                                 g.Codice == 340 || g.Codice == 105;
        const bool tratto = riferimento && !g.Valore.empty() && Esadecimale(g.Valore) >= 0x20;
        righe.push_back(std::to_string(g.Codice) + " " + (tratto ? "<handle>" : g.Valore));
    }
    return righe;
}

}  // namespace

TEST(FileDxfR2000, FixedSectionsDifferOnlyByHandlesBetweenWallsAndScales) {
    EsportazioneR2000 a, b;
    DisegnaMuro(a.b);
    b.imp.ScalaMm = 2.0f;
    ASSERT_TRUE(RicalcolaScalaDxf(b.imp));
    b.stato.OffsetXDxf = 500.0f;
    DisLinea(0, 0, 10, 10, Layer::PerimSetti, 0, b.b);
    a.Scrivi();
    b.Scrivi();
    ASSERT_NE(a.handle.ContaHandle, b.handle.ContaHandle);
    EXPECT_NE(a.sezioni.header, b.sezioni.header);
    EXPECT_NE(a.sezioni.oggetti, b.sezioni.oggetti);
    EXPECT_EQ(SenzaHandleTratti(a.sezioni.header), SenzaHandleTratti(b.sezioni.header));
    EXPECT_EQ(a.sezioni.classi, b.sezioni.classi);
    EXPECT_EQ(SenzaHandleTratti(a.sezioni.oggetti), SenzaHandleTratti(b.sezioni.oggetti));
    // TABLES follows the scale: only the dimension styles' values change besides handles.
    EXPECT_NE(SenzaHandleTratti(a.sezioni.tabelle), SenzaHandleTratti(b.sezioni.tabelle));
}

TEST(FileDxfR2000, ADrawingWithMoreDimensionsThanTheTableCountsIsRefusedWhole) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella.Scrivi("muro.dxf", "disegno precedente\r\n");
    EsportazioneR2000 e;
    e.handle.NumBlocchiD = 32767 - 7;  // room for one dimension block more
    DisQuota(0, -60, 300, -60, 0, 0, 300, 0, e.b);
    EXPECT_FALSE(e.handle.TroppeQuote);
    const std::string entitaPrima(e.file.TestoEntita());
    DisQuota(-40, 0, -40, 250, 0, 0, 0, 250, e.b);  // no room: nothing is written for it
    EXPECT_TRUE(e.handle.TroppeQuote);
    EXPECT_EQ(std::string(e.file.TestoEntita()), entitaPrima);

    const Esito esito = ScriviFileDxfR2000(percorso, e.file, e.handle, e.sezioni);
    EXPECT_EQ(esito.Motivo, "Troppe quote nel disegno DXF.\nOperazione annullata!");
    EXPECT_EQ(Contenuto(percorso), "disegno precedente\r\n");
}
