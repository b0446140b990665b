#include "drawing/BersaglioDxf.h"
#include "drawing/Primitive.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "model/Angoli.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "Fixture.h"
#include "GruppiLetti.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> Campi(const std::string& riga) {
    std::vector<std::string> campi;
    std::istringstream ingresso(riga);
    std::string campo;
    while (std::getline(ingresso, campo, '\t')) campi.push_back(campo);
    return campi;
}

long long Esadecimale(const std::string& h) { return std::stoll(h, nullptr, 16); }

// An export in memory: the file with its entity and block streams and the
// writer over them.
struct Esportazione {
    Impostazioni imp;
    StatoDxf stato;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    BersaglioDxf b{flusso, stato, imp};

    std::string Entita() const { return std::string(file.TestoEntita()); }
    std::string Blocchi() const { return std::string(file.TestoBlocchi()); }

    // The few primitives every dialect test draws, in model cm.
    void DisegnaCampione() {
        DisLinea(0, 0, 100, 50, 0, 1, b);
        DisCerchio(10, 20, 5, 20, 0, b);
        ScriviTesto(30, 40, std::string(SegnoDiametro) + "12/20", 0, 18, 1, 2, 0, b);
        DisQuota(0, -60, 300, -60, 0, 0, 300, 0, b);
        DisFerro(0, 100, 250, 100, 1, 20, 20, b);
    }

    // The linetypes and dimension styles the entities name.
    static void ScriviTabelle(std::ostream& f) {
        ScriviGruppo(f, 0, "SECTION");
        ScriviGruppo(f, 2, "TABLES");
        ScriviGruppo(f, 0, "TABLE");
        ScriviGruppo(f, 2, "LTYPE");
        for (const char* nome : {"DASHED", "DASHED2"}) {
            ScriviGruppo(f, 0, "LTYPE");
            ScriviGruppo(f, 2, nome);
            ScriviGruppo(f, 70, "0");
            ScriviGruppo(f, 3, "__ __");
            ScriviGruppo(f, 72, "65");
            ScriviGruppo(f, 73, "0");
            ScriviGruppo(f, 40, "0.0");
        }
        ScriviGruppo(f, 0, "ENDTAB");
        ScriviGruppo(f, 0, "TABLE");
        ScriviGruppo(f, 2, "DIMSTYLE");
        for (const char* nome : {"SC50", "Ferri50"}) {
            ScriviGruppo(f, 0, "DIMSTYLE");
            ScriviGruppo(f, 2, nome);
            ScriviGruppo(f, 70, "0");
        }
        ScriviGruppo(f, 0, "ENDTAB");
        ScriviGruppo(f, 0, "ENDSEC");
    }

    // A minimal file around the streams: the header and tables the reader needs, empty
    // arrow blocks for the dimension inserts, the dimension blocks, ENTITIES.
    std::string ScriviFile(const CartellaTemporanea& cartella, const std::string& nome) {
        const auto percorso = cartella.Percorso() / nome;
        std::ostringstream f;
        const bool r12 = stato.DxfR12 != 0;
        ScriviGruppo(f, 0, "SECTION");
        ScriviGruppo(f, 2, "HEADER");
        ScriviGruppo(f, 9, "$ACADVER");
        ScriviGruppo(f, 1, r12 ? "AC1009" : "AC1015");
        ScriviGruppo(f, 9, "$DWGCODEPAGE");
        ScriviGruppo(f, 3, "ANSI_1252");
        if (!r12) {
            ScriviGruppo(f, 9, "$HANDSEED");
            ScriviGruppo(f, 5, handle.NuovoHandle());
        }
        ScriviGruppo(f, 0, "ENDSEC");
        ScriviTabelle(f);
        if (!r12) {
            ScriviGruppo(f, 0, "SECTION");
            ScriviGruppo(f, 2, "BLOCKS");
            for (const char* freccia : {"_FRECCIAKORVAN", "_None"}) {
                ScriviGruppo(f, 0, "BLOCK");
                ScriviGruppo(f, 8, "0");
                ScriviGruppo(f, 2, freccia);
                ScriviGruppo(f, 70, "0");
                ScriviGruppo(f, 10, "0.0");
                ScriviGruppo(f, 20, "0.0");
                ScriviGruppo(f, 30, "0.0");
                ScriviGruppo(f, 3, freccia);
                ScriviGruppo(f, 0, "ENDBLK");
                ScriviGruppo(f, 8, "0");
            }
            f << file.TestoBlocchi();
            ScriviGruppo(f, 0, "ENDSEC");
        }
        ScriviEntitiesDXF(f, file);
        ScriviEofDXF(f);
        const Esito esito = ScriviFileAtomico(percorso, f.str());
        EXPECT_TRUE(esito.Riuscito()) << esito.Motivo;
        return percorso.string();
    }
};

}  // namespace

TEST(HandleDxf, HandlesCountInHexadecimalFromTwenty) {
    HandleDxf h;
    EXPECT_EQ(h.NuovoHandle(), "20");
    for (int i = 2; i < 225; ++i) h.NuovoHandle();
    EXPECT_EQ(h.NuovoHandle(), "100");
    EXPECT_EQ(h.NomeBloccoQuota(), "*D0");
    EXPECT_EQ(h.NomeBloccoQuota(), "*D1");
    h.InizializzaHandleDXF();
    EXPECT_EQ(h.NuovoHandle(), "20");
    EXPECT_EQ(h.NomeBloccoQuota(), "*D0");
    EXPECT_EQ(h.HndModelSpace, "19");
}

TEST(GruppiDxf, GroupLayoutAndNumberForms) {
    std::ostringstream s;
    ScriviGruppo(s, 0, "LINE");
    ScriviGruppo(s, 330, "19");
    ScriviGruppo(s, 1, "\xC3\x98" "12");
    EXPECT_EQ(s.str(), "  0\r\nLINE\r\n330\r\n19\r\n  1\r\n\xD8" "12\r\n");

    const std::pair<float, const char*> casi[] = {
        {2.5f, "2.5"}, {200.0f, "200"}, {0.1f, "0.1"}, {-0.0f, "0"},
        {1234567.0f, "1234567"}, {12345678.0f, "1.234568e+07"}, {-31.25f, "-31.25"}};
    for (const auto& [valore, atteso] : casi) EXPECT_EQ(NumeroGenerale(valore), atteso) << valore;
}

TEST(GruppiDxf, Allinea6) {
    EXPECT_EQ(Allinea6(3), "     3");
    EXPECT_EQ(Allinea6(-12), "   -12");
    EXPECT_EQ(Allinea6(-32768), "-32768");
}

TEST(FlussoEntitaDxf, R2000StreamReadsBackWithUniqueHandles) {
    CartellaTemporanea cartella;
    Esportazione e;
    e.DisegnaCampione();
    const std::string file = e.ScriviFile(cartella, "campione.dxf");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.Percorso()),
                            std::filesystem::directory_iterator()),
              1)
        << "the export leaves a file beside the drawing";

    const std::string testo = Contenuto(file);
    const auto gruppi = LeggiGruppi(testo);
    const auto handles = ValoriDi(gruppi, 5);
    std::set<std::string> unici(handles.begin(), handles.end());
    EXPECT_EQ(unici.size(), handles.size()) << "a handle repeats";
    // The first group 5 is $HANDSEED: every record's handle is below it.
    long long massimo = 0;
    for (size_t i = 1; i < handles.size(); ++i) massimo = std::max(massimo, Esadecimale(handles[i]));
    EXPECT_GT(Esadecimale(handles.front()), massimo);

    const auto righe = LeggiConEzdxf(file);
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1015");
    std::vector<std::vector<std::string>> entita;
    for (size_t i = 1; i < righe.size(); ++i) {
        EXPECT_NE(righe[i].rfind("ERRORE", 0), 0u) << righe[i];
        entita.push_back(Campi(righe[i]));
    }
    ASSERT_EQ(entita.size(), 6u);
    // The dotted line, doubled by the default scale of 2 units per cm.
    EXPECT_EQ(entita[0], (std::vector<std::string>{"LINE", e.imp.NomiLayer[0], entita[0][2], "DASHED",
                                                   "0", "0", "200", "100"}));
    EXPECT_EQ(entita[1][0], "CIRCLE");
    EXPECT_EQ(entita[1][1], e.imp.NomiLayer[20]);
    EXPECT_EQ(entita[1][3], "-");
    EXPECT_EQ((std::vector<std::string>(entita[1].begin() + 4, entita[1].end())),
              (std::vector<std::string>{"20", "40", "10"}));
    // A top-aligned text moves 2 cm below its anchor; "Ø" survives the code page.
    EXPECT_EQ(entita[2][0], "TEXT");
    EXPECT_EQ(entita[2][1], e.imp.NomiLayer[18]);
    EXPECT_EQ(entita[2][4], "\xC3\x98" "12/20");
    EXPECT_EQ(entita[2][5], "60");
    EXPECT_EQ(entita[2][6], "76");
    EXPECT_EQ(entita[2][7], "20");
    EXPECT_EQ(entita[2][9], "1");
    EXPECT_EQ(entita[2][10], "3");
    EXPECT_EQ(entita[3][0], "DIMENSION");
    EXPECT_EQ(entita[3][1], e.imp.NomiLayer[8]);
    EXPECT_EQ(entita[3][4], "*D0");
    EXPECT_EQ(entita[3][5], "SC50");
    EXPECT_EQ(entita[4][0], "LINE");
    EXPECT_EQ(entita[4][1], e.imp.NomiLayer[20]);
    EXPECT_EQ(entita[5][0], "DIMENSION");
    EXPECT_EQ(entita[5][4], "*D1");
    EXPECT_EQ(entita[5][5], "Ferri50");
}

TEST(FlussoEntitaDxf, R12StreamCarriesNoHandlesNorDimensions) {
    CartellaTemporanea cartella;
    Esportazione e;
    e.stato.DxfR12 = 1;
    e.DisegnaCampione();
    EXPECT_TRUE(e.Blocchi().empty());
    const auto gruppiEntita = LeggiGruppi(e.Entita());
    EXPECT_TRUE(ValoriDi(gruppiEntita, 5).empty());
    EXPECT_TRUE(ValoriDi(gruppiEntita, 100).empty());
    EXPECT_TRUE(ValoriDi(gruppiEntita, 330).empty());

    const auto righe = LeggiConEzdxf(e.ScriviFile(cartella, "campione12.dxf"));
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1009");
    std::multiset<std::string> tipi;
    for (size_t i = 1; i < righe.size(); ++i) {
        EXPECT_NE(righe[i].rfind("ERRORE", 0), 0u) << righe[i];
        tipi.insert(Campi(righe[i])[0]);
    }
    EXPECT_EQ(tipi.count("DIMENSION"), 0u);
    EXPECT_GE(tipi.count("LINE"), 4u);  // the line, the bar, the dimension line and its ticks
    EXPECT_GE(tipi.count("TEXT"), 3u);  // the text, the dimension text, the bar label
}

namespace {

// The MTEXT of the last dimension block and the DIMENSION entity's groups.
struct QuotaScritta {
    std::vector<GruppoLetto> blocco, entita;
    std::string Testo() const {
        const auto t = ValoriDi(blocco, 1);
        return t.size() >= 2 ? t[1] : "";  // group 1 of BLOCK is empty; MTEXT's is the text
    }
};

QuotaScritta ScriviQuota(float x1, float y1, float x2, float y2, int freccia = 0) {
    Esportazione e;
    e.flusso.DxfQuota(8, 18, 1, 20.0f, 1.0f, freccia, x1, y1, x2, y2, x1, y1 - 10, x2, y2 - 10, 1,
                      "SC50");
    return {LeggiGruppi(e.Blocchi()), LeggiGruppi(e.Entita())};
}

}  // namespace

TEST(DxfQuota, MeasureRoundsToOneDecimalWithTiesToEven) {
    const std::pair<float, const char*> casi[] = {
        {250.04f, "250"}, {250.25f, "250.2"}, {250.1f, "250.1"}, {30.0f, "30"}, {15.5f, "15.5"}};
    for (const auto& [lunghezza, testo] : casi)
        EXPECT_EQ(ScriviQuota(0, 0, lunghezza, 0).Testo(), testo) << lunghezza;
}

TEST(DxfQuota, ShortLineLiftsTheText) {
    // k = 1: 30 cm is a 60-unit line, enough for two 20-unit characters: 4 units up.
    auto q = ScriviQuota(0, 0, 30, 0);
    EXPECT_EQ(ValoriDi(q.entita, 21).at(0), "4.00000000");
    // 15.5 cm is 31 units, shorter than four characters: 18 units up.
    q = ScriviQuota(0, 0, 15.5f, 0);
    EXPECT_EQ(ValoriDi(q.entita, 21).at(0), "18.00000000");
}

TEST(DxfQuota, RightToLeftIsWrittenLeftToRight) {
    const auto a = ScriviQuota(0, 0, 100, 0);
    const auto b = ScriviQuota(100, 0, 0, 0);
    EXPECT_EQ(ValoriDi(b.entita, 10), ValoriDi(a.entita, 10));
    EXPECT_EQ(ValoriDi(b.entita, 13), ValoriDi(a.entita, 13));
    EXPECT_EQ(ValoriDi(b.entita, 14), ValoriDi(a.entita, 14));
    EXPECT_EQ(ValoriDi(a.entita, 10).at(0), "200.00000000");
}

TEST(DxfQuota, VerticalLineTurnsArrowsAndPutsTextOnTheLeft) {
    const auto q = ScriviQuota(0, 100, 0, 0);
    EXPECT_EQ(ValoriDi(q.blocco, 50), (std::vector<std::string>{"270.00000000", "90.00000000", "90.00000000"}));
    EXPECT_EQ(ValoriDi(q.entita, 11).at(0), "-4.00000000");
    EXPECT_EQ(ValoriDi(q.entita, 20).at(0), "200.00000000");
}

TEST(DxfQuota, SlopeIsConvertedToDegreesWithTheFullConstant) {
    // The first slope whose degrees differ, written with 8 decimals, between
    // the full constant and its float rounding.
    for (int dy = 1; dy <= 400; ++dy) {
        const float a = std::atan(2.0f * static_cast<float>(dy) / 200.0f);  // k = 1: units are 2 cm
        const std::string pieno = FormatoDec(static_cast<float>(a * RadiantiInGradi), 8);
        const std::string ridotto = FormatoDec(a * static_cast<float>(RadiantiInGradi), 8);
        if (pieno == ridotto) continue;
        const auto q = ScriviQuota(0, 0, 100, static_cast<float>(dy));
        // The arrow at the end of the line carries the line's own angle.
        EXPECT_EQ(ValoriDi(q.blocco, 50).at(1), pieno) << dy;
        return;
    }
    FAIL() << "no slope tells the two constants apart";
}

TEST(DxfQuota, NothingForAZeroMeasureAndNoHandleDrawn) {
    Esportazione e;
    e.flusso.DxfQuota(8, 18, 1, 20.0f, 1.0f, 0, 5, 5, 5, 5, 5, 0, 5, 0, 1, "SC50");
    e.flusso.DxfQuota(8, 18, 1, 20.0f, 1.0f, 0, 0, 0, 0.00004f, 0, 0, 0, 0, 0, 1, "SC50");
    EXPECT_TRUE(e.Entita().empty());
    EXPECT_TRUE(e.Blocchi().empty());
    EXPECT_EQ(e.handle.NuovoHandle(), "20");
    EXPECT_EQ(e.handle.NumBlocchiD, 0);
}

TEST(DxfQuota, BarLabelHasNoLineAndAWholeNumber) {
    const auto q = ScriviQuota(0, 0, 250.4f, 0, 1);
    EXPECT_EQ(q.Testo(), "250");
    const auto tipi = ValoriDi(q.blocco, 0);
    EXPECT_EQ(std::count(tipi.begin(), tipi.end(), "LINE"), 0);
    EXPECT_EQ(ValoriDi(q.blocco, 2).at(1), "_None");
    EXPECT_EQ(ValoriDi(q.blocco, 71).at(0), "     5");
}

TEST(DxfQuota, BlockHandleIsRecordedForTheBlockTable) {
    Esportazione e;
    e.flusso.DxfQuota(8, 18, 1, 20.0f, 1.0f, 0, 0, 0, 100, 0, 0, -10, 100, -10, 1, "SC50");
    ASSERT_EQ(e.handle.HandleBlocchiD.size(), 1u);
    // Dimension "20", block record "21", then the block's own records.
    EXPECT_EQ(e.handle.HandleBlocchiD[0], "21");
    const auto blocco = LeggiGruppi(e.Blocchi());
    for (const auto& proprietario : ValoriDi(blocco, 330)) EXPECT_EQ(proprietario, "21");
    EXPECT_EQ(ValoriDi(LeggiGruppi(e.Entita()), 5).at(0), "20");
    EXPECT_EQ(ValoriDi(LeggiGruppi(e.Entita()), 70).at(0), "    33");
}

TEST(FileDxf, ScrittoInteroConLeSezioniAttornoAlFlusso) {
    CartellaTemporanea cartella;
    Esportazione e;
    e.stato.DxfR12 = 1;
    e.DisegnaCampione();
    const std::string percorso = cartella.Scrivi("cornice.dxf", "disegno precedente\r\n");

    const Esito esito = ScriviFileDxfR12(percorso, e.file, e.imp);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    // The entity stream goes in byte for byte, after the sections in front of it.
    const std::string coda =
        "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n" + e.Entita() + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    const std::string scritto = Contenuto(percorso);
    ASSERT_GT(scritto.size(), coda.size());
    EXPECT_EQ(scritto.substr(scritto.size() - coda.size()), coda);
    const auto righe = LeggiConEzdxf(percorso);
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1009");
    for (size_t i = 1; i < righe.size(); ++i) EXPECT_NE(righe[i].rfind("ERRORE", 0), 0u) << righe[i];
    EXPECT_GE(righe.size(), 8u);  // the four lines and three texts of the sample at least
}

TEST(FileDxf, ScritturaFallitaDiceIlPerche) {
    CartellaTemporanea cartella;
    Esportazione e;
    e.DisegnaCampione();
    const auto percorso = cartella.Percorso() / "manca" / "disegno.dxf";
    const Esito esito = ScriviFileDxfR12(percorso, e.file, e.imp);
    EXPECT_EQ(esito.ErroreSistema, std::errc::no_such_file_or_directory);
    EXPECT_EQ(esito.Motivo.rfind("Impossibile scrivere il file " + percorso.string() + ".\n", 0),
              0u);
    EXPECT_FALSE(std::filesystem::exists(percorso.parent_path()));
}

// The style names keep the linetypes the DXF writer has always written.
TEST(FlussoEntitaDxf, LineTypeOfEachStyle) {
    const struct {
        const char* nome;
        int stile;
        std::vector<std::string> tipoLinea;  // group 6, if any
    } casi[] = {
        {.nome = "Pieno", .stile = Stile::Pieno, .tipoLinea = {}},
        {.nome = "Punteggiato", .stile = Stile::Punteggiato, .tipoLinea = {"DASHED"}},
        {.nome = "Continuo", .stile = Stile::Continuo, .tipoLinea = {"Continuous"}},
        {.nome = "Punteggiato2", .stile = Stile::Punteggiato2, .tipoLinea = {"DASHED2"}},
        {.nome = "Giallo", .stile = Stile::Giallo, .tipoLinea = {}},
    };
    for (const auto& c : casi) {
        Esportazione linea, cerchio;
        DisLinea(0, 0, 10, 0, Layer::Quote, c.stile, linea.b);
        DisCerchio(0, 0, 10, Layer::Quote, c.stile, cerchio.b);
        EXPECT_EQ(ValoriDi(LeggiGruppi(linea.Entita()), 6), c.tipoLinea) << c.nome;
        EXPECT_EQ(ValoriDi(LeggiGruppi(cerchio.Entita()), 6), c.tipoLinea) << c.nome;
    }
}

// The alignment names keep the justification codes of groups 72 and 73.
TEST(FlussoEntitaDxf, JustificationOfEachAlignment) {
    const struct {
        const char* nome;
        int orizzontale, verticale;
        const char *gruppo72, *gruppo73;
    } casi[] = {
        {.nome = "left bottom", .orizzontale = Allinea::Sinistra, .verticale = Allinea::Basso,
         .gruppo72 = "     0", .gruppo73 = "     1"},
        {.nome = "centre middle", .orizzontale = Allinea::Centro, .verticale = Allinea::Mezzo,
         .gruppo72 = "     1", .gruppo73 = "     2"},
        {.nome = "right top", .orizzontale = Allinea::Destra, .verticale = Allinea::Alto,
         .gruppo72 = "     2", .gruppo73 = "     3"},
    };
    for (const auto& c : casi) {
        Esportazione e;
        ScriviTesto(0, 0, "A", 0, Layer::TestoQuote, c.orizzontale, c.verticale, 0, e.b);
        const auto gruppi = LeggiGruppi(e.Entita());
        EXPECT_EQ(ValoriDi(gruppi, 72), std::vector<std::string>{c.gruppo72}) << c.nome;
        EXPECT_EQ(ValoriDi(gruppi, 73), std::vector<std::string>{c.gruppo73}) << c.nome;
    }
}

// A bar label on a layer outside the table is left out, as on the screen and
// in R12, instead of stopping the export.
TEST(FlussoEntitaDxf, BarLabelOutsideTheLayerTableIsLeftOut) {
    Esportazione e;
    EXPECT_NO_THROW(DisFerro(0, 0, 250, 0, 0, Layer::ArmDiffusa1, 99, e.b));
    EXPECT_EQ(ValoriDi(LeggiGruppi(e.Entita()), 0), std::vector<std::string>{"LINE"});
    EXPECT_TRUE(e.Blocchi().empty());
}
