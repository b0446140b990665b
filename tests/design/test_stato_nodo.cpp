#include "design/MappaClassi.h"
#include "design/StatoNodo.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct CasoNodo {
    std::string Nome;
    int Modo = 1;  // 0 percent, otherwise fixed
    float Perc = 0.0f;
    float Fissa = 0.0f;
    float Richiesta = 0.0f;
    float Mancante = 0.0f;
    StatoNodoArm Atteso = StatoNodoArm::Ok;
};

// A failing row names itself in the test output.
void PrintTo(const CasoNodo& c, std::ostream* os) { *os << c.Nome; }

// Layer k = 3 (direction 2 "lato -") lives in slot 3; the other slots hold
// values that would give another state, so a wrong slot shows.
Parete NodoDelloStrato3(float richiesta, float mancante) {
    Parete p;
    p.NumNodi = 1;
    p.Nodi.assign(2, Nodo{});
    p.Nodi[0].Richiesta = {1000.0f, 1000.0f, 1000.0f, richiesta};
    p.Nodi[0].Mancante = {-5.0f, -5.0f, -5.0f, mancante};
    return p;
}

// 1 % of 5 in float arithmetic, the tolerance exactly as the check computes
// it; 0.05 as a float lies above 0.05, so in double the node would fail.
const float UnoSuCinque = 1.0f * 5.0f / 100.0f;

const std::vector<CasoNodo> casiNodo = {
    {.Nome = "SottoSogliaOk", .Mancante = 0.0089f, .Atteso = StatoNodoArm::Ok},
    {.Nome = "NegativoOk", .Mancante = -2.0f, .Atteso = StatoNodoArm::Ok},
    // 0.009 in float lies below 0.009 in double: the threshold is a float.
    {.Nome = "AllaSogliaSenzaTolleranza", .Mancante = 0.009f,
     .Atteso = StatoNodoArm::NonVerificato},
    {.Nome = "PercentualeDentro", .Modo = 0, .Perc = 10.0f, .Richiesta = 5.0f, .Mancante = 0.5f,
     .Atteso = StatoNodoArm::EntroTolleranza},
    {.Nome = "PercentualeFuori", .Modo = 0, .Perc = 10.0f, .Richiesta = 5.0f, .Mancante = 0.51f,
     .Atteso = StatoNodoArm::NonVerificato},
    {.Nome = "PercentualeAlLimiteInFloat", .Modo = 0, .Perc = 1.0f, .Richiesta = 5.0f,
     .Mancante = UnoSuCinque, .Atteso = StatoNodoArm::EntroTolleranza},
    {.Nome = "PercentualeZero", .Modo = 0, .Perc = 0.0f, .Fissa = 5.0f, .Richiesta = 5.0f,
     .Mancante = 0.01f, .Atteso = StatoNodoArm::NonVerificato},
    {.Nome = "PercentualeNegativa", .Modo = 0, .Perc = -10.0f, .Richiesta = -5.0f,
     .Mancante = 0.01f, .Atteso = StatoNodoArm::NonVerificato},
    {.Nome = "FissaAlLimite", .Modo = 1, .Fissa = 0.3f, .Mancante = 0.3f,
     .Atteso = StatoNodoArm::EntroTolleranza},
    {.Nome = "FissaFuori", .Modo = 1, .Fissa = 0.3f, .Mancante = 0.31f,
     .Atteso = StatoNodoArm::NonVerificato},
    {.Nome = "FissaZero", .Modo = 1, .Perc = 50.0f, .Richiesta = 5.0f, .Mancante = 0.009f,
     .Atteso = StatoNodoArm::NonVerificato},
    {.Nome = "FissaNegativa", .Modo = 1, .Fissa = -1.0f, .Mancante = 0.5f,
     .Atteso = StatoNodoArm::NonVerificato},
    // Any mode other than 0 is the fixed one.
    {.Nome = "ModoDiversoDaZeroFisso", .Modo = 7, .Perc = 100.0f, .Fissa = 1.0f,
     .Richiesta = 0.5f, .Mancante = 0.8f, .Atteso = StatoNodoArm::EntroTolleranza},
};

class StatoNodoCasi : public testing::TestWithParam<CasoNodo> {};

TEST_P(StatoNodoCasi, StatoDaCarenzaETolleranza) {
    const CasoNodo& c = GetParam();
    Impostazioni imp;
    imp.ModoTolleranza = c.Modo;
    imp.TolleranzaPerc = c.Perc;
    imp.TolleranzaFissa = c.Fissa;
    EXPECT_EQ(StatoNodo(NodoDelloStrato3(c.Richiesta, c.Mancante), imp, 3, 0), c.Atteso);
}

INSTANTIATE_TEST_SUITE_P(Tabella, StatoNodoCasi, testing::ValuesIn(casiNodo),
                         [](const auto& info) { return info.param.Nome; });

TEST(StatoNodo, SenzaNodiOStratoFuoriIntervalloEOk) {
    Impostazioni imp;
    Parete vuota;
    EXPECT_EQ(StatoNodo(vuota, imp, 0, 0), StatoNodoArm::Ok);
    Parete p = NodoDelloStrato3(1.0f, 1.0f);
    p.Nodi[0].Mancante = {1.0f, 1.0f, 1.0f, 1.0f};
    EXPECT_EQ(StatoNodo(p, imp, 7, 0), StatoNodoArm::Ok);   // reads as 0
    EXPECT_EQ(StatoNodo(p, imp, 3, 5), StatoNodoArm::Ok);   // no such node
    EXPECT_EQ(StatoNodo(p, imp, 3, 0), StatoNodoArm::NonVerificato);
}

TEST(StatoNodo, ColoriDegliStati) {
    EXPECT_EQ(ColoreStatoNodo(StatoNodoArm::Ok), Rgb(88, 88, 88));
    EXPECT_EQ(ColoreStatoNodo(StatoNodoArm::EntroTolleranza), Rgb(192, 192, 192));
    EXPECT_EQ(ColoreStatoNodo(StatoNodoArm::NonVerificato), Rgb(255, 0, 0));
}

struct CasoClasse {
    std::string Nome;
    int Classe = 0;
    int Colore = 0;
};

// A failing row names itself in the test output.
void PrintTo(const CasoClasse& c, std::ostream* os) { *os << c.Nome; }

const std::vector<CasoClasse> casiClasse = {
    {.Nome = "SottoLeBande", .Classe = -1, .Colore = 200 * 65536},
    {.Nome = "Classe0", .Classe = 0, .Colore = 200 * 65536},
    {.Nome = "Classe1", .Classe = 1, .Colore = 40 * 256 + 255 * 65536},
    {.Nome = "Classe2", .Classe = 2, .Colore = 160 * 256 + 255 * 65536},
    {.Nome = "Classe3", .Classe = 3, .Colore = 255 * 256 + 170 * 65536},
    {.Nome = "Classe4", .Classe = 4, .Colore = 255 * 256},
    {.Nome = "Classe5", .Classe = 5, .Colore = 255 + 255 * 256},
    {.Nome = "Classe6", .Classe = 6, .Colore = 255 + 210 * 256},
    {.Nome = "Classe7", .Classe = 7, .Colore = 255 + 120 * 256},
    {.Nome = "Classe8", .Classe = 8, .Colore = 255},
    {.Nome = "Classe9", .Classe = 9, .Colore = 200},
    {.Nome = "SopraLeBande", .Classe = 10, .Colore = 200},
    {.Nome = "Undici", .Classe = 11, .Colore = 0},
    {.Nome = "MenoDue", .Classe = -2, .Colore = 0},
    {.Nome = "Grande", .Classe = 32767, .Colore = 0},
    {.Nome = "MoltoNegativa", .Classe = -32768, .Colore = 0},
};

class ColoreClasseCasi : public testing::TestWithParam<CasoClasse> {};

TEST_P(ColoreClasseCasi, ColoreDellaTabella) {
    EXPECT_EQ(ColoreClasse(GetParam().Classe), GetParam().Colore);
}

INSTANTIATE_TEST_SUITE_P(Tabella, ColoreClasseCasi, testing::ValuesIn(casiClasse),
                         [](const auto& info) { return info.param.Nome; });

}  // namespace
