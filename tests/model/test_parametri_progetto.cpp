#include "model/Impostazioni.h"
#include "model/ParametriProgetto.h"

#include <gtest/gtest.h>

namespace {

using T = TipoParametro;

const std::vector<SceltaParametro> Modi{{"Diametro", 0}, {"Passo", 1}};
const std::vector<SceltaParametro> PassiDiam{{"1 mm", 0}, {"2 mm", 1}};
const std::vector<SceltaParametro> PassiPasso{
    {"0.5 cm", 0}, {"1 cm", 1}, {"2 cm", 2}, {"5 cm", 3}, {"10 cm", 4}};

}  // namespace

TEST(VociParametri, TwoFacesInTheTabledOrder) {
    const Impostazioni imp;
    const std::vector<VoceParametro> attese{
        {1, "Diam. massimo lato +", T::Testo, " 28", {}},
        {2, "Diam. minimo lato +", T::Testo, " 6", {}},
        {3, "Diam. massimo lato -", T::Testo, " 28", {}},
        {4, "Diam. minimo lato -", T::Testo, " 6", {}},
        {5, "Passo massimo lato +", T::Testo, " 50", {}},
        {6, "Passo minimo lato +", T::Testo, " 5", {}},
        {7, "Passo massimo lato -", T::Testo, " 50", {}},
        {8, "Passo minimo lato -", T::Testo, " 5", {}},
        {9, "Progetta variando il", T::Lista, "0", Modi},
        {12, "Incremento diametro", T::Lista, "1", PassiDiam},
        {10, "Copertura min. nodi (%)", T::Testo, " 60", {}},
    };
    EXPECT_EQ(VociParametri(imp, 0), attese);
}

TEST(VociParametri, ASingleMeshVaryingTheSpacingKeepsTheHiddenLimits) {
    Impostazioni imp;
    imp.ModoProgetto = 1;
    imp.DiamMaxPiu = 32;
    const std::vector<VoceParametro> attese{
        {3, "Diam. massimo", T::Testo, " 28", {}},
        {4, "Diam. minimo", T::Testo, " 6", {}},
        {7, "Passo massimo", T::Testo, " 50", {}},
        {8, "Passo minimo", T::Testo, " 5", {}},
        {9, "Progetta variando il", T::Lista, "1", Modi},
        {11, "Incremento passo", T::Lista, "1", PassiPasso},
        {10, "Copertura min. nodi (%)", T::Testo, " 60", {}},
    };
    EXPECT_EQ(VociParametri(imp, -1), attese);
    EXPECT_EQ(imp.DiamMaxPiu, 32);
}

TEST(ValidaParametro, LimitsAndRounding) {
    struct Caso {
        const char* nome;
        int id;
        const char* testo;
        bool accettato;
        int valore;
    };
    const Caso casi[] = {
        {.nome = "diameter 3", .id = 1, .testo = "3", .accettato = false, .valore = 0},
        {.nome = "diameter 4", .id = 4, .testo = "4", .accettato = true, .valore = 4},
        {.nome = "diameter 40000", .id = 3, .testo = "40000", .accettato = false, .valore = 0},
        {.nome = "spacing 1,9", .id = 5, .testo = "1,9", .accettato = false, .valore = 0},
        {.nome = "spacing 12.5", .id = 6, .testo = "12.5", .accettato = true, .valore = 12},
        {.nome = "spacing 13,5", .id = 8, .testo = "13,5", .accettato = true, .valore = 14},
        {.nome = "coverage 0", .id = 10, .testo = "0", .accettato = false, .valore = 0},
        {.nome = "coverage 1", .id = 10, .testo = "1", .accettato = true, .valore = 1},
        {.nome = "coverage 100", .id = 10, .testo = "100", .accettato = true, .valore = 100},
        {.nome = "coverage 101", .id = 10, .testo = "101", .accettato = false, .valore = 0},
        {.nome = "min above max", .id = 2, .testo = "30", .accettato = true, .valore = 30},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Impostazioni imp;
        const Impostazioni prima = imp;
        std::string testo = c.testo;
        EXPECT_EQ(ValidaParametro(imp, c.id, testo, "corrente"), c.accettato);
        if (!c.accettato) {
            EXPECT_EQ(testo, "corrente");
            EXPECT_EQ(imp.DiamMaxPiu, prima.DiamMaxPiu);
            EXPECT_EQ(imp.CoperturaMin, prima.CoperturaMin);
            continue;
        }
        const int memorizzato[] = {0,
                                   imp.DiamMaxPiu, imp.DiamMinPiu, imp.DiamMaxMeno, imp.DiamMinMeno,
                                   imp.PassoMaxPiu, imp.PassoMinPiu, imp.PassoMaxMeno,
                                   imp.PassoMinMeno, 0, imp.CoperturaMin};
        EXPECT_EQ(memorizzato[c.id], c.valore);
    }
}

TEST(CambiaParametro, StepEntriesSetTheValuesTheDesignUses) {
    Impostazioni imp;
    const float passi[] = {0.5f, 1.0f, 2.0f, 5.0f, 10.0f};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(CambiaParametro(imp, 11, i));
        EXPECT_EQ(imp.IndiceIncrPasso, i);
        EXPECT_EQ(imp.IncrPasso, passi[i]);
    }
    EXPECT_FALSE(CambiaParametro(imp, 11, 7));
    EXPECT_EQ(imp.IncrPasso, 10.0f);  // an unknown entry leaves the value
    EXPECT_FALSE(CambiaParametro(imp, 12, 0));
    EXPECT_EQ(imp.IncrDiam, 1);
    EXPECT_FALSE(CambiaParametro(imp, 12, 1));
    EXPECT_EQ(imp.IncrDiam, 2);
    EXPECT_TRUE(CambiaParametro(imp, 9, 1));
    EXPECT_EQ(imp.ModoProgetto, 1);
}
