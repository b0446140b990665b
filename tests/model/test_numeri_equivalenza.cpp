// FormatoDec and ArrotondaStr keep the bytes they wrote when their digits
// were held in strings: every file, drawing and report prints through them.

#include "model/Numeri.h"

#include "NumeriRiferimento.h"
#include "ProgettoCasuale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

// Every count of decimals the program asks for, and one each side.
constexpr int DecimaliUsati[] = {-1, 0, 1, 2, 3, 4, 6, 8, 9};

struct CasoFormato {
    const char* nome;
    float x;
    int n;
    const char* atteso;
};

void PrintTo(const CasoFormato& caso, std::ostream* os) { *os << caso.nome; }

class FormatoComePrima : public testing::TestWithParam<CasoFormato> {};

TEST_P(FormatoComePrima, StessiByteDelRiferimento) {
    const CasoFormato& caso = GetParam();
    EXPECT_EQ(FormatoDec(caso.x, caso.n), caso.atteso);
    EXPECT_EQ(FormatoDec(caso.x, caso.n), FormatoDecRiferimento(caso.x, caso.n));
}

constexpr float Infinito = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Numeri, FormatoComePrima,
    testing::Values(
        CasoFormato{.nome = "MezzoMillesimoSale", .x = 0.0005f, .n = 3, .atteso = "0.001"},
        CasoFormato{.nome = "MezzoMillesimoNegativo", .x = -0.0005f, .n = 3, .atteso = "-0.001"},
        CasoFormato{.nome = "NegativoCheVaAZero", .x = -0.0004f, .n = 3, .atteso = "0.000"},
        CasoFormato{.nome = "NegativoSottoLaPrimaCifra", .x = -0.00004f, .n = 3, .atteso = "0.000"},
        CasoFormato{.nome = "MenoZero", .x = -0.0f, .n = 2, .atteso = "0.00"},
        CasoFormato{.nome = "ComeScrittoNonComeInBinario", .x = 2.675f, .n = 2, .atteso = "2.68"},
        CasoFormato{.nome = "TanteCifreQuantiDecimali", .x = 0.123f, .n = 3, .atteso = "0.123"},
        CasoFormato{.nome = "PiuDecimaliDiQuantiNeTieneIlFloat", .x = 123.456f, .n = 9,
                    .atteso = "123.456000000"},
        CasoFormato{.nome = "RiportoDiNoveCifre", .x = 9.9995f, .n = 3, .atteso = "10.000"},
        CasoFormato{.nome = "RiportoSullInteroPiuCorto", .x = 0.95f, .n = 0, .atteso = "1"},
        CasoFormato{.nome = "NoveCifreSignificative", .x = 0.123456791f, .n = 8,
                    .atteso = "0.12345679"},
        CasoFormato{.nome = "GrandeConZeriDopoLeCifre", .x = 1.0e20f, .n = 1,
                    .atteso = "100000000000000000000.0"},
        CasoFormato{.nome = "IlPiuGrande", .x = std::numeric_limits<float>::max(), .n = 0,
                    .atteso = "340282350000000000000000000000000000000"},
        CasoFormato{.nome = "IlPiuPiccoloDenormale",
                    .x = std::numeric_limits<float>::denorm_min(), .n = 9,
                    .atteso = "0.000000000"},
        CasoFormato{.nome = "SottoMezzaUnitaMaConCifreDopo", .x = 0.00049999f, .n = 3,
                    .atteso = "0.000"},
        CasoFormato{.nome = "DecimaliNegativiComeZero", .x = -2.5f, .n = -1, .atteso = "-3"},
        CasoFormato{.nome = "NonNumero", .x = std::numeric_limits<float>::quiet_NaN(), .n = 3,
                    .atteso = "nan"},
        CasoFormato{.nome = "InfinitoNegativo", .x = -Infinito, .n = 2, .atteso = "-inf"},
        CasoFormato{.nome = "Infinito", .x = Infinito, .n = 0, .atteso = "inf"}),
    [](const testing::TestParamInfo<CasoFormato>& info) { return std::string(info.param.nome); });

struct CasoArrotondaStr {
    const char* nome;
    float x;
    int n;
    const char* atteso;
};

void PrintTo(const CasoArrotondaStr& caso, std::ostream* os) { *os << caso.nome; }

class ArrotondaStrComePrima : public testing::TestWithParam<CasoArrotondaStr> {};

TEST_P(ArrotondaStrComePrima, StessiByteDelRiferimento) {
    const CasoArrotondaStr& caso = GetParam();
    EXPECT_EQ(ArrotondaStr(caso.x, caso.n), caso.atteso);
    EXPECT_EQ(ArrotondaStr(caso.x, caso.n), ArrotondaStrRiferimento(caso.x, caso.n));
}

INSTANTIATE_TEST_SUITE_P(
    Numeri, ArrotondaStrComePrima,
    testing::Values(
        CasoArrotondaStr{.nome = "MezzoAlPariScende", .x = 0.125f, .n = 2, .atteso = ".12"},
        CasoArrotondaStr{.nome = "MezzoAlPariSale", .x = 0.375f, .n = 2, .atteso = ".38"},
        CasoArrotondaStr{.nome = "MezzoSenzaCifraPrima", .x = 0.5f, .n = 0, .atteso = "0"},
        CasoArrotondaStr{.nome = "RiportoInTesta", .x = 99.96f, .n = 1, .atteso = "100"},
        CasoArrotondaStr{.nome = "PiccoloNegativoVaAZero", .x = -0.004f, .n = 2, .atteso = "0"},
        CasoArrotondaStr{.nome = "SoloZeriDopoIlPunto", .x = 0.001f, .n = 3, .atteso = ".001"},
        CasoArrotondaStr{.nome = "Grande", .x = 3.0e12f, .n = 2, .atteso = "3000000000000"}),
    [](const testing::TestParamInfo<CasoArrotondaStr>& info) {
        return std::string(info.param.nome);
    });

// Millions of floats of every kind, every count of decimals in use.
TEST(NumeriEquivalenza, MilioniDiRealiCasualiComeIlRiferimento) {
    RealiCasuali reali(20261211);
    int diversi = 0;
    for (int i = 0; i < 3'000'000 && diversi < 10; ++i) {
        const float x = reali.Prossimo();
        for (const int n : DecimaliUsati) {
            const std::string scritto = FormatoDec(x, n);
            const std::string riferimento = FormatoDecRiferimento(x, n);
            if (scritto != riferimento) {
                ++diversi;
                ADD_FAILURE() << "FormatoDec(" << std::hexfloat << x << ", " << n
                              << "): " << scritto << " invece di " << riferimento;
            }
        }
        const int n = static_cast<int>(reali.Intero(5));
        if (ArrotondaStr(x, n) != ArrotondaStrRiferimento(x, n)) {
            ++diversi;
            ADD_FAILURE() << "ArrotondaStr(" << std::hexfloat << x << ", " << n << ")";
        }
    }
}

}  // namespace
