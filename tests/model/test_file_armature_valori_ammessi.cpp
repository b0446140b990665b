#include "model/FileArmature.h"

#include "model/Parete.h"

#include "Fixture.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <ostream>

// Fields of the reinforcement file that name one of a few choices: a value
// outside them would be taken one way here and another way there (a section
// with orientation 2 is cut as a horizontal one and then lost as a vertical
// one), so the file is refused at that line.

namespace {

// The wall of the fixture: number 5, 500 x 300.
Parete PareteCinque() {
    Parete p = PareteRettangolare(500.0f, 300.0f);
    p.NumeroParete = 5;
    p.DataFileSet = "08/12/2026 22:45:10";
    return p;
}

std::string FixtureCon(const std::string& vecchio, const std::string& nuovo) {
    return Sostituisci(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")), vecchio, nuovo);
}

// Line 78 of the fixture closes the vertical section 0 with its orientation.
const std::string FineSezione0 = "250.000       320.000       230.000       320.000\r\n";
// Line 19: diameters and direction of position 0; line 20: its kind.
const std::string DirezionePosizione0 = " 14            0             0 \r\n";
const std::string TipoPosizione0 = " 0             0            0.0            3 \r\n";

struct CasoScelta {
    const char* nome;
    std::string vecchio;  // text of the good file to replace
    std::string nuovo;
    std::string motivo;   // the reason told, with its line
};

void PrintTo(const CasoScelta& c, std::ostream* os) { *os << c.nome; }

class SceltaFuoriElenco : public testing::TestWithParam<CasoScelta> {};

TEST_P(SceltaFuoriElenco, FileRifiutatoAllaSuaRiga) {
    const CasoScelta& caso = GetParam();
    Parete p = PareteCinque();
    const Parete prima = p;
    const Esito esito =
        LeggiArmatureDaTesto(p, FixtureCon(caso.vecchio, caso.nuovo), "/cartella/P5.ARS", 7);
    EXPECT_EQ(esito.Codice, CodiceArmature::Danneggiato);
    EXPECT_EQ(esito.Motivo,
              "Errore nella lettura del file delle armature /cartella/P5.ARS.\n" + caso.motivo);
    EXPECT_EQ(p, prima);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SceltaFuoriElenco,
    testing::Values(
        // Seen: accepted, cut to a stub on the top edge, dropped at the next opening.
        CasoScelta{.nome = "OrientamentoSezione2",
                   .vecchio = FineSezione0 + " 0 \r\n",
                   .nuovo = FineSezione0 + " 2 \r\n",
                   .motivo = "Riga 78: orientamento della sezione: 2 non è ammesso (da 0 a 1)."},
        CasoScelta{.nome = "OrientamentoSezioneMenoUno",
                   .vecchio = FineSezione0 + " 0 \r\n",
                   .nuovo = FineSezione0 + "-1 \r\n",
                   .motivo = "Riga 78: orientamento della sezione: -1 non è ammesso (da 0 a 1)."},
        CasoScelta{.nome = "DirezionePosizione2",
                   .vecchio = DirezionePosizione0,
                   .nuovo = " 14            0             2 \r\n",
                   .motivo = "Riga 19: direzione della posizione: 2 non è ammesso (da 0 a 1)."},
        CasoScelta{.nome = "DirezionePosizioneMenoUno",
                   .vecchio = DirezionePosizione0,
                   .nuovo = " 14            0            -1 \r\n",
                   .motivo = "Riga 19: direzione della posizione: -1 non è ammesso (da 0 a 1)."},
        CasoScelta{.nome = "TipoPosizioneNegativo",
                   .vecchio = TipoPosizione0,
                   .nuovo = "-1             0            0.0            3 \r\n",
                   .motivo = "Riga 20: tipo della posizione: -1 non è ammesso (da 0 a 32767)."}),
    [](const testing::TestParamInfo<CasoScelta>& info) { return info.param.nome; });

struct CasoAmmesso {
    const char* nome;
    std::string vecchio;
    std::string nuovo;
};

void PrintTo(const CasoAmmesso& c, std::ostream* os) { *os << c.nome; }

class SceltaAmmessa : public testing::TestWithParam<CasoAmmesso> {};

// Every choice of the fields is read and written back as it stood.
TEST_P(SceltaAmmessa, RilettaEScrittaUguale) {
    const CasoAmmesso& caso = GetParam();
    const std::string testo = FixtureCon(caso.vecchio, caso.nuovo);
    Parete p = PareteCinque();
    const Esito esito = LeggiArmatureDaTesto(p, testo, "P5.ARS", 7);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    EXPECT_EQ(TestoArmature(p), testo);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SceltaAmmessa,
    testing::Values(
        CasoAmmesso{.nome = "SezioneOrizzontale",
                    .vecchio = FineSezione0 + " 0 \r\n",
                    .nuovo = FineSezione0 + " 1 \r\n"},
        CasoAmmesso{.nome = "PosizioneInDirezione2",
                    .vecchio = DirezionePosizione0,
                    .nuovo = " 14            0             1 \r\n"},
        // Kinds above the ring beam are shear reinforcement.
        CasoAmmesso{.nome = "ArmaturaATaglioDiTipo9",
                    .vecchio = TipoPosizione0,
                    .nuovo = " 9             0            0.0            3 \r\n"}),
    [](const testing::TestParamInfo<CasoAmmesso>& info) { return info.param.nome; });

}  // namespace
