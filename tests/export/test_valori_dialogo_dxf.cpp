#include "export/ValoriDialogoDxf.h"

#include <gtest/gtest.h>

namespace {

Impostazioni ImpDefault() {
    Impostazioni imp;
    ValoriDefault(imp);
    return imp;
}

}  // namespace

TEST(ValoriDialogoDxf, MostraLeImpostazioniEArrotondaLaScala) {
    Impostazioni imp = ImpDefault();
    imp.ScalaMm = 2.5f;
    const ValoriDialogoDxf v = AggiornaFormDXF(imp, 1);
    EXPECT_EQ(v.ScalaMm, "2.5");
    EXPECT_EQ(v.ScalaUnita, "10");
    EXPECT_TRUE(v.R12);
    EXPECT_EQ(v.Nomi[2], imp.NomiLayer[2]);
    EXPECT_EQ(v.Colori[23], imp.ColoriLayer[23]);
}

TEST(ValoriDialogoDxf, ScalaDiStampa) {
    struct Caso {
        const char* nome;
        std::string mm, unita;
        float attesoMm, attesoUnita, testi;
        std::string boxMm;
    };
    const Caso casi[] = {
        {.nome = "virgola", .mm = "2,5", .unita = "10", .attesoMm = 2.5f, .attesoUnita = 10.0f,
         .testi = 0.4f, .boxMm = "2,5"},
        {.nome = "testo", .mm = "abc", .unita = "5", .attesoMm = 1.0f, .attesoUnita = 5.0f,
         .testi = 0.5f, .boxMm = "1"},
        {.nome = "negativo", .mm = "-2", .unita = "10", .attesoMm = 1.0f, .attesoUnita = 10.0f,
         .testi = 1.0f, .boxMm = "1"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Impostazioni imp = ImpDefault();
        ValoriDialogoDxf v = AggiornaFormDXF(imp, 0);
        v.ScalaMm = caso.mm;
        v.ScalaUnita = caso.unita;
        int r12 = 0;
        ASSERT_FALSE(Leggi(v, imp, r12).has_value());
        EXPECT_FLOAT_EQ(imp.ScalaMm, caso.attesoMm);
        EXPECT_FLOAT_EQ(imp.ScalaUnita, caso.attesoUnita);
        EXPECT_FLOAT_EQ(imp.ScalaTestiDxf, caso.testi);
        EXPECT_FLOAT_EQ(imp.ScalaDxf, 2.0f * caso.testi);
        EXPECT_EQ(v.ScalaMm, caso.boxMm);
    }
}

TEST(ValoriDialogoDxf, SoloIlPrimoSpazioDiventaTrattino) {
    Impostazioni imp = ImpDefault();
    ValoriDialogoDxf v = AggiornaFormDXF(imp, 0);
    v.Nomi[5] = "ARM DIFFUSA 1";
    v.Nomi[2] = "PERIM";
    v.Colori[5] = 200;
    v.Disegna[5] = false;
    v.R12 = true;
    int r12 = 0;
    ASSERT_FALSE(Leggi(v, imp, r12).has_value());
    EXPECT_EQ(imp.NomiLayer[5], "ARM_DIFFUSA 1");
    EXPECT_EQ(v.Nomi[5], "ARM_DIFFUSA 1");
    EXPECT_EQ(imp.ColoriLayer[5], 200);
    EXPECT_EQ(imp.LayerDxf[5], 0);
    EXPECT_EQ(imp.NomiLayer[LayerDerivato], "PERIM_SUP");
    EXPECT_EQ(r12, 1);
}

TEST(ValoriDialogoDxf, NomeRifiutatoNonCambiaNulla) {
    struct Caso {
        const char* nome;
        int riga;
        std::string digitato;
        std::string rifiutato;
    };
    const Impostazioni base = ImpDefault();
    const Caso casi[] = {
        {.nome = "vuoto", .riga = 3, .digitato = "", .rifiutato = ""},
        {.nome = "carattere vietato", .riga = 3, .digitato = "A:B", .rifiutato = "A:B"},
        {.nome = "accento grave", .riga = 3, .digitato = "A`B", .rifiutato = "A`B"},
        {.nome = "come un altro", .riga = 4, .digitato = base.NomiLayer[3], .rifiutato = base.NomiLayer[3]},
        {.nome = "come il derivato", .riga = 7, .digitato = base.NomiLayer[2] + " SUP",
         .rifiutato = base.NomiLayer[2] + "_SUP"},
        {.nome = "zero", .riga = 0, .digitato = "0", .rifiutato = "0"},
        {.nome = "defpoints", .riga = 1, .digitato = "DEFPOINTS", .rifiutato = "DEFPOINTS"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Impostazioni imp = base;
        ValoriDialogoDxf v = AggiornaFormDXF(imp, 0);
        v.Nomi[caso.riga] = caso.digitato;
        v.ScalaMm = "3";
        v.R12 = true;
        int r12 = 0;
        const auto rifiutato = Leggi(v, imp, r12);
        ASSERT_TRUE(rifiutato.has_value());
        EXPECT_EQ(*rifiutato, caso.rifiutato);
        EXPECT_EQ(imp.NomiLayer, base.NomiLayer);
        EXPECT_EQ(imp.ScalaMm, base.ScalaMm);
        EXPECT_EQ(r12, 0);
    }
}
