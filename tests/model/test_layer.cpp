#include "model/Impostazioni.h"
#include "model/Layer.h"

#include <gtest/gtest.h>

// Each name of the layer index says the layer of the default table it names.
TEST(IndiciLayer, NominanoLaVoceDellaTabella) {
    const struct {
        Layer::Indice indice;
        const char* nome;
    } casi[] = {
        {.indice = Layer::ArmIntegr1, .nome = "ARM_INTEGR1"},
        {.indice = Layer::ArmIntegr2, .nome = "ARM_INTEGR2"},
        {.indice = Layer::PerimPilastri, .nome = "PERIM_PILASTRI"},
        {.indice = Layer::PilastriAcciaio, .nome = "PILASTRI_ACCIAIO"},
        {.indice = Layer::PerimSetti, .nome = "PERIM_SETTI"},
        {.indice = Layer::PerimPareti, .nome = "PERIM_PARETI"},
        {.indice = Layer::ArmTaglio, .nome = "ARM_TAGLIO"},
        {.indice = Layer::TraviEstradosso, .nome = "TRAVI_ESTRADOSSO"},
        {.indice = Layer::Quote, .nome = "QUOTE"},
        {.indice = Layer::PosIntegrativa, .nome = "POS_INTEGRATIVA"},
        {.indice = Layer::ArmaturaSez, .nome = "ARMATURA_SEZ"},
        {.indice = Layer::LineeSezioni, .nome = "LINEE_SEZIONI"},
        {.indice = Layer::TestoTitoli, .nome = "TESTO_TITOLI"},
        {.indice = Layer::TestoArmTaglio, .nome = "TESTO_ARM_TAGLIO"},
        {.indice = Layer::TestoPilastri, .nome = "TESTO_PILASTRI"},
        {.indice = Layer::TestoSetti, .nome = "TESTO_SETTI"},
        {.indice = Layer::TestoSolette, .nome = "TESTO_SOLETTE"},
        {.indice = Layer::TestoTravi, .nome = "TESTO_TRAVI"},
        {.indice = Layer::TestoQuote, .nome = "TESTO_QUOTE"},
        {.indice = Layer::TestoFerri, .nome = "TESTO_FERRI"},
        {.indice = Layer::ArmDiffusa1, .nome = "ARM_DIFFUSA1"},
        {.indice = Layer::ArmDiffusa2, .nome = "ARM_DIFFUSA2"},
        {.indice = Layer::Tratteggi, .nome = "TRATTEGGI"},
        {.indice = Layer::PerimSezioni, .nome = "PERIM_SEZIONI"},
        {.indice = Layer::PerimPilastriSup, .nome = "PERIM_PILASTRI_SUP"},
    };
    static_assert(std::size(casi) == NumLayer);
    const Impostazioni imp;
    for (const auto& c : casi) EXPECT_EQ(imp.NomiLayer.at(c.indice), c.nome) << c.nome;
    EXPECT_EQ(Layer::PerimPilastriSup, LayerDerivato);
    EXPECT_EQ(Layer::PerimPilastri, LayerOrigineDerivato);
}
