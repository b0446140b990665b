// A whole R2000 file assembled in the export's order from the section writers,
// read back by the independent reader.

#include "drawing/BersaglioDxf.h"
#include "drawing/Primitive.h"
#include "export/ClassiDxf.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "export/IntestazioneDxf.h"
#include "export/OggettiDxf.h"
#include "export/TabelleDxf.h"
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

// BLOCKS as the file needs it: the two layout blocks, the three arrow blocks
// (empty here: only their names and records matter) and the dimension blocks.
void ScriviBlocchiMinimi(std::ostream& s, HandleDxf& h, std::string_view blocchiQuote) {
    ScriviGruppo(s, 0, "SECTION");
    ScriviGruppo(s, 2, "BLOCKS");
    const struct {
        const char* nome;
        std::string record;
    } blocchi[] = {{"*Model_Space", h.HndModelSpace},
                   {"*Paper_Space", h.HndPaperSpace},
                   {"_FRECCIAKORVAN", h.HndFreccia},
                   {"_NOFRECCIA", h.HndNoFreccia},
                   {"_None", h.HndNone}};
    for (const auto& b : blocchi) {
        const bool carta = b.record == h.HndPaperSpace;
        ScriviGruppo(s, 0, "BLOCK");
        ScriviGruppo(s, 5, h.NuovoHandle());
        ScriviGruppo(s, 330, b.record);
        ScriviGruppo(s, 100, "AcDbEntity");
        if (carta) ScriviGruppo(s, 67, Allinea6(1));
        ScriviGruppo(s, 8, "0");
        ScriviGruppo(s, 100, "AcDbBlockBegin");
        ScriviGruppo(s, 2, b.nome);
        ScriviGruppo(s, 70, Allinea6(0));
        for (int codice : {10, 20, 30}) ScriviGruppo(s, codice, "0.0");
        ScriviGruppo(s, 3, b.nome);
        ScriviGruppo(s, 1, "");
        ScriviGruppo(s, 0, "ENDBLK");
        ScriviGruppo(s, 5, h.NuovoHandle());
        ScriviGruppo(s, 330, b.record);
        ScriviGruppo(s, 100, "AcDbEntity");
        if (carta) ScriviGruppo(s, 67, Allinea6(1));
        ScriviGruppo(s, 8, "0");
        ScriviGruppo(s, 100, "AcDbBlockEnd");
    }
    s << blocchiQuote;
    ScriviGruppo(s, 0, "ENDSEC");
}

// One R2000 export in memory: the drawing goes to the streams, then the
// sections are written in the export's order (TABLES, BLOCKS, ENTITIES,
// OBJECTS, EOF, then HEADER and CLASSES, which open the file).
struct EsportazioneR2000 {
    Impostazioni imp;
    StatoDxf stato;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    BersaglioDxf b{flusso, stato, imp};
    std::string header, classi, tabelle, oggetti;

    std::string Scrivi() {
        std::ostringstream s;
        ScriviTablesDXF(s, handle, imp);
        tabelle = s.str();
        ScriviBlocchiMinimi(s, handle, file.TestoBlocchi());
        ScriviEntitiesDXF(s, file);
        const auto prima = s.str().size();
        ScriviObjectsDXF(s, handle);
        oggetti = s.str().substr(prima);
        ScriviEofDXF(s);
        std::ostringstream testa;
        ScriviHeaderDXF(testa, handle);
        header = testa.str();
        ScriviClassesDXF(testa);
        classi = testa.str().substr(header.size());
        return testa.str() + s.str();
    }
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

    const auto righe = LeggiConScriptEzdxf("leggi_tabelle_dxf.py", percorso);
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
        LeggiConScriptEzdxf("leggi_tabelle_dxf.py", cartella.Scrivi("scala.dxf", e.Scrivi()));
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
    EXPECT_NE(a.header, b.header);
    EXPECT_NE(a.oggetti, b.oggetti);
    EXPECT_EQ(SenzaHandleTratti(a.header), SenzaHandleTratti(b.header));
    EXPECT_EQ(a.classi, b.classi);
    EXPECT_EQ(SenzaHandleTratti(a.oggetti), SenzaHandleTratti(b.oggetti));
    // TABLES follows the scale: only the dimension styles' values change besides handles.
    EXPECT_NE(SenzaHandleTratti(a.tabelle), SenzaHandleTratti(b.tabelle));
}
