#include "export/ValoriDialogoDxf.h"

#include "model/FileIni.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <ostream>

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

namespace {

// A print scale typed into the dialog against what the settings file keeps
// (3 decimals): taken only when the file gives it back as a valid scale.
struct CasoScalaNelFile {
    const char* nome;
    std::string mm, unita;
    bool presa;
    float rilettaMm;  // ScalaMm read back from the settings file
};

void PrintTo(const CasoScalaNelFile& c, std::ostream* os) { *os << c.nome; }

class ScalaNelFile : public testing::TestWithParam<CasoScalaNelFile> {};

TEST_P(ScalaNelFile, PresaSoloSeIlFileLaRestituisce) {
    const CasoScalaNelFile& c = GetParam();
    CartellaTemporanea cartella;
    Sessione s;
    s.imp = ImpDefault();
    s.imp.CartellaUtente = cartella.Percorso().string();
    ValoriDialogoDxf v = AggiornaFormDXF(s.imp, 0);
    v.ScalaMm = c.mm;
    v.ScalaUnita = c.unita;
    int r12 = 0;
    ASSERT_FALSE(Leggi(v, s.imp, r12).has_value());
    if (!c.presa) {
        EXPECT_FLOAT_EQ(s.imp.ScalaMm, 1.0f);
        EXPECT_FLOAT_EQ(s.imp.ScalaUnita, 10.0f);
        EXPECT_EQ(v.ScalaMm, "1");
        EXPECT_EQ(v.ScalaUnita, "10");
    }
    FinestraRegistrata finestra;
    ASSERT_TRUE(ScriviIni(s, finestra).Riuscito());
    Sessione riletta;
    riletta.imp.CartellaUtente = s.imp.CartellaUtente;
    ASSERT_TRUE(LeggiIni(riletta, finestra).Riuscito()) << testing::PrintToString(finestra.Eventi);
    EXPECT_TRUE(finestra.Messaggi().empty()) << testing::PrintToString(finestra.Eventi);
    EXPECT_FLOAT_EQ(riletta.imp.ScalaMm, c.rilettaMm);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ScalaNelFile,
    testing::Values(
        CasoScalaNelFile{.nome = "Mm0e0004", .mm = "0.0004", .unita = "10", .presa = false, .rilettaMm = 1.0f},
        CasoScalaNelFile{.nome = "Unita0e0004", .mm = "1", .unita = "0,0004", .presa = false, .rilettaMm = 1.0f},
        // The smallest the file keeps: written "0.001".
        CasoScalaNelFile{.nome = "Mm0e0005", .mm = "0.0005", .unita = "10", .presa = true, .rilettaMm = 0.001f},
        CasoScalaNelFile{.nome = "Mm0e001", .mm = "0.001", .unita = "10", .presa = true, .rilettaMm = 0.001f},
        // Valid as typed, beyond the float range once 0.0014 is kept as 0.001.
        CasoScalaNelFile{.nome = "RapportoOltreIlFloatComeScritto", .mm = "0.0014", .unita = "4e36",
                         .presa = false, .rilettaMm = 1.0f}),
    [](const testing::TestParamInfo<CasoScalaNelFile>& info) { return info.param.nome; });

}  // namespace
