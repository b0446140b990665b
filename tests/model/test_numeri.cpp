#include "model/Numeri.h"

#include "Fixture.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <locale>
#include <string>

TEST(AreaBarra, IsTheCircleOfTheDiameterInCm2) {
    EXPECT_EQ(AreaBarra(12), static_cast<float>(0.36 * 3.141592654));
    EXPECT_FLOAT_EQ(AreaBarra(12), 1.1309733f);
    EXPECT_EQ(AreaBarra(0), 0.0f);
    EXPECT_FLOAT_EQ(AreaBarra(20), 3.1415927f);
    EXPECT_FLOAT_EQ(AreaBarra(8), 0.50265482f);
}

struct CasoArrotonda {
    double x;
    int n;
    float atteso;
};

TEST(Arrotonda, RaisesTheLastDecimalOnlyFromTheFixedThreshold) {
    const CasoArrotonda casi[] = {
        {1.25, 1, 1.2f},       {1.26, 1, 1.3f},       {-1.26, 1, -1.3f},  {-1.25, 1, -1.2f},
        {0.0, 3, 0.0f},        {2.5, 0, 2.0f},        {2.6, 0, 3.0f},     {1.5, 0, 1.0f},
        {0.555551, 0, 1.0f},   {0.55555, 0, 0.0f},    {3.555551, 0, 4.0f}, {-3.7, 0, -4.0f},
        {2.55, 1, 2.5f},       {2.56, 1, 2.6f},       {1.234567, 3, 1.235f}, {124.5, 0, 124.0f},
        {1234.0, -2, 1200.0f}, {1256.0, -2, 1300.0f},
    };
    for (const auto& c : casi)
        EXPECT_EQ(Arrotonda(c.x, c.n), c.atteso) << c.x << " to " << c.n << " decimals";
}

struct CasoMezzo {
    float x;
    float su, giu, vicino;
};

TEST(ArrotondaMezzo, ThreeRoundingsToHalvesFollowTheHundredths) {
    const CasoMezzo casi[] = {
        {3.0f, 3.0f, 3.0f, 3.0f},    {3.01f, 3.5f, 3.0f, 3.0f},   {3.25f, 3.5f, 3.0f, 3.0f},
        {3.26f, 3.5f, 3.0f, 3.5f},   {3.5f, 3.5f, 3.0f, 3.5f},    {3.51f, 4.0f, 3.5f, 3.5f},
        {3.74f, 4.0f, 3.5f, 3.5f},   {3.75f, 4.0f, 3.5f, 4.0f},   {3.99f, 4.0f, 3.5f, 4.0f},
        // Below two hundredths Arrotonda has already gone to the whole number.
        {3.004f, 3.0f, 3.0f, 3.0f},  {3.0056f, 3.5f, 3.0f, 3.0f},
        // Negative values work on the whole part below: -1.3 is -2 plus 70 hundredths.
        {-1.3f, -1.0f, -1.5f, -1.5f}, {-1.2f, -1.0f, -1.5f, -1.0f}, {-2.0f, -2.0f, -2.0f, -2.0f},
        {0.0f, 0.0f, 0.0f, 0.0f},    {-0.5f, -0.5f, -1.0f, -0.5f},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(ArrotondaMezzoSu(c.x), c.su) << c.x;
        EXPECT_EQ(ArrotondaMezzoGiu(c.x), c.giu) << c.x;
        EXPECT_EQ(ArrotondaMezzo(c.x), c.vicino) << c.x;
    }
}

struct CasoTesto {
    float x;
    int n;
    const char* atteso;
};

TEST(FormatoDec, FixedDecimalsWithHalvesAwayFromZero) {
    const CasoTesto casi[] = {
        {2.5f, 0, "3"},          {-2.5f, 0, "-3"},       {0.125f, 2, "0.13"},
        {1234.5f, 3, "1234.500"}, {2.5f, -1, "3"},        {0.5f, 0, "1"},
        {0.0f, 2, "0.00"},       {9.999f, 2, "10.00"},   {0.004f, 2, "0.00"},
        {-0.001f, 2, "0.00"},    {1000000.0f, 0, "1000000"}, {0.05f, 3, "0.050"},
        {12.3f, 1, "12.3"},      {-7.25f, 1, "-7.3"},    {0.3f, 8, "0.30000000"},
        // The value as typed, not its binary expansion 2.6749999...
        {2.675f, 2, "2.68"},     {1.005f, 2, "1.01"},
        // Every digit a float holds is kept.
        {16777216.0f, 0, "16777216"}, {1234567.8f, 1, "1234567.8"}, {0.1f, 9, "0.100000000"},
    };
    for (const auto& c : casi) EXPECT_EQ(FormatoDec(c.x, c.n), c.atteso) << c.x << ", " << c.n;
}

TEST(FormatoMisura, ShowsOneDecimalFromAThousandth) {
    const CasoTesto casi[] = {
        {12.96f, 0, "13.0"}, {12.0004f, 0, "12"}, {12.0f, 0, "12"}, {12.5f, 0, "12.5"},
        {-1.5f, 0, "-1.5"},  {0.0f, 0, "0"},      {250.04f, 0, "250.0"},
    };
    for (const auto& c : casi) EXPECT_EQ(FormatoMisura(c.x), c.atteso) << c.x;
}

TEST(ArrotondaStr, ShortestTextWithHalvesToEven) {
    const CasoTesto casi[] = {
        {0.5f, 2, ".5"},   {12.0f, 2, "12"},   {2.5f, 0, "2"},    {3.5f, 0, "4"},
        {-0.25f, 2, "-.25"}, {0.125f, 2, ".12"}, {0.375f, 2, ".38"}, {0.0f, 2, "0"},
        {-0.001f, 2, "0"}, {1.5f, 0, "2"},     {100.0f, 0, "100"}, {12.3456f, 2, "12.35"},
        {0.05f, 2, ".05"}, {-12.5f, 0, "-12"},
    };
    for (const auto& c : casi) EXPECT_EQ(ArrotondaStr(c.x, c.n), c.atteso) << c.x << ", " << c.n;
}

TEST(VirgolaInPunto, TurnsOnlyTheFirstComma) {
    EXPECT_EQ(VirgolaInPunto("1,5"), "1.5");
    EXPECT_EQ(VirgolaInPunto("1,5,3"), "1.5,3");
    EXPECT_EQ(VirgolaInPunto("15"), "15");
    EXPECT_EQ(VirgolaInPunto(""), "");
    EXPECT_EQ(VirgolaInPunto(","), ".");
}

struct CasoValore {
    const char* testo;
    float atteso;
};

TEST(ValoreTesto, ReadsTheLeadingNumberOfATypedText) {
    const CasoValore casi[] = {
        {"12,5", 12.5f},    {"12,5,3", 12.5f},  {"abc", 0.0f},      {" 3 ,5", 3.5f},
        {"12.5", 12.5f},    {"-1.5e2", -150.0f}, {"1 2 3", 123.0f}, {"\t\n7", 7.0f},
        {"3.5cm", 3.5f},    {"", 0.0f},         {".", 0.0f},        {"-", 0.0f},
        {".5", 0.5f},       {"1e", 1.0f},       {"1.2.3", 1.2f},    {"  +4", 4.0f},
        {"2E-1", 0.2f},     {"0,0", 0.0f},      {"007", 7.0f},      {"- 2 , 5", -2.5f},
        {"1e-50", 0.0f},    {"x12", 0.0f},
    };
    for (const auto& c : casi) EXPECT_EQ(ValoreTesto(c.testo), c.atteso) << '"' << c.testo << '"';
}

TEST(ValoreTesto, NumberBeyondTheFloatRangeStaysFinite) {
    constexpr float massimo = std::numeric_limits<float>::max();
    EXPECT_EQ(ValoreTesto("1e40"), massimo);
    EXPECT_EQ(ValoreTesto("-1e40"), -massimo);
    EXPECT_EQ(ValoreTesto("1e99999999999999999999"), massimo);
    EXPECT_EQ(ValoreTesto(std::string(400, '9')), massimo);
    EXPECT_EQ(ValoreTesto("0." + std::string(400, '0') + "1"), 0.0f);
}

// The windowing system sets the process locale from the user's; Italian uses
// a decimal comma. Numbers written by the program must not follow it.
class LocaleConVirgola : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string dati = cartella.Percorso().string();
        const std::string genera =
            "localedef -i it_IT -f UTF-8 '" + dati + "/it_IT.UTF-8' >/dev/null 2>&1";
        if (std::system(genera.c_str()) == 0) setenv("LOCPATH", dati.c_str(), 1);
        if (std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr) {
            try {
                std::locale::global(std::locale("it_IT.UTF-8"));
                return;
            } catch (const std::runtime_error&) {
            }
        }
        std::locale::global(std::locale(std::locale::classic(), new Virgola));
    }

    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }

    struct Virgola : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };

    CartellaTemporanea cartella;
};

TEST_F(LocaleConVirgola, NumbersStillUseAPoint) {
    ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    EXPECT_EQ(FormatoDec(1234.5f, 3), "1234.500");
    EXPECT_EQ(FormatoDec(0.125f, 2), "0.13");
    EXPECT_EQ(FormatoMisura(12.96f), "13.0");
    EXPECT_EQ(ArrotondaStr(-0.25f, 2), "-.25");
    EXPECT_EQ(ValoreTesto("12,5"), 12.5f);
    EXPECT_EQ(ValoreTesto("12.5"), 12.5f);
}
