#include "model/Parete.h"
#include "model/Poligoni.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An L-shaped wall, clockwise, with the notch at the top right (re-entrant
// corner at (100, 100)), one rectangular opening and the frame around it.
Parete PareteAElle() {
    Parete parete = PareteDaContorno({{0, 0}, {0, 300}, {100, 300}, {100, 100}, {300, 100}, {300, 0}});
    AggiungiApertura(parete, 20, 150, 80, 250);
    parete.XminCornice = -100;
    parete.YminCornice = -100;
    parete.XmaxCornice = 400;
    parete.YmaxCornice = 400;
    return parete;
}

TEST(PuntiInSensoOrario, SquareBothWaysAnywhere) {
    const std::vector<Punto> orario = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
    std::vector<Punto> antiorario = orario;
    InvertiPunti(antiorario);
    EXPECT_TRUE(PuntiInSensoOrario(orario));
    EXPECT_FALSE(PuntiInSensoOrario(antiorario));

    std::vector<Punto> lontano = orario;
    for (Punto& p : lontano) {
        p.X += 5000;
        p.Y -= 3000;
    }
    EXPECT_TRUE(PuntiInSensoOrario(lontano));
}

TEST(PuntiInSensoOrario, DegenerateArraysCountAsClockwise) {
    EXPECT_TRUE(PuntiInSensoOrario({{0, 0}, {5, 5}}));
    EXPECT_TRUE(PuntiInSensoOrario({}));
    EXPECT_TRUE(PuntiInSensoOrario({{0, 0}, {5, 5}, {10, 10}, {0, 0}}));  // zero area
}

TEST(InvertiPunti, ClosedArrayStaysClosed) {
    std::vector<Punto> p = Chiuso({{0, 0}, {0, 10}, {10, 10}});
    InvertiPunti(p);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_FLOAT_EQ(p[1].X, 10);
    EXPECT_FLOAT_EQ(p[1].Y, 10);
    EXPECT_FLOAT_EQ(p.front().X, p.back().X);
    EXPECT_FLOAT_EQ(p.front().Y, p.back().Y);
}

TEST(VerticiInSensoOrario, OpenSquareEmptyAndCollinear) {
    const std::vector<Vertice> quadrato = {{0, 0, 0}, {0, 10, 0}, {10, 10, 0}, {10, 0, 0}};
    EXPECT_TRUE(VerticiInSensoOrario(quadrato));
    std::vector<Vertice> inverso = quadrato;
    InvertiVertici(inverso);
    EXPECT_FALSE(VerticiInSensoOrario(inverso));
    EXPECT_FALSE(VerticiInSensoOrario({}));
    EXPECT_FALSE(VerticiInSensoOrario({{0, 0, 0}, {5, 5, 0}, {10, 10, 0}}));
}

TEST(InvertiVertici, TagsMoveWithTheirVertex) {
    std::vector<Vertice> v = {{0, 0, -1}, {5, 0, 3}, {5, 5, -99}};
    InvertiVertici(v);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_FLOAT_EQ(v[0].X, 5);
    EXPECT_FLOAT_EQ(v[0].Y, 5);
    EXPECT_EQ(v[0].Marca, -99);
    EXPECT_FLOAT_EQ(v[1].X, 5);
    EXPECT_FLOAT_EQ(v[1].Y, 0);
    EXPECT_EQ(v[1].Marca, 3);
    EXPECT_FLOAT_EQ(v[2].X, 0);
    EXPECT_EQ(v[2].Marca, -1);
}

struct CasoPunto {
    float x, y;
    bool dentro;
};

TEST(PuntoInPerimetro, OutlineWithReentrantCorner) {
    const Parete parete = PareteAElle();
    const std::vector<CasoPunto> casi = {
        {50, 50, true},     // foot of the L
        {250, 50, true},    // far end of the foot
        {50, 280, true},    // top of the stem
        {150, 150, false},  // in the notch, just past the re-entrant corner
        {250, 250, false},  // deep in the notch
        {99, 101, true},    // just inside the re-entrant corner
        {101, 101, false},  // just outside it
        {-10, 50, false},   // left of the wall
        {350, 50, false},   // right of the wall
        {50, 310, false},   // above the stem
        {50, 200, true},    // inside the opening: the outline ignores it
    };
    for (const CasoPunto& c : casi) {
        EXPECT_EQ(PuntoInPerimetro(parete, c.x, c.y, -1), c.dentro) << c.x << ", " << c.y;
    }
}

TEST(PuntoInPerimetro, Opening) {
    const Parete parete = PareteAElle();
    EXPECT_TRUE(PuntoInPerimetro(parete, 50, 200, 0));
    EXPECT_FALSE(PuntoInPerimetro(parete, 50, 100, 0));
    EXPECT_FALSE(PuntoInPerimetro(parete, 90, 200, 0));
}

TEST(PuntoInPerimetro, OpeningIndexThatNamesNoOpeningIsOutside) {
    const Parete parete = PareteAElle();
    EXPECT_FALSE(PuntoInPerimetro(parete, 50, 200, 1));
    EXPECT_FALSE(PuntoInPerimetro(parete, 50, 200, 500));
}

TEST(PuntoInPerimetro, NoWallLoaded) {
    const Parete parete;
    EXPECT_FALSE(PuntoInPerimetro(parete, 0, 0, -1));
    EXPECT_FALSE(PuntoInPerimetro(parete, 0, 0, 0));
}

PosizioneArm Zona(float x0, float y0, float x1, float y1) {
    PosizioneArm zona;
    zona.Vertici = {Punto{x0, y0}, Punto{x0, y1}, Punto{x1, y1}, Punto{x1, y0}};
    zona.XMin = x0;
    zona.YMin = y0;
    zona.XMax = x1;
    zona.YMax = y1;
    return zona;
}

TEST(PuntoInZona, CurrentAndStoredPositions) {
    Parete parete = PareteAElle();
    StatoInterfaccia stato;
    stato.PosCorrente = Zona(10, 10, 60, 40);
    parete.Posizioni = {Zona(200, 20, 280, 90), Zona(10, 10, 60, 40)};
    parete.UltPosizione = 1;

    EXPECT_TRUE(PuntoInZonaCorrente(stato, 30, 30));
    EXPECT_FALSE(PuntoInZonaCorrente(stato, 70, 30));
    EXPECT_FALSE(PuntoInZonaCorrente(stato, 30, 45));

    EXPECT_TRUE(PuntoInZonaPos(parete, 0, 250, 50));
    EXPECT_FALSE(PuntoInZonaPos(parete, 0, 30, 30));
    EXPECT_TRUE(PuntoInZonaPos(parete, 1, 30, 30));
}

TEST(PuntoInZona, IndexThatNamesNoPositionIsOutside) {
    Parete parete = PareteAElle();
    parete.Posizioni = {Zona(10, 10, 60, 40)};
    EXPECT_FALSE(PuntoInZonaPos(parete, 1, 30, 30));
    EXPECT_FALSE(PuntoInZonaPos(parete, -1, 30, 30));
}

TEST(PuntoInPoligono, ReentrantVertexPolygon) {
    const Parete parete = PareteAElle();
    const std::vector<Vertice> elle = {{0, 0, -99}, {0, 300, -99}, {100, 300, 0},
                                       {100, 100, -1}, {300, 100, 2}, {300, 0, -99}};
    EXPECT_TRUE(PuntoInPoligono(parete, elle, 50, 200));
    EXPECT_TRUE(PuntoInPoligono(parete, elle, 250, 50));
    EXPECT_FALSE(PuntoInPoligono(parete, elle, 200, 200));
    EXPECT_FALSE(PuntoInPoligono(parete, elle, -5, 50));
    EXPECT_FALSE(PuntoInPoligono(parete, {}, 50, 50));
}

std::vector<Vertice> Cinque() {
    return {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {4, 0, 4}};
}

std::vector<int> Marche(const std::vector<Vertice>& v) {
    std::vector<int> m;
    for (const Vertice& w : v) m.push_back(w.Marca);
    return m;
}

TEST(EliminaVertice, RemovesOneAndIgnoresBadIndexes) {
    std::vector<Vertice> v = Cinque();
    EliminaVertice(2, v);
    EXPECT_EQ(Marche(v), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_FLOAT_EQ(v[2].X, 3);

    for (int i : {7, 5, -1}) {
        v = Cinque();
        EliminaVertice(i, v);
        EXPECT_EQ(Marche(v), (std::vector<int>{0, 1, 2, 3, 4})) << i;
    }

    v = Cinque();
    EliminaVertice(4, v);
    EXPECT_EQ(Marche(v), (std::vector<int>{0, 1, 2, 3}));
}

TEST(EliminaVertice, OnlyVertexLeavesAUsableEmptyArray) {
    std::vector<Vertice> v = {{7, 8, -1}};
    EliminaVertice(0, v);
    EXPECT_TRUE(v.empty());
    // The emptied array is still safe to pass on.
    EliminaVertice(0, v);
    InserisciVertice(0, v, Vertice{1, 1, 1});
    InvertiVertici(v);
    EXPECT_TRUE(v.empty());
    EXPECT_FALSE(VerticiInSensoOrario(v));
    EXPECT_FALSE(PuntoInPoligono(PareteAElle(), v, 0, 0));
}

TEST(InserisciVertice, ShiftsUpIntoTheSpareElement) {
    std::vector<Vertice> v = Cinque();
    InserisciVertice(1, v, Vertice{9, 9, 99});
    EXPECT_EQ(Marche(v), (std::vector<int>{0, 99, 1, 2, 3}));
    EXPECT_FLOAT_EQ(v[1].X, 9);

    v = Cinque();
    InserisciVertice(4, v, Vertice{9, 9, 99});
    EXPECT_EQ(Marche(v), (std::vector<int>{0, 1, 2, 3, 99}));

    v = Cinque();
    InserisciVertice(0, v, Vertice{9, 9, 99});
    EXPECT_EQ(Marche(v), (std::vector<int>{99, 0, 1, 2, 3}));

    for (int i : {5, -1}) {
        v = Cinque();
        InserisciVertice(i, v, Vertice{9, 9, 99});
        EXPECT_EQ(Marche(v), (std::vector<int>{0, 1, 2, 3, 4})) << i;
    }
}

}  // namespace
