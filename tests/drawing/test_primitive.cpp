#include "TelaRegistrata.h"
#include "drawing/Palette.h"
#include "drawing/Primitive.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::string Diametro = "\xC3\x98";  // "Ø"

std::vector<float> V(std::initializer_list<float> valori) { return valori; }

void ValoriVicini(const std::vector<float>& ottenuti, const std::vector<float>& attesi) {
    ASSERT_EQ(ottenuti.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i)
        EXPECT_NEAR(ottenuti[i], attesi[i], 0.001f) << "valore " << i;
}

}  // namespace

TEST(Primitive, LineaSulloSchermo) {
    BancoDisegno banco;
    DisLinea(10, 20, 110, 20, 3, 0, banco.Schermo());
    DisLinea(0, 0, 5, 5, 3, 1, banco.Schermo());
    DisLinea(0, 0, 5, 5, 3, 3, banco.Schermo());
    DisLinea(0, 0, 5, 5, LayerEvidenziaCiano, 1, banco.Schermo());
    DisLinea(0, 0, 5, 5, LayerEvidenziaGiallo, 0, banco.Schermo());
    const auto linee = banco.Tela.DiTipo("Linea");
    ASSERT_EQ(linee.size(), 5u);
    ValoriVicini(linee[0].Valori, V({20, 560, 220, 560}));
    EXPECT_EQ(linee[0].Colore, banco.Imp.ColoriSchermo[3]);
    EXPECT_EQ(linee[0].Stile, StileTratto::Continuo);
    EXPECT_EQ(linee[1].Stile, StileTratto::Punteggiato);
    EXPECT_EQ(linee[2].Stile, StileTratto::Punteggiato);
    // Highlights are always solid, in light cyan and yellow.
    EXPECT_EQ(linee[3].Stile, StileTratto::Continuo);
    EXPECT_EQ(linee[3].Colore, ColoreBase(11));
    EXPECT_EQ(linee[4].Colore, ColoreBase(14));
    EXPECT_EQ(banco.Tela.StileCorrente(), StileTratto::Continuo);
}

TEST(Primitive, LineaInDxf) {
    BancoDisegno banco;
    banco.Dxf.OffsetXDxf = 100.0f;
    DisLinea(10, 20, 30, 40, 8, 2, banco.InDxf());
    DisLinea(0, 0, 1, 1, LayerEvidenziaCiano, 0, banco.InDxf());  // never sent to DXF
    ASSERT_EQ(banco.Flusso.Entita.size(), 1u);
    const EntitaDxf& e = banco.Flusso.Entita[0];
    EXPECT_EQ(e.Tipo, "LINE");
    EXPECT_EQ(e.Layer, "QUOTE");
    ValoriVicini(e.Valori, V({220, 40, 260, 80}));
    EXPECT_EQ(e.Interi, std::vector<int>{2});
}

TEST(Primitive, CerchioSulloSchermoEInDxf) {
    BancoDisegno banco;
    DisCerchio(10, 10, 3, 8, 0, banco.Schermo());
    DisCerchio(10, 10, 3, 8, 1, banco.Schermo());
    DisCerchio(10, 10, 3, 8, 4, banco.Schermo());
    const auto cerchi = banco.Tela.DiTipo("Cerchio");
    ASSERT_EQ(cerchi.size(), 3u);
    ValoriVicini(cerchi[0].Valori, V({20, 580, 6}));
    EXPECT_EQ(cerchi[0].Colore, banco.Imp.ColoriSchermo[8]);
    EXPECT_EQ(cerchi[1].Stile, StileTratto::Punteggiato);
    EXPECT_EQ(cerchi[2].Colore, banco.Imp.ColGiallo);
    EXPECT_EQ(banco.Tela.StileCorrente(), StileTratto::Continuo);

    DisCerchio(10, 10, 3, 20, 3, banco.InDxf());
    ASSERT_EQ(banco.Flusso.Entita.size(), 1u);
    EXPECT_EQ(banco.Flusso.Entita[0].Tipo, "CIRCLE");
    EXPECT_EQ(banco.Flusso.Entita[0].Layer, "ARM_DIFFUSA1");
    ValoriVicini(banco.Flusso.Entita[0].Valori, V({20, 20, 6}));
    EXPECT_EQ(banco.Flusso.Entita[0].Interi, std::vector<int>{3});
}

TEST(Primitive, Mirino) {
    BancoDisegno banco;
    DisMirino(50, 60, 4, banco.InDxf());
    const auto linee = banco.Flusso.DiTipo("LINE");
    const auto cerchi = banco.Flusso.DiTipo("CIRCLE");
    ASSERT_EQ(linee.size(), 2u);
    ASSERT_EQ(cerchi.size(), 1u);
    ValoriVicini(linee[0].Valori, V({96, 120, 104, 120}));
    ValoriVicini(linee[1].Valori, V({100, 116, 100, 124}));
    EXPECT_EQ(linee[0].Layer, "QUOTE");
    EXPECT_EQ(cerchi[0].Layer, "ARM_DIFFUSA1");
    ValoriVicini(cerchi[0].Valori, V({100, 120, 8}));
}

TEST(Primitive, LayerFuoriTabellaNonDisegna) {
    BancoDisegno banco;
    for (int layer : {25, 99, -3}) {
        DisLinea(0, 0, 1, 1, layer, 0, banco.Schermo());
        DisCerchio(0, 0, 1, layer, 0, banco.Schermo());
        ScriviTesto(0, 0, "A", 0, layer, 0, 0, 0, banco.Schermo());
        DisLinea(0, 0, 1, 1, layer, 0, banco.InDxf());
        DisCerchio(0, 0, 1, layer, 0, banco.InDxf());
        ScriviTesto(0, 0, "A", 0, layer, 0, 0, 0, banco.InDxf());
    }
    EXPECT_TRUE(banco.Tela.Tratti.empty());
    EXPECT_TRUE(banco.Flusso.Entita.empty());
}

TEST(Primitive, AltezzaTesto) {
    BancoDisegno banco;
    banco.Imp.ScalaUnita = 20.0f;
    ASSERT_TRUE(RicalcolaScalaDxf(banco.Imp));  // ScalaTestiDxf 2
    const float attese[] = {20, 25, 42, 22, 0, 0};
    const int tipi[] = {0, 1, 2, 3, 4, -1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(AltezzaTesto(tipi[i], banco.Schermo()), attese[i]);
        EXPECT_FLOAT_EQ(AltezzaTesto(tipi[i], banco.InDxf()), 2 * attese[i]);
        EXPECT_FLOAT_EQ(AltezzaTesto(tipi[i], banco.Misura()), 2 * attese[i]);
    }
}

// A centred text of six characters, the diameter sign then 12/20: half of
// (1.38 Scala + w) x (6 - 0.6 + 0.5) pixels to the left of its anchor.
TEST(Primitive, TestoCentratoSulloSchermo) {
    BancoDisegno banco;
    const std::string testo = std::string(SegnoDiametro) + "12/20";
    ScriviTesto(100, 50, testo, 0, 19, 1, 0, 0, banco.Schermo());
    const auto testi = banco.Tela.DiTipo("Testo");
    ASSERT_EQ(testi.size(), 1u);
    const float h = 2.0f * 20.0f * 0.9f;
    const float w = 0.38f * h;
    const float lunghezza = (1.38f * 2.0f + w) * 5.9f;
    ValoriVicini(testi[0].Valori,
                 V({std::nearbyint(200.0f - lunghezza / 2), 600.0f - 100.0f - h,
                    std::nearbyint(h), std::nearbyint(w), 0}));
    EXPECT_EQ(testi[0].Testo, testo);  // the canvas shows the sign itself
    EXPECT_EQ(testi[0].Colore, banco.Imp.ColoriSchermo[19]);
}

TEST(Primitive, StimaDellaLunghezzaDelTesto) {
    const struct {
        const char* testo;
        float caratteri;
    } casi[] = {
        {"ABCD", 4.0f},       {"a.b", 2.2f},         {"tt", 1.0f},      {"tat", 2.4f},
        {"ff", 1.0f},         {"mm", 2.4f},          {"i r", 1.0f},     {"1,5 . ,", 4.6f},
        {"Lft", 1.8f},
    };
    for (const auto& c : casi) {
        BancoDisegno banco;
        ScriviTesto(100, 50, c.testo, 0, 19, 2, 2, 0, banco.Schermo());
        const auto testi = banco.Tela.DiTipo("Testo");
        ASSERT_EQ(testi.size(), 1u);
        const float h = 36.0f;
        const float lunghezza = (2.76f + 0.38f * h) * c.caratteri;
        EXPECT_EQ(testi[0].Valori[0], std::nearbyint(200.0f - lunghezza)) << c.testo;
        EXPECT_EQ(testi[0].Valori[1], 500.0f) << c.testo;  // hanging from the anchor
    }
}

TEST(Primitive, TestoRuotatoSulloSchermo) {
    BancoDisegno banco;
    ScriviTesto(100, 50, "AB", 0, 19, 1, 0, 90, banco.Schermo());
    ScriviTesto(100, 50, "AB", 0, 19, 0, 1, 90, banco.Schermo());
    const auto testi = banco.Tela.DiTipo("Testo");
    ASSERT_EQ(testi.size(), 2u);
    const float h = 36.0f;
    const float lunghezza = (2.76f + 0.38f * h) * 2.0f;
    // Centred along the upward direction, its bottom on the anchor.
    EXPECT_EQ(testi[0].Valori[0], std::nearbyint(200.0f - 1.05f * h));
    EXPECT_EQ(testi[0].Valori[1], std::nearbyint(500.0f + lunghezza / 2));
    EXPECT_EQ(testi[0].Valori[4], 90.0f);
    EXPECT_EQ(testi[1].Valori[0], std::nearbyint(200.0f - 0.55f * h));
    EXPECT_EQ(testi[1].Valori[1], 500.0f);
}

TEST(Primitive, TestiSparisconoAllontanandoLaVista) {
    BancoDisegno banco;
    banco.VistaTela.Scala = 0.146f;  // 0.38 x 0.9 x 20 x Scala just below 1 pixel
    ScriviTesto(10, 10, "A", 0, 19, 0, 0, 0, banco.Schermo());
    DisLinea(0, 0, 100, 0, 19, 0, banco.Schermo());
    EXPECT_TRUE(banco.Tela.DiTipo("Testo").empty());
    EXPECT_EQ(banco.Tela.DiTipo("Linea").size(), 1u);
    banco.VistaTela.Scala = 0.147f;
    ScriviTesto(10, 10, "A", 0, 19, 0, 0, 0, banco.Schermo());
    EXPECT_EQ(banco.Tela.DiTipo("Testo").size(), 1u);
}

TEST(Primitive, TestoInDxf) {
    BancoDisegno banco;
    banco.Dxf.OffsetXDxf = 100.0f;
    const std::string testo = std::string(SegnoDiametro) + "12/20 " + SegnoDiametro + "8";
    ScriviTesto(10, 20, testo, 1, 19, 2, 0, 30, banco.InDxf());
    ScriviTesto(10, 20, "A", 0, 18, 1, 2, 0, banco.InDxf());
    ScriviTesto(10, 20, "A", 0, 18, 0, 2, 90, banco.InDxf());
    const auto testi = banco.Flusso.DiTipo("TEXT");
    ASSERT_EQ(testi.size(), 3u);
    EXPECT_EQ(testi[0].Testo, Diametro + "12/20 " + Diametro + "8");
    EXPECT_EQ(testi[0].Layer, "TESTO_FERRI");
    ValoriVicini(testi[0].Valori, V({220, 40, 25, 30}));
    EXPECT_EQ(testi[0].Interi, (std::vector<int>{2, 1}));
    // A hanging text sits 2 cm below its anchor, across the text direction.
    ValoriVicini(testi[1].Valori, V({220, 36, 20, 0}));
    EXPECT_EQ(testi[1].Interi, (std::vector<int>{1, 3}));
    ValoriVicini(testi[2].Valori, V({224, 40, 20, 90}));
}

TEST(Primitive, BersaglioDiMisuraNonDisegna) {
    BancoDisegno banco;
    const BersaglioMisura misura = banco.Misura();
    DisLinea(0, 0, 10, 0, 3, 0, misura);
    DisCerchio(0, 0, 10, 3, 0, misura);
    DisMirino(0, 0, 10, misura);
    ScriviTesto(0, 0, "A", 0, 19, 0, 0, 0, misura);
    EXPECT_TRUE(banco.Tela.Tratti.empty());
    EXPECT_TRUE(banco.Flusso.Entita.empty());
}

TEST(Primitive, SegnoDiametro) {
    EXPECT_EQ(TestoConDiametro(std::string("1") + SegnoDiametro + "12"), "1" + Diametro + "12");
    EXPECT_EQ(TestoConDiametro("L=250"), "L=250");
    EXPECT_EQ(NumeroCaratteri(std::string(SegnoDiametro) + "12"), 3);
    EXPECT_EQ(NumeroCaratteri("Perché"), 6);
}

TEST(Primitive, AngoliDiLettura) {
    const float pi = 3.14159265f;
    const float giu70 = std::tan(70.0f * pi / 180.0f);
    EXPECT_NEAR(AngoloRad(0, 0, 1, -giu70), 110.0f * pi / 180.0f, 1e-5f);
    EXPECT_NEAR(AngoloRad(0, 0, -1, giu70), 110.0f * pi / 180.0f, 1e-5f);
    EXPECT_FLOAT_EQ(AngoloRad(5, 0, 5, 10), 1.5707964f);
    EXPECT_FLOAT_EQ(AngoloRad(5, 10, 5, 0), 1.5707964f);
    EXPECT_NEAR(AngoloRad(0, 0, 1, -1), -pi / 4, 1e-6f);  // -45 degrees stays
    EXPECT_NEAR(AngoloGradi(10, 0, 0, 0), 0.0f, 1e-5f);
    EXPECT_NEAR(AngoloGradi(0, 0, 1, 1), 45.0f, 1e-4f);
    float gradi = 0, s = 0, c = 0;
    AngoloSinCos(0, 0, 0, -3, gradi, s, c);
    EXPECT_NEAR(gradi, 90.0f, 1e-4f);
    EXPECT_NEAR(s, 1.0f, 1e-6f);
    EXPECT_NEAR(c, 0.0f, 1e-6f);
}

TEST(Primitive, AngoloOpposto) {
    EXPECT_FLOAT_EQ(AngoloOpposto(200), 20);
    EXPECT_FLOAT_EQ(AngoloOpposto(180), 0);
    EXPECT_FLOAT_EQ(AngoloOpposto(10), 190);
}

TEST(Primitive, TrasformazioneDxf) {
    BancoDisegno banco;
    banco.Dxf.OffsetXDxf = 500.0f;
    EXPECT_FLOAT_EQ(DxfX(10, banco.Dxf, banco.Imp), 1020.0f);
    EXPECT_FLOAT_EQ(DxfY(10, banco.Dxf, banco.Imp), 20.0f);
}
