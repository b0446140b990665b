#include "TelaRegistrata.h"
#include "drawing/Primitive.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<float> V(std::initializer_list<float> valori) { return valori; }

void ValoriVicini(const std::vector<float>& ottenuti, const std::vector<float>& attesi) {
    ASSERT_EQ(ottenuti.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i)
        EXPECT_NEAR(ottenuti[i], attesi[i], 0.001f) << "valore " << i;
}

constexpr int LayerArmatura = 20;
constexpr int LayerTestoFerri = 19;

}  // namespace

TEST(Ferro, LunghezzaArrotondataAlPari) {
    BancoDisegno banco;
    const struct {
        float lunghezza;
        int attesa;
    } casi[] = {{250.5f, 250}, {251.5f, 252}, {250.6f, 251}, {0.4f, 0}};
    for (const auto& c : casi) {
        EXPECT_EQ(DisFerro(0, 0, c.lunghezza, 0, 0, LayerArmatura, LayerTestoFerri,
                           banco.Misura()),
                  c.attesa);
        EXPECT_EQ(DisFerro(0, 0, 0, c.lunghezza, 1, LayerArmatura, LayerTestoFerri,
                           banco.Schermo()),
                  c.attesa);
    }
}

TEST(Ferro, SulloSchermoLineaEEtichetta) {
    BancoDisegno banco;
    EXPECT_EQ(DisFerro(0, 0, 250.5f, 0, 0, LayerArmatura, LayerTestoFerri, banco.Schermo()), 250);
    EXPECT_EQ(DisFerro(0, 0, 250.5f, 0, 1, LayerArmatura, LayerTestoFerri, banco.Schermo()), 250);
    const auto linee = banco.Tela.DiTipo("Linea");
    const auto testi = banco.Tela.DiTipo("Testo");
    ASSERT_EQ(linee.size(), 2u);
    ASSERT_EQ(testi.size(), 2u);
    ValoriVicini(linee[0].Valori, V({0, 600, 501, 600}));
    EXPECT_EQ(linee[0].Colore, banco.Imp.ColoriSchermo[LayerArmatura]);
    const float lunghezza = (2.76f + 0.38f * 36.0f) * 3.0f;
    EXPECT_EQ(testi[0].Testo, "250");
    EXPECT_EQ(testi[0].Valori[0], std::nearbyint(250.5f - lunghezza / 2));
    EXPECT_EQ(testi[0].Valori[1], 600.0f);  // below the bar: hangs from it
    EXPECT_EQ(testi[1].Valori[1], 564.0f);  // above the bar: stands on it
    EXPECT_EQ(testi[0].Colore, banco.Imp.ColoriSchermo[LayerTestoFerri]);
}

TEST(Ferro, NienteDaDisegnareSullaMisuraOSeNullo) {
    BancoDisegno banco;
    EXPECT_EQ(DisFerro(0, 0, 250.5f, 0, 0, LayerArmatura, LayerTestoFerri, banco.Misura()), 250);
    EXPECT_EQ(DisFerro(3, 3, 3.2f, 3.2f, 0, LayerArmatura, LayerTestoFerri, banco.Schermo()), 0);
    EXPECT_EQ(DisFerro(3, 3, 3.2f, 3.2f, 0, LayerArmatura, LayerTestoFerri, banco.InDxf()), 0);
    EXPECT_TRUE(banco.Tela.Tratti.empty());
    EXPECT_TRUE(banco.Flusso.Entita.empty());
}

TEST(Ferro, R2000ConQuota) {
    const struct {
        float x1, y1, x2, y2;
        int lato;
        std::vector<float> lineaQuota;  // dimension line, then the ordered bar ends
    } casi[] = {
        {10, 0, 0, 0, 0, {0, -7, 10, -7, 0, 0, 10, 0}},
        {0, 0, 10, 0, 1, {0, 7, 10, 7, 0, 0, 10, 0}},
        {0, 10, 0, 0, 1, {-7, 0, -7, 10, 0, 0, 0, 10}},
    };
    for (const auto& c : casi) {
        BancoDisegno banco;
        EXPECT_EQ(DisFerro(c.x1, c.y1, c.x2, c.y2, c.lato, LayerArmatura, LayerTestoFerri,
                           banco.InDxf()),
                  10);
        ASSERT_EQ(banco.Flusso.Entita.size(), 2u);
        const EntitaDxf& linea = banco.Flusso.Entita[0];
        EXPECT_EQ(linea.Tipo, "LINE");
        EXPECT_EQ(linea.Layer, "ARM_DIFFUSA1");
        ValoriVicini(linea.Valori, V({2 * c.x1, 2 * c.y1, 2 * c.x2, 2 * c.y2}));
        const EntitaDxf& quota = banco.Flusso.Entita[1];
        EXPECT_EQ(quota.Tipo, "DIMENSION");
        EXPECT_EQ(quota.Testo, "Ferri50");
        EXPECT_EQ(quota.Interi, (std::vector<int>{LayerTestoFerri, LayerTestoFerri, 1, 1, 1}));
        std::vector<float> attesi = {20, 1};
        attesi.insert(attesi.end(), c.lineaQuota.begin(), c.lineaQuota.end());
        ValoriVicini(quota.Valori, attesi);
    }
}

TEST(Ferro, R12ConTesto) {
    BancoDisegno banco;
    DisFerro(0, 0, 250.5f, 0, 0, LayerArmatura, LayerTestoFerri, banco.InDxf(true));
    DisFerro(0, 0, 250.5f, 0, 1, LayerArmatura, LayerTestoFerri, banco.InDxf(true));
    EXPECT_TRUE(banco.Flusso.DiTipo("DIMENSION").empty());
    EXPECT_EQ(banco.Flusso.DiTipo("LINE").size(), 2u);
    const auto testi = banco.Flusso.DiTipo("TEXT");
    ASSERT_EQ(testi.size(), 2u);
    EXPECT_EQ(testi[0].Testo, "250");
    EXPECT_EQ(testi[0].Layer, "TESTO_FERRI");
    ValoriVicini(testi[0].Valori, V({250.5f, -4, 20, 0}));
    EXPECT_EQ(testi[0].Interi, (std::vector<int>{1, 3}));
    ValoriVicini(testi[1].Valori, V({250.5f, 0, 20, 0}));
    EXPECT_EQ(testi[1].Interi, (std::vector<int>{1, 1}));
}

TEST(Quota, R2000EntitaDiQuota) {
    BancoDisegno banco;
    DisQuota(0, 30, 100, 30, 0, 0, 100, 5, banco.InDxf());
    ASSERT_EQ(banco.Flusso.Entita.size(), 1u);
    const EntitaDxf& quota = banco.Flusso.Entita[0];
    EXPECT_EQ(quota.Tipo, "DIMENSION");
    EXPECT_EQ(quota.Testo, "SC50");
    EXPECT_EQ(quota.Interi, (std::vector<int>{8, 18, 1, 0, 1}));
    ValoriVicini(quota.Valori, V({20, 1, 0, 30, 100, 30, 0, 0, 100, 5}));
}

// Screen and R12: the dimension line, a tick and a circle at each end and the
// text; the measured points are not drawn.
TEST(Quota, R12DaLineeCerchiETesto) {
    BancoDisegno banco;
    DisQuota(12, 0, 0, 0, 0, -50, 12, -50, banco.InDxf(true));
    const auto linee = banco.Flusso.DiTipo("LINE");
    const auto cerchi = banco.Flusso.DiTipo("CIRCLE");
    const auto testi = banco.Flusso.DiTipo("TEXT");
    ASSERT_EQ(linee.size(), 3u);
    ASSERT_EQ(cerchi.size(), 2u);
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_EQ(banco.Flusso.Entita.size(), 6u);
    ValoriVicini(linee[0].Valori, V({0, 0, 24, 0}));  // ordered left to right
    ValoriVicini(linee[1].Valori, V({0, -16, 0, 16}));
    ValoriVicini(linee[2].Valori, V({24, -16, 24, 16}));
    ValoriVicini(cerchi[0].Valori, V({0, 0, 2.4f}));
    ValoriVicini(cerchi[1].Valori, V({24, 0, 2.4f}));
    for (const auto& e : linee) EXPECT_EQ(e.Layer, "QUOTE");
    EXPECT_EQ(cerchi[0].Layer, "QUOTE");
    EXPECT_EQ(testi[0].Layer, "TESTO_QUOTE");
    EXPECT_EQ(testi[0].Testo, "12");
    ValoriVicini(testi[0].Valori, V({12, 14, 20, 0}));  // moved 7 cm aside
    EXPECT_EQ(testi[0].Interi, (std::vector<int>{1, 1}));
}

TEST(Quota, SulloSchermo) {
    BancoDisegno banco;
    DisQuota(0, 0, 0, 100, 0, 0, 0, 100, banco.Schermo());
    const auto linee = banco.Tela.DiTipo("Linea");
    const auto cerchi = banco.Tela.DiTipo("Cerchio");
    const auto testi = banco.Tela.DiTipo("Testo");
    ASSERT_EQ(linee.size(), 3u);
    ASSERT_EQ(cerchi.size(), 2u);
    ASSERT_EQ(testi.size(), 1u);
    ValoriVicini(linee[0].Valori, V({0, 600, 0, 400}));
    ValoriVicini(cerchi[0].Valori, V({0, 600, 2.4f}));
    EXPECT_EQ(testi[0].Testo, "100");
    EXPECT_EQ(testi[0].Valori[4], 90.0f);
    EXPECT_EQ(linee[0].Colore, banco.Imp.ColoriSchermo[8]);
    EXPECT_EQ(testi[0].Colore, banco.Imp.ColoriSchermo[18]);
}

TEST(Quota, NienteSullaMisura) {
    BancoDisegno banco;
    DisQuota(0, 0, 100, 0, 0, 0, 100, 0, banco.Misura());
    DisQuotaSemplice(0, 0, 100, 0, 8, 18, banco.Misura());
    EXPECT_TRUE(banco.Tela.Tratti.empty());
    EXPECT_TRUE(banco.Flusso.Entita.empty());
}

TEST(Quota, TestoEScostamento) {
    const struct {
        float lunghezza;
        const char* testo;  // nullptr: nothing drawn
        float scostamento;
    } casi[] = {
        {250.05f, "250", 0}, {250.5f, "250.5", 0}, {250.1f, "250.1", 0}, {250.9f, "250.9", 0},
        {12.95f, "13", 7},   {30, "30", 0},        {12, "12", 7},        {0.0005f, nullptr, 0},
    };
    for (const auto& c : casi) {
        BancoDisegno banco;
        DisQuotaSemplice(0, 0, c.lunghezza, 0, 8, 18, banco.InDxf(true));
        const auto testi = banco.Flusso.DiTipo("TEXT");
        if (c.testo == nullptr) {
            EXPECT_TRUE(banco.Flusso.Entita.empty());
            continue;
        }
        ASSERT_EQ(testi.size(), 1u) << c.lunghezza;
        EXPECT_EQ(testi[0].Testo, c.testo);
        EXPECT_NEAR(testi[0].Valori[1], 2 * c.scostamento, 0.001f) << c.lunghezza;
    }
}
