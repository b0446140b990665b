#include "design/LeggiParete.h"
#include "model/Sessione.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

// A wall opened without a reinforcement file gets the automatic dimension
// chains: the fixture is the rectangle 1000..1500 x 200..500 (origin y 200),
// so 500 on the top and bottom chains, 300 on the sides, marks at the levels
// 200 and 500.
TEST(LeggiParete, SenzaFileArmatureQuotaturaAutomatica) {
    Sessione s;
    s.parete.Quote.assign(3, Quota{});
    s.parete.UltQuota = 2;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(s, PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"), finestra).Riuscito());
    const Parete& p = s.parete;
    ASSERT_EQ(p.UltQuota, 3);
    EXPECT_EQ(p.Quote[0].Testo, "500.0");
    EXPECT_EQ(p.Quote[2].Testo, "300.0");
    for (int i = 0; i <= p.UltQuota; ++i) EXPECT_EQ(p.Quote[i].Vista, -1);
    ASSERT_EQ(p.NumQuoteLivello, 2);
    EXPECT_FLOAT_EQ(p.QuoteLivello[0].Valore, 200.0f);
    EXPECT_FLOAT_EQ(p.QuoteLivello[1].Valore, 500.0f);
    EXPECT_FLOAT_EQ(p.QuoteLivello[0].X, -80.0f);
}
