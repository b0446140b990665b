#include "design/OrdinaPosizioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Voce {
    int tipo;
    int direzione;
    int ultimoVertice;
};

// Positions told apart by their diameter (10 + index) and their polygons
// (every vertex x = index, y = vertex number).
Parete PareteConPosizioni(const std::vector<Voce>& voci) {
    Parete p;
    p.Posizioni.clear();
    for (size_t i = 0; i < voci.size(); ++i) {
        PosizioneArm pos;
        pos.Tipo = voci[i].tipo;
        pos.Direzione = voci[i].direzione;
        pos.Diametro = 10 + static_cast<int>(i);
        pos.UltVerticeZona = voci[i].ultimoVertice;
        p.Posizioni.push_back(pos);
        p.PoligoniPos[i].assign(voci[i].ultimoVertice + 1, {});
        for (int k = 0; k <= voci[i].ultimoVertice; ++k)
            p.PoligoniPos[i][k] = {static_cast<float>(i), static_cast<float>(k)};
    }
    p.UltPosizione = static_cast<int>(voci.size()) - 1;
    return p;
}

void PoligonoDi(const Parete& p, int riga, int originale, int ultimo) {
    for (int k = 0; k <= ultimo; ++k) {
        EXPECT_EQ(p.PoligoniPos[riga][k], (Punto{static_cast<float>(originale), static_cast<float>(k)}))
            << "row " << riga << " vertex " << k;
    }
}

}  // namespace

TEST(CodicePosizione, FaceDirectionAndKind) {
    const Parete p = PareteConPosizioni({{0, 0, 3}, {0, 1, 3}, {1, 0, 3}, {1, 1, 3}, {2, 0, 3}, {3, 1, 3}});
    const int attesi[] = {0, 1, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(CodicePosizione(p, i), attesi[i]) << i;
    EXPECT_EQ(CodicePosizione(p, 6), -1);
    EXPECT_EQ(CodicePosizione(p, -1), -1);
}

// Codes 3, 0, 3, 1 (positions A, B, C, D): i = 0 exchanges (0, 1) -> B A C D;
// i = 1 exchanges (1, 3) -> B D C A; i = 2 keeps C before A (equal codes).
// The two positions of code 3 end as C, A: the opposite of their first order.
TEST(OrdinaPosizioni, UnstableExchangeOrder) {
    Parete p = PareteConPosizioni({{1, 1, 3}, {0, 0, 5}, {1, 1, 4}, {0, 1, 3}});
    StatoInterfaccia s;
    OrdinaPosizioni(p, s);

    const int originali[] = {1, 3, 2, 0};
    const int ultimi[] = {5, 3, 4, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.Posizioni[i].Diametro, 10 + originali[i]) << i;
        EXPECT_EQ(p.Posizioni[i].UltVerticeZona, ultimi[i]) << i;
        PoligonoDi(p, i, originali[i], ultimi[i]);
    }
    // The last exchange (1, 3) moved A to index 3: the buffer holds it.
    EXPECT_EQ(s.PosCorrente, p.Posizioni[3]);
    EXPECT_EQ(s.UltPuntoCorrente, 3);
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(s.PoligonoCorrente[k], (Punto{0.0f, static_cast<float>(k)}));
}

TEST(OrdinaPosizioni, SinglePositionStays) {
    Parete p = PareteConPosizioni({{1, 1, 3}});
    StatoInterfaccia s;
    const Parete prima = p;
    const StatoInterfaccia statoPrima = s;
    OrdinaPosizioni(p, s);
    EXPECT_EQ(p, prima);
    EXPECT_EQ(s, statoPrima);
}

// A longer polygon moved into a shorter row grows the row.
TEST(ScambiaPosizioni, RowsGrowForLongerPolygons) {
    Parete p = PareteConPosizioni({{0, 0, 3}, {0, 0, 7}});
    StatoInterfaccia s;
    ScambiaPosizioni(p, s, 0, 1);
    PoligonoDi(p, 0, 1, 7);
    PoligonoDi(p, 1, 0, 3);
    EXPECT_EQ(p.Posizioni[0].Diametro, 11);

    const Parete prima = p;
    ScambiaPosizioni(p, s, 0, 2);
    ScambiaPosizioni(p, s, -1, 0);
    EXPECT_EQ(p, prima);
}
