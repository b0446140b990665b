#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/ProgettoDiffusaStrato.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

// Bar areas used below, cm2 = (d / 20)^2 x 3.141592654:
// 6 mm 0.2827, 8 mm 0.5027, 10 mm 0.7854, 12 mm 1.1310, 14 mm 1.5394, 26 mm 5.3093.
// Provided area per metre = bar area x 100 / spacing.

namespace {

std::vector<float> Ripeti(int n, float valore) { return std::vector<float>(n, valore); }

std::vector<float> Unisci(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// One node per entry of richieste, each needing that area on layer k and
// nothing on the others; all four layers diametro/passo; the missing areas
// current, as the reinforcement tail leaves them.
Parete PareteConNodi(int k, const std::vector<float>& richieste, int diametro, float passo) {
    Parete p;
    p.NumNodi = static_cast<int>(richieste.size());
    p.Nodi.assign(richieste.size() + 1, Nodo{});
    for (std::size_t i = 0; i < richieste.size(); ++i)
        p.Nodi[i].Richiesta[SlotDiStrato(k)] = richieste[i];
    p.DiamDir1Piu = p.DiamDir1Meno = p.DiamDir2Piu = p.DiamDir2Meno = diametro;
    p.PassoDir1Piu = p.PassoDir1Meno = p.PassoDir2Piu = p.PassoDir2Meno = passo;
    CalcolaAreeStrati(p);
    AggiornaAreeMancanti(p, -1);
    return p;
}

std::string Fallimento(const std::string& nomeStrato) {
    return "Messaggio[Attenzione!|esclamazione] " + nomeStrato +
           "\nImpossible raggiungere la percentuale di nodi coperti."
           "\nAumentare il diam. max o diminuire il passo min.";
}

struct Caso {
    const char* nome;
    int k = 0;
    int modo = 0;  // ModoProgetto
    int copertura = 60;
    int incrDiam = 2;
    float incrPasso = 1.0f;
    int passoMin = 5;
    std::vector<float> richieste;
    int diametro = 12;  // the layer before the design
    float passo = 20.0f;
    int diametroAtteso = 0;
    float passoAtteso = 0.0f;
    const char* fallito = nullptr;  // name of the layer in the warning
};

int DiametroStrato(const Parete& p, int k) {
    const int d[4] = {p.DiamDir1Piu, p.DiamDir1Meno, p.DiamDir2Piu, p.DiamDir2Meno};
    return d[k];
}

float PassoDiStrato(const Parete& p, int k) {
    const float s[4] = {p.PassoDir1Piu, p.PassoDir1Meno, p.PassoDir2Piu, p.PassoDir2Meno};
    return s[k];
}

void Verifica(const Caso& caso) {
    Parete p = PareteConNodi(caso.k, caso.richieste, caso.diametro, caso.passo);
    Impostazioni imp;  // limits 6..28 mm, 5..50 cm on both faces
    imp.ModoProgetto = caso.modo;
    imp.CoperturaMin = caso.copertura;
    imp.IncrDiam = caso.incrDiam;
    imp.IncrPasso = caso.incrPasso;
    imp.PassoMinPiu = imp.PassoMinMeno = caso.passoMin;
    FinestraRegistrata finestra;

    ProgettaStrato(p, imp, finestra, caso.k);

    EXPECT_EQ(DiametroStrato(p, caso.k), caso.diametroAtteso) << caso.nome;
    EXPECT_FLOAT_EQ(PassoDiStrato(p, caso.k), caso.passoAtteso) << caso.nome;
    const std::vector<std::string> attesi =
        caso.fallito ? std::vector<std::string>{Fallimento(caso.fallito)} : std::vector<std::string>{};
    EXPECT_EQ(finestra.Eventi, attesi) << caso.nome;
    for (int altro = 0; altro < 4; ++altro) {
        if (altro == caso.k) continue;
        EXPECT_EQ(DiametroStrato(p, altro), caso.diametro) << caso.nome << " strato " << altro;
        const float passo = PassoDiStrato(p, altro);
        EXPECT_TRUE(passo == caso.passo || (std::isnan(passo) && std::isnan(caso.passo)))
            << caso.nome << " strato " << altro;
    }
}

}  // namespace

TEST(ProgettaStrato, BothModesSearchFromOneStepAwayFromTheStartingPair) {
    const Caso casi[] = {
        // Start (6, 20), never tried. 8 mm: 50.27 / 20 = 2.51 < 3, no node;
        // 10 mm: 78.54 / 20 = 3.93, every node.
        {.nome = "diametro", .k = 0, .modo = 0, .richieste = Ripeti(10, 3.0f),
         .diametroAtteso = 10, .passoAtteso = 20.0f},
        // Start (12, 50), never tried; 113.10 / s >= 3 first at s = 37
        // (3.06; 38 gives 2.98). The relaxed spacing 30 is not where the
        // first diameter starts.
        {.nome = "passo", .k = 2, .modo = 1, .richieste = Ripeti(10, 3.0f),
         .diametroAtteso = 12, .passoAtteso = 37.0f},
        // 6 mm at 20 would reach 1.41 >= 1, but the starting pair is never
        // tried: the first candidate is 8 mm.
        {.nome = "coppia iniziale mai provata", .k = 1, .modo = 0, .richieste = Ripeti(10, 1.0f),
         .diametroAtteso = 8, .passoAtteso = 20.0f},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, AnExcessEverywhereRelaxesTheLayerBeforeTheSearch) {
    const Caso casi[] = {
        // 6 mm at 1.5 cm gives 28.27 / 1.5 = 18.85 > 16 at every node: the
        // stored spacing is relaxed to 30. 6 mm fails down to 5 cm (5.65);
        // the next diameter, 6 + 20 = 26, starts again from 30:
        // 530.93 / 30 = 17.70 >= 16.
        {.nome = "rilassato", .k = 1, .modo = 1, .incrDiam = 20, .richieste = Ripeti(10, 16.0f),
         .diametro = 6, .passo = 1.5f, .diametroAtteso = 26, .passoAtteso = 30.0f},
        // One node needs 20 > 18.85: no excess everywhere, no relaxation; the
        // next diameter starts from the spacing as it was, 1.5 cm:
        // 530.93 / 1.5 = 353.95, every node.
        {.nome = "non rilassato", .k = 1, .modo = 1, .incrDiam = 20,
         .richieste = Unisci(Ripeti(9, 16.0f), {20.0f}), .diametro = 6, .passo = 1.5f,
         .diametroAtteso = 26, .passoAtteso = 1.5f},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, NoTargetStoresTheStartingPair) {
    const Caso casi[] = {
        {.nome = "diametro", .k = 0, .modo = 0, .copertura = 0, .richieste = Ripeti(5, 3.0f),
         .diametroAtteso = 6, .passoAtteso = 20.0f},
        // The excess relaxes the spacing to 30, then the starting pair takes
        // the full 50.
        {.nome = "passo, massimo non limitato a 30", .k = 3, .modo = 1, .copertura = 0,
         .richieste = Ripeti(5, 3.0f), .diametroAtteso = 12, .passoAtteso = 50.0f},
        {.nome = "passi nulli non contano senza ricerca", .k = 2, .modo = 0, .copertura = 0,
         .incrDiam = 0, .incrPasso = 0.0f, .richieste = Ripeti(5, 3.0f), .diametroAtteso = 6,
         .passoAtteso = 20.0f},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, AnUnreachableTargetStoresTheHeaviestLayerAndWarns) {
    const Caso casi[] = {
        // 28 mm at 5 cm gives 123.15 < 200.
        {.nome = "diametro", .k = 0, .modo = 0, .richieste = Ripeti(10, 200.0f),
         .diametroAtteso = 28, .passoAtteso = 5.0f, .fallito = "Arm. lato + dir. 1"},
        {.nome = "passo", .k = 1, .modo = 1, .richieste = Ripeti(10, 200.0f),
         .diametroAtteso = 28, .passoAtteso = 5.0f, .fallito = "Arm. lato - dir. 1"},
        {.nome = "nessun nodo", .k = 2, .modo = 0, .richieste = {}, .diametroAtteso = 28,
         .passoAtteso = 5.0f, .fallito = "Arm. lato + dir. 2"},
        {.nome = "nessun nodo, passo", .k = 3, .modo = 1, .richieste = {}, .diametroAtteso = 28,
         .passoAtteso = 5.0f, .fallito = "Arm. lato - dir. 2"},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, CoverageIsJudgedInWholeNumbers) {
    const Caso casi[] = {
        // 8 mm at 20 gives 2.51: 58 nodes needing 1 are covered, 42 needing
        // 100 are not. 58 x 100 >= 58 x 100 (0.58 x 100 in floating point is
        // 57.999...).
        {.nome = "58 su 100 al 58 %", .k = 0, .copertura = 58,
         .richieste = Unisci(Ripeti(58, 1.0f), Ripeti(42, 100.0f)), .diametroAtteso = 8,
         .passoAtteso = 20.0f},
        // 8 mm covers 57 of 100: not enough; 10 mm (3.93) also covers the
        // node needing 3, 58 of 100.
        {.nome = "57 su 100 non basta", .k = 0, .copertura = 58,
         .richieste = Unisci(Unisci(Ripeti(57, 1.0f), {3.0f}), Ripeti(42, 100.0f)),
         .diametroAtteso = 10, .passoAtteso = 20.0f},
        // 29 of 50 is 58 % too.
        {.nome = "29 su 50 al 58 %", .k = 3, .copertura = 58,
         .richieste = Unisci(Ripeti(29, 1.0f), Ripeti(21, 100.0f)), .diametroAtteso = 8,
         .passoAtteso = 20.0f},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, StepsOfZeroOrLessFailAtOnce) {
    // Each of these would otherwise find 10 mm at 20 cm (3.93 >= 3).
    const Caso casi[] = {
        {.nome = "incremento passo nullo, diametro", .modo = 0, .incrPasso = 0.0f,
         .richieste = Ripeti(10, 3.0f), .diametroAtteso = 28, .passoAtteso = 5.0f,
         .fallito = "Arm. lato + dir. 1"},
        {.nome = "incremento diametro nullo, passo", .modo = 1, .incrDiam = 0,
         .richieste = Ripeti(10, 3.0f), .diametroAtteso = 28, .passoAtteso = 5.0f,
         .fallito = "Arm. lato + dir. 1"},
        {.nome = "incremento diametro negativo", .modo = 0, .incrDiam = -2,
         .richieste = Ripeti(10, 3.0f), .diametroAtteso = 28, .passoAtteso = 5.0f,
         .fallito = "Arm. lato + dir. 1"},
        {.nome = "incremento passo negativo", .modo = 1, .incrPasso = -1.0f,
         .richieste = Ripeti(10, 3.0f), .diametroAtteso = 28, .passoAtteso = 5.0f,
         .fallito = "Arm. lato + dir. 1"},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, ASpacingOfZeroOrLessIsNeverTried) {
    const Caso casi[] = {
        // From 50 by 10: 40 (2.83), 30 (3.77), 20 (5.65), 10 (11.31 < 12);
        // 0 is not tried and ends the 12 mm spacings. 14 mm starts again from
        // the stored 20 (7.70), then 10: 153.94 / 10 = 15.39 >= 12.
        {.nome = "passo: lo zero chiude il diametro", .modo = 1, .incrPasso = 10.0f,
         .passoMin = 2, .richieste = Ripeti(10, 12.0f), .diametroAtteso = 14,
         .passoAtteso = 10.0f},
        // 8 to 28 mm at 1 cm (615.75 at most) are not enough; the next
        // spacing, 1 - 1 = 0, passes the minimum 0 but is not tried: the
        // search fails and the layer takes the minimum as it stands.
        {.nome = "diametro: lo zero chiude la ricerca", .modo = 0, .passoMin = 0,
         .richieste = Ripeti(10, 1000.0f), .diametro = 26, .passo = 1.0f, .diametroAtteso = 28,
         .passoAtteso = 0.0f, .fallito = "Arm. lato + dir. 1"},
        // A layer stored without a spacing: nothing to try at its spacing.
        {.nome = "diametro: passo attuale nullo", .modo = 0, .richieste = Ripeti(10, 3.0f),
         .passo = 0.0f, .diametroAtteso = 28, .passoAtteso = 5.0f,
         .fallito = "Arm. lato + dir. 1"},
        // Every diameter starts again from the stored 0: only 12 mm's
        // spacings 49..5 are tried (113.10 / 5 = 22.62 < 30 at best), and the
        // search ends past 28 mm, though 28 mm at 5 cm would give 123.15.
        {.nome = "passo: passo memorizzato nullo", .modo = 1, .richieste = Ripeti(10, 30.0f),
         .passo = 0.0f, .diametroAtteso = 28, .passoAtteso = 5.0f,
         .fallito = "Arm. lato + dir. 1"},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, ASearchFromASpacingTheStepCannotLowerStillEnds) {
    // 1e30 - 1 is 1e30 in single precision: such a spacing ends like the
    // last one instead of being tried for ever.
    const float enorme = 1e30f;
    const Caso casi[] = {
        // 8 to 28 mm at 1e30 cm cover nothing; the next spacing is no lower.
        {.nome = "diametro", .modo = 0, .richieste = Ripeti(10, 3.0f), .passo = enorme,
         .diametroAtteso = 28, .passoAtteso = 5.0f, .fallito = "Arm. lato + dir. 1"},
        // 12 mm from 49 to 5 cm (22.62 at best < 30); every later diameter
        // starts from the stored 1e30 and goes no lower.
        {.nome = "passo", .modo = 1, .richieste = Ripeti(10, 30.0f), .passo = enorme,
         .diametroAtteso = 28, .passoAtteso = 5.0f, .fallito = "Arm. lato + dir. 1"},
        {.nome = "passo non numerico", .modo = 1, .richieste = Ripeti(10, 30.0f),
         .passo = std::numeric_limits<float>::quiet_NaN(), .diametroAtteso = 28,
         .passoAtteso = 5.0f, .fallito = "Arm. lato + dir. 1"},
    };
    for (const Caso& caso : casi) Verifica(caso);
}

TEST(ProgettaStrato, ALayerOutsideTheFourChangesNothing) {
    Parete p = PareteConNodi(0, Ripeti(3, 3.0f), 12, 20.0f);
    const Parete prima = p;
    FinestraRegistrata finestra;
    ProgettaStrato(p, Impostazioni{}, finestra, 4);
    ProgettaStrato(p, Impostazioni{}, finestra, -1);
    EXPECT_TRUE(p == prima);
    EXPECT_TRUE(finestra.Eventi.empty());
}
