#include "interaction/FormPropQuoteDati.h"

#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "SessioneDialoghi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A wall with two dimensions: 0 in plan 2, 1 in every plan.
Sessione ConDueQuote(const CartellaTemporanea& cartella) {
    Sessione s = SessioneDialoghi(cartella.Percorso().string());
    s.parete.Quote = {Quota{.X2 = 100, .Testo = "100", .Vista = 2},
                      Quota{.Y2 = 50, .Testo = "50", .Vista = -1}};
    s.parete.UltQuota = 1;
    return s;
}

}  // namespace

TEST(FormPropQuote, TheFirstChoiceNamesTheCurrentPlan) {
    struct Caso {
        const char* nome;
        int vista;
        int maglia;
        const char* atteso;
    };
    for (const Caso& c : {
             Caso{.nome = "diffusa +", .vista = 0, .maglia = 0, .atteso = "Pianta armatura diffusa lato +"},
             Caso{.nome = "diffusa -", .vista = 1, .maglia = 0, .atteso = "Pianta armatura diffusa lato -"},
             Caso{.nome = "diffusa unica", .vista = 1, .maglia = -1, .atteso = "Pianta armatura diffusa"},
             Caso{.nome = "integrativa +", .vista = 2, .maglia = -1,
                  .atteso = "Pianta armatura integrativa lato +"},
             Caso{.nome = "integrativa -", .vista = 3, .maglia = 0,
                  .atteso = "Pianta armatura integrativa lato -"},
             Caso{.nome = "integrativa unica", .vista = 3, .maglia = -1,
                  .atteso = "Pianta armatura integrativa"},
             Caso{.nome = "tavola", .vista = 5, .maglia = 0, .atteso = ""},
             Caso{.nome = "mappa", .vista = 9999, .maglia = 0, .atteso = ""},
         }) {
        EXPECT_EQ(DidascaliaPiantaCorrente(c.vista, c.maglia), c.atteso) << c.nome;
    }
}

TEST(FormPropQuote, OkWritesTheChoiceAndAlwaysTakesAStep) {
    CartellaTemporanea cartella;
    Sessione s = ConDueQuote(cartella);
    FinestraRegistrata finestra;
    s.stato.VistaCorrente = 3;
    EXPECT_FALSE(QuotaInTutteLePiante(s.parete, 0));
    EXPECT_TRUE(QuotaInTutteLePiante(s.parete, 1));

    s.stato.QuotaSelezionata = 1;
    ASSERT_TRUE(ConfermaFrmPropQuote(s, finestra, false));  // unchanged
    EXPECT_EQ(s.parete.Quote[1].Vista, -1);
    EXPECT_EQ(PassiAnnulla(s), 1);

    ASSERT_TRUE(ConfermaFrmPropQuote(s, finestra, true));
    EXPECT_EQ(s.parete.Quote[1].Vista, 3);
    EXPECT_EQ(s.parete.Quote[0].Vista, 2);

    s.stato.QuotaSelezionata = 0;  // a dimension of another plan moves to this one
    ASSERT_TRUE(ConfermaFrmPropQuote(s, finestra, true));
    EXPECT_EQ(s.parete.Quote[0].Vista, 3);
    EXPECT_EQ(PassiAnnulla(s), 3);
    EXPECT_EQ(finestra.Eventi, std::vector<std::string>(3, "AggiornaDopoModifica"));
}

TEST(FormPropQuote, AnIndexNamingNoDimensionWritesNothing) {
    CartellaTemporanea cartella;
    for (int indice : {-1, 2, 7}) {
        SCOPED_TRACE(indice);
        Sessione s = ConDueQuote(cartella);
        FinestraRegistrata finestra;
        s.stato.QuotaSelezionata = indice;
        const ProgettoParete prima = s.parete;
        EXPECT_FALSE(QuotaInTutteLePiante(s.parete, indice));
        EXPECT_FALSE(ConfermaFrmPropQuote(s, finestra, false));
        EXPECT_TRUE(static_cast<const ProgettoParete&>(s.parete) == prima);
        EXPECT_EQ(PassiAnnulla(s), 0);
        EXPECT_TRUE(finestra.Eventi.empty());
    }
}
