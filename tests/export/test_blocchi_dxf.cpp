#include "drawing/FlussoDxf.h"
#include "export/BlocchiDxf.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "model/Impostazioni.h"
#include "Fixture.h"
#include "GruppiLetti.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>

namespace {

long long Esadecimale(const std::string& h) { return std::stoll(h, nullptr, 16); }

std::string Linee(std::initializer_list<const char*> righe) {
    std::string testo;
    for (const char* riga : righe) testo += std::string(riga) + "\r\n";
    return testo;
}

std::string SezioneBlocchi(HandleDxf& handle, std::string_view blocchiQuote = {}) {
    std::ostringstream s;
    ScriviBlocksDXF(s, handle, blocchiQuote);
    return std::move(s).str();
}

// One block of the section: its records from BLOCK to ENDBLK.
struct BloccoLetto {
    std::string nome, percorso;
    std::vector<std::string> record, proprietari;
};

std::vector<BloccoLetto> Blocchi(const std::vector<GruppoLetto>& gruppi) {
    std::vector<BloccoLetto> blocchi;
    bool inizio = false;
    for (const auto& g : gruppi) {
        if (g.Codice == 0) {
            if (g.Valore == "BLOCK") blocchi.emplace_back();
            inizio = g.Valore == "BLOCK";
            if (!blocchi.empty() && g.Valore != "ENDSEC") blocchi.back().record.push_back(g.Valore);
        }
        if (blocchi.empty()) continue;
        if (g.Codice == 330) blocchi.back().proprietari.push_back(g.Valore);
        if (inizio && g.Codice == 2) blocchi.back().nome = g.Valore;
        if (inizio && g.Codice == 1) blocchi.back().percorso = g.Valore;
    }
    return blocchi;
}

}  // namespace

TEST(BlocchiDxf, WithoutDimensionsTheFiveFixedBlocks) {
    HandleDxf handle;
    const auto gruppi = LeggiGruppi(SezioneBlocchi(handle));
    ASSERT_GE(gruppi.size(), 4u);
    EXPECT_EQ(gruppi[1].Valore, "BLOCKS");
    EXPECT_EQ(gruppi.back().Valore, "ENDSEC");

    const struct {
        const char* nome;
        const char* proprietario;
        const char* percorso;  // group 1 of the BLOCK
        std::vector<std::string> record;
    } attesi[] = {
        {.nome = "*Model_Space", .proprietario = "19", .percorso = "", .record = {"BLOCK", "ENDBLK"}},
        {.nome = "*Paper_Space", .proprietario = "1B", .percorso = "", .record = {"BLOCK", "ENDBLK"}},
        {.nome = "_FRECCIAKORVAN", .proprietario = "1D", .percorso = "_FRECCIAKORVAN",
         .record = {"BLOCK", "LINE", "LINE", "CIRCLE", "ENDBLK"}},
        {.nome = "_NOFRECCIA", .proprietario = "1E", .percorso = "_NOFRECCIA",
         .record = {"BLOCK", "LINE", "ENDBLK"}},
        {.nome = "_None", .proprietario = "1F", .percorso = "", .record = {"BLOCK", "ENDBLK"}},
    };
    const auto blocchi = Blocchi(gruppi);
    ASSERT_EQ(blocchi.size(), std::size(attesi));
    for (size_t i = 0; i < blocchi.size(); ++i) {
        const auto& a = attesi[i];
        EXPECT_EQ(blocchi[i].nome, a.nome);
        EXPECT_EQ(blocchi[i].percorso, a.percorso) << a.nome;
        EXPECT_EQ(blocchi[i].record, a.record) << a.nome;
        EXPECT_EQ(blocchi[i].proprietari,
                  std::vector<std::string>(a.record.size(), a.proprietario))
            << a.nome;
    }
    // Fourteen handles, drawn in the order of the records.
    std::vector<std::string> attese;
    for (int h = 0x20; h < 0x20 + 14; ++h) {
        std::ostringstream esa;
        esa << std::uppercase << std::hex << h;
        attese.push_back(esa.str());
    }
    EXPECT_EQ(ValoriDi(gruppi, 5), attese);
    EXPECT_EQ(handle.NuovoHandle(), "2E");
}

TEST(BlocchiDxf, LayoutBlocksAsWritten) {
    HandleDxf handle;
    const std::string sezione = SezioneBlocchi(handle);
    const std::string spazi = Linee({
        "  0", "SECTION", "  2", "BLOCKS",
        "  0", "BLOCK", "  5", "20", "330", "19", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockBegin", "  2", "*Model_Space", " 70", "     0",
        " 10", "0.0", " 20", "0.0", " 30", "0.0", "  3", "*Model_Space", "  1", "",
        "  0", "ENDBLK", "  5", "21", "330", "19", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockEnd",
        "  0", "BLOCK", "  5", "22", "330", "1B", "100", "AcDbEntity", " 67", "     1", "  8", "0",
        "100", "AcDbBlockBegin", "  2", "*Paper_Space", " 70", "     0",
        " 10", "0.0", " 20", "0.0", " 30", "0.0", "  3", "*Paper_Space", "  1", "",
        "  0", "ENDBLK", "  5", "23", "330", "1B", "100", "AcDbEntity", " 67", "1", "  8", "0",
        "100", "AcDbBlockEnd",
    });
    EXPECT_EQ(sezione.substr(0, spazi.size()), spazi);
}

TEST(BlocchiDxf, ArrowBlocksAsWritten) {
    HandleDxf handle;
    std::ostringstream s;
    ScriviBlocchiFreccia(s, handle, "0");
    EXPECT_EQ(s.str(), Linee({
        "  0", "BLOCK", "  5", "20", "330", "1D", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockBegin", "  2", "_FRECCIAKORVAN", " 70", "     0",
        " 10", "0.0", " 20", "0.0", " 30", "0.0", "  3", "_FRECCIAKORVAN", "  1", "_FRECCIAKORVAN",
        "  0", "LINE", "  5", "21", "330", "1D", "100", "AcDbEntity", "  8", "0", " 62", "     0",
        "100", "AcDbLine", " 10", "0.00000000", " 20", "15.00000000", " 30", "0.0",
        " 11", "0.00000000", " 21", "-15.00000000", " 31", "0.0",
        "  0", "LINE", "  5", "22", "330", "1D", "100", "AcDbEntity", "  8", "0", " 62", "     0",
        "100", "AcDbLine", " 10", "-1.00000000", " 20", "0.00000000", " 30", "0.0",
        " 11", "0.00000000", " 21", "0.00000000", " 31", "0.0",
        "  0", "CIRCLE", "  5", "23", "330", "1D", "100", "AcDbEntity", "  8", "0", " 62", "     0",
        "100", "AcDbCircle", " 10", "0.00000000", " 20", "0.00000000", " 30", "0.0",
        " 40", "1.50000000",
        "  0", "ENDBLK", "  5", "24", "330", "1D", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockEnd",
        "  0", "BLOCK", "  5", "25", "330", "1E", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockBegin", "  2", "_NOFRECCIA", " 70", "     0",
        " 10", "0.0", " 20", "0.0", " 30", "0.0", "  3", "_NOFRECCIA", "  1", "_NOFRECCIA",
        "  0", "LINE", "  5", "26", "330", "1E", "100", "AcDbEntity", "  8", "0", " 62", "     0",
        "100", "AcDbLine", " 10", "-1.00000000", " 20", "0.00000000", " 30", "0.0",
        " 11", "0.00000000", " 21", "0.00000000", " 31", "0.0",
        "  0", "ENDBLK", "  5", "27", "330", "1E", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockEnd",
        "  0", "BLOCK", "  5", "28", "330", "1F", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockBegin", "  2", "_None", " 70", "     0",
        " 10", "0.0", " 20", "0.0", " 30", "0.0", "  3", "_None", "  1", "",
        "  0", "ENDBLK", "  5", "29", "330", "1F", "100", "AcDbEntity", "  8", "0",
        "100", "AcDbBlockEnd",
    }));
}

TEST(BlocchiDxf, OneBlockPerDimensionCopiedUnchanged) {
    Impostazioni imp;
    StatoDxf stato;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    flusso.DxfQuota(8, 18, 1, 20.0f, 1.0f, 0, 0, 0, 100, 0, 0, -10, 100, -10, 1, "SC50");
    flusso.DxfLinea(0, 0, 10, 10, imp.NomiLayer[0], 0);
    flusso.DxfQuota(20, 20, 1, 20.0f, 1.0f, 1, 0, 0, 0, 250, 0, 0, 0, 250, 1, "Ferri50");
    ASSERT_EQ(handle.NumBlocchiD, 2);

    const std::string sezione = SezioneBlocchi(handle, file.TestoBlocchi());
    const std::string coda = std::string(file.TestoBlocchi()) + "  0\r\nENDSEC\r\n";
    ASSERT_GT(sezione.size(), coda.size());
    EXPECT_EQ(sezione.substr(sezione.size() - coda.size()), coda);

    const auto gruppi = LeggiGruppi(sezione);
    const auto blocchi = Blocchi(gruppi);
    ASSERT_EQ(blocchi.size(), 7u);
    for (int i = 0; i < 2; ++i) {
        const auto& quota = blocchi[5 + i];
        EXPECT_EQ(quota.nome, "*D" + std::to_string(i));
        EXPECT_EQ(quota.proprietari,
                  std::vector<std::string>(quota.record.size(), handle.HandleBlocchiD[i]));
    }

    // The fixed blocks draw after the drawing: every handle once, theirs above.
    const auto entita = ValoriDi(LeggiGruppi(std::string(file.TestoEntita())), 5);
    const auto blocco = ValoriDi(gruppi, 5);
    std::set<std::string> tutti(entita.begin(), entita.end());
    tutti.insert(handle.HandleBlocchiD.begin(), handle.HandleBlocchiD.end());
    tutti.insert(blocco.begin(), blocco.end());
    EXPECT_EQ(tutti.size(), entita.size() + handle.HandleBlocchiD.size() + blocco.size());
    const auto quoteScritte = ValoriDi(LeggiGruppi(std::string(file.TestoBlocchi())), 5);
    long long ultimoDelDisegno = 0;
    for (const auto& h : entita) ultimoDelDisegno = std::max(ultimoDelDisegno, Esadecimale(h));
    for (const auto& h : quoteScritte) ultimoDelDisegno = std::max(ultimoDelDisegno, Esadecimale(h));
    for (size_t i = 0; i < 14; ++i) EXPECT_GT(Esadecimale(blocco[i]), ultimoDelDisegno);
}
