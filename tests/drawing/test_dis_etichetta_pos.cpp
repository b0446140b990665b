#include "drawing/DisEtichettaPos.h"
#include "model/Parete.h"

#include "TelaRegistrata.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Recorded DXF coordinates are model cm times the default scale of 2.

namespace {

std::vector<Punto> Zona() { return {{100, 50}, {100, 250}, {300, 250}, {300, 50}}; }

// A wall with one zone whose leader runs at y = 75 from x = 300 to x = 100.
Parete ConEtichetta(Punto etichetta) {
    Parete p = PareteAssiArmata(400, 300);
    AggiungiZona(p, Zona(), IntegrativaPiu, 0, 12, 20.0f, {300, 75}, {100, 75}, etichetta);
    return p;
}

}  // namespace

TEST(DisEtichettaPos, RichiamoCerchioNumeroETesti) {
    struct Caso {
        const char* nome;
        Punto etichetta;
        std::string testo1, testo2;
        std::vector<std::vector<float>> linee;  // model cm
        std::vector<std::string> testi;
        std::vector<std::vector<float>> posizioniTesti;  // x, y, model cm
        int allineaTesti;
    };
    const Caso casi[] = {
        // Label beyond the leader's end (100, 75): the leader runs on from
        // Q = (80, 75) to the start in one line; texts to the left.
        {"beyond the end", {80, 100}, "5x", "L=200", {{80, 75, 80, 86}, {80, 75, 300, 75}},
         {"1", "5x", "L=200"}, {{80, 100}, {62, 109}, {62, 91}}, 2},
        // Q = (200, 75) on the leader's stretch: the leader as it is; texts
        // to the right, as Q lies right of the leader's end.
        {"on the leader", {200, 50}, "5x", "", {{200, 75, 200, 64}, {300, 75, 100, 75}},
         {"1", "5x"}, {{200, 50}, {218, 50}}, 0},
        // An empty first text writes nothing beside the number.
        {"empty first text", {200, 50}, "", "L=200", {{200, 75, 200, 64}, {300, 75, 100, 75}},
         {"1"}, {{200, 50}}, 0},
    };
    for (const Caso& c : casi) {
        const Parete p = ConEtichetta(c.etichetta);
        BancoDisegno banco;
        DisEtichettaPos(p, 0, 0, 0, c.testo1, c.testo2, banco.InDxf());
        const auto linee = banco.Flusso.DiTipo("LINE");
        ASSERT_EQ(linee.size(), c.linee.size()) << c.nome;
        for (size_t i = 0; i < linee.size(); ++i) {
            EXPECT_EQ(linee[i].Layer, "POS_INTEGRATIVA") << c.nome;
            ASSERT_EQ(linee[i].Valori.size(), 4u);
            for (size_t k = 0; k < 4; ++k)
                EXPECT_NEAR(linee[i].Valori[k], 2 * c.linee[i][k], 1e-3) << c.nome << " line " << i;
        }
        const auto cerchi = banco.Flusso.DiTipo("CIRCLE");
        ASSERT_EQ(cerchi.size(), 1u) << c.nome;
        EXPECT_EQ(cerchi[0].Valori, (std::vector<float>{2 * c.etichetta.X, 2 * c.etichetta.Y, 28}));
        const auto testi = banco.Flusso.DiTipo("TEXT");
        ASSERT_EQ(testi.size(), c.testi.size()) << c.nome;
        for (size_t i = 0; i < testi.size(); ++i) {
            EXPECT_EQ(testi[i].Testo, c.testi[i]) << c.nome;
            EXPECT_EQ(testi[i].Layer, "TESTO_QUOTE") << c.nome;
            EXPECT_FLOAT_EQ(testi[i].Valori[0], 2 * c.posizioniTesti[i][0]) << c.nome;
            EXPECT_FLOAT_EQ(testi[i].Valori[1], 2 * c.posizioniTesti[i][1]) << c.nome;
        }
        if (testi.size() > 1) {
            EXPECT_EQ(testi[1].Interi.at(0), c.allineaTesti) << c.nome;
        }
    }
}

TEST(DisEtichettaPos, IndiceSenzaPosizioneNonDisegna) {
    const Parete p = ConEtichetta({80, 100});
    BancoDisegno banco;
    for (int i : {-1, 1, 500}) DisEtichettaPos(p, 0, 0, i, "a", "b", banco.InDxf());
    EXPECT_TRUE(banco.Flusso.Entita.empty());
}
