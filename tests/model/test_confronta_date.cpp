#include "model/ConfrontaDate.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct CasoDate {
    const char* nome;
    std::string data;  // stored in the reinforcement file
    bool stessa;
};

// A failing row names itself in the test output.
void PrintTo(const CasoDate& c, std::ostream* os) { *os << c.nome; }

class ConfrontoDate : public testing::TestWithParam<CasoDate> {};

TEST_P(ConfrontoDate, StessoSalvataggio) {
    std::string data = GetParam().data;
    std::string dataFileSet = "08/12/2026 22:45:10";
    EXPECT_EQ(ConfrontaDate(data, dataFileSet), GetParam().stessa);
    EXPECT_EQ(dataFileSet, "08/12/2026 22:45:10");
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ConfrontoDate,
    testing::Values(CasoDate{.nome = "Uguale", .data = "08/12/2026 22:45:10", .stessa = true},
                    CasoDate{.nome = "SecondiDiversi", .data = "08/12/2026 22:45:59", .stessa = true},
                    CasoDate{.nome = "UnOraPrima", .data = "08/12/2026 21:45:10", .stessa = true},
                    CasoDate{.nome = "UnOraDopo", .data = "08/12/2026 23:45:10", .stessa = true},
                    CasoDate{.nome = "DueOre", .data = "08/12/2026 20:45:10", .stessa = false},
                    CasoDate{.nome = "UnMinuto", .data = "08/12/2026 22:46:10", .stessa = false},
                    CasoDate{.nome = "AltroGiorno", .data = "09/12/2026 22:45:10", .stessa = false},
                    CasoDate{.nome = "AltroAnno", .data = "08/12/2025 22:45:10", .stessa = false},
                    CasoDate{.nome = "ConIPunti", .data = "08.12.2026 22.45.10", .stessa = true},
                    CasoDate{.nome = "Vuota", .data = "", .stessa = false},
                    CasoDate{.nome = "Illeggibile", .data = "ieri sera", .stessa = false},
                    CasoDate{.nome = "MeseImpossibile", .data = "08/13/2026 22:45:10", .stessa = false},
                    CasoDate{.nome = "PuntiSenzaOra", .data = "08.12.2026", .stessa = false}),
    [](const testing::TestParamInfo<CasoDate>& info) { return info.param.nome; });

TEST(ConfrontaDate, IPuntiDiventanoBarreEDuePuntiInEntrambiITesti) {
    std::string data = "8.12.2026 22.45.10";
    std::string dataFileSet = "08.12.2026 22.45.10";
    EXPECT_TRUE(ConfrontaDate(data, dataFileSet));
    EXPECT_EQ(data, "8/12/2026 22:45:10");
    EXPECT_EQ(dataFileSet, "08/12/2026 22:45:10");
}

TEST(ConfrontaDate, UnaDataDelFileDiPareteIlleggibileNonEMaiLaStessa) {
    std::string data = "08/12/2026 22:45:10";
    std::string dataFileSet;
    EXPECT_FALSE(ConfrontaDate(data, dataFileSet));
}

}  // namespace
