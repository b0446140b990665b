#include "model/NumeroSemplice.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* nome;
    float valore;
    const char* atteso;
};

const Caso Casi[] = {
    {.nome = "InteroConBlank", .valore = 12.0f, .atteso = " 12"},
    {.nome = "DecimaleConBlank", .valore = 12.5f, .atteso = " 12.5"},
    {.nome = "ZeroConBlank", .valore = 0.0f, .atteso = " 0"},
    {.nome = "NegativoSenzaBlank", .valore = -3.25f, .atteso = "-3.25"},
    {.nome = "PiuBreveDelFloat", .valore = 0.1f, .atteso = " 0.1"},
    {.nome = "FloatNonDouble", .valore = 12.3f, .atteso = " 12.3"},
};

}  // namespace

TEST(NumeroSemplice, ShortestTextWithABlankForNonNegatives) {
    for (const Caso& c : Casi) EXPECT_EQ(NumeroSemplice(c.valore), c.atteso) << c.nome;
}

TEST(NumeroSemplice, WholeNumbers) {
    EXPECT_EQ(NumeroSemplice(12), " 12");
    EXPECT_EQ(NumeroSemplice(0), " 0");
    EXPECT_EQ(NumeroSemplice(-7), "-7");
}
