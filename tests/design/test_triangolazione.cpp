#include "design/Triangolazione.h"
#include "model/Parete.h"
#include "PareteDiProva.h"
#include "test_triangolazione_insiemi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using insiemi::ConContorno;

Parete Rettangolare(float larghezza, float altezza) {
    return ConContorno(AnelloRettangolare(larghezza, altezza));
}

void ImpostaNodi(Parete& p, const std::vector<Punto>& posizioni) {
    p.NumNodi = static_cast<int>(posizioni.size());
    p.Nodi.assign(posizioni.size() + 1, Nodo{});
    for (std::size_t i = 0; i < posizioni.size(); ++i) {
        p.Nodi[i].Id = static_cast<std::int32_t>(i + 1);
        p.Nodi[i].X = posizioni[i].X;
        p.Nodi[i].Y = posizioni[i].Y;
    }
}

std::vector<Triangolo> Validi(const Parete& p) {
    return {p.Triangoli.begin(), p.Triangoli.begin() + (p.UltimoTriangolo + 1)};
}

bool StessoPunto(const Nodo& n, const Punto& q) { return n.X == q.X && n.Y == q.Y; }

// Whether some triangle has exactly these three corners, in any order.
bool HaTriangolo(const Parete& p, const std::array<Punto, 3>& angoli) {
    for (const Triangolo& t : Validi(p)) {
        const std::array<int, 3> nodi = {t.N1, t.N2, t.N3};
        bool tutti = true;
        for (const Punto& a : angoli) {
            tutti = tutti && std::any_of(nodi.begin(), nodi.end(),
                                         [&](int i) { return StessoPunto(p.Nodi[i], a); });
        }
        if (tutti) return true;
    }
    return false;
}

double AreaTriangolo(const Parete& p, const Triangolo& t) {
    const Nodo& a = p.Nodi[t.N1];
    const Nodo& b = p.Nodi[t.N2];
    const Nodo& c = p.Nodi[t.N3];
    return std::fabs((double(b.X) - a.X) * (double(c.Y) - a.Y) -
                     (double(c.X) - a.X) * (double(b.Y) - a.Y)) / 2.0;
}

// Nodes on a regular grid, each moved by up to a third of the spacing; the
// jitter comes from the raw engine so the layout is the same everywhere.
std::vector<Punto> GrigliaMossa(int colonne, int righe, float passo, unsigned seme) {
    std::mt19937 motore(seme);
    auto scarto = [&] { return (static_cast<float>(motore() % 2001) / 1000.0f - 1.0f) * passo / 3.0f; };
    std::vector<Punto> punti;
    for (int r = 0; r < righe; ++r) {
        for (int c = 0; c < colonne; ++c) {
            const float x = passo * (0.5f + c) + scarto();
            const float y = passo * (0.5f + r) + scarto();
            punti.push_back({x, y});
        }
    }
    return punti;
}

// Every triangle has three distinct real nodes and the triangles do not
// overlap: their areas add up to no more than the wall.
void VerificaMaglia(const Parete& p, double areaParete) {
    ASSERT_EQ(static_cast<int>(p.Triangoli.size()), p.UltimoTriangolo + 1);
    double somma = 0.0;
    for (const Triangolo& t : Validi(p)) {
        for (int i : {t.N1, t.N2, t.N3}) {
            ASSERT_GE(i, 0);
            ASSERT_LT(i, p.NumNodi);
        }
        ASSERT_TRUE(t.N1 != t.N2 && t.N2 != t.N3 && t.N3 != t.N1);
        somma += AreaTriangolo(p, t);
    }
    EXPECT_LE(somma, areaParete * (1.0 + 1e-6));
}

}  // namespace

struct CasoCerchio {
    const char* nome;
    std::array<float, 8> valori;  // xp, yp, x1, y1, x2, y2, x3, y3
    bool atteso;
};

TEST(InCerchio, TableOfCases) {
    const CasoCerchio casi[] = {
        {"centre, first side horizontal", {50, 50, 0, 0, 100, 0, 100, 100}, true},
        {"on the circle counts as inside", {0, 100, 0, 0, 100, 0, 100, 100}, true},
        {"just outside", {-1, 101, 0, 0, 100, 0, 100, 100}, false},
        {"second side horizontal", {50, 10, 0, 100, 0, 0, 100, 0}, true},
        {"no side horizontal", {50, 40, 0, 0, 100, 10, 40, 90}, true},
        {"no side horizontal, far", {300, 300, 0, 0, 100, 10, 40, 90}, false},
        {"all on one horizontal line", {50, 0, 0, 0, 50, 0, 100, 0}, false},
        {"all on one vertical line", {0, 50, 0, 0, 0, 50, 0, 100}, false},
        {"all on one slanted line", {25, 25, 0, 0, 50, 50, 100, 100}, false},
    };
    for (const auto& c : casi) {
        const auto& v = c.valori;
        EXPECT_EQ(InCerchio(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), c.atteso) << c.nome;
    }
}

// The wall reaches far beyond the nodes, so triangles that keep a helper
// vertex would have their centroid inside it.
TEST(TriangolaNodi, ThreeNodesGiveOneTriangle) {
    Parete p = ConContorno({{-1000, -1000}, {-1000, 1000}, {1000, 1000}, {1000, -1000}});
    ImpostaNodi(p, {{0, 0}, {100, 0}, {50, 80}});
    TriangolaNodi(p);
    ASSERT_EQ(p.UltimoTriangolo, 0);
    EXPECT_TRUE(HaTriangolo(p, {{{0, 0}, {100, 0}, {50, 80}}}));
}

// A flat triangle along the hull has a circumcircle so large that it holds a
// vertex of the enclosing triangle: it never forms.
TEST(TriangolaNodi, FlatHullTriangleIsMissing) {
    Parete p = Rettangolare(100, 100);
    ImpostaNodi(p, {{0, 0}, {100, 0}, {50, 5}});
    TriangolaNodi(p);
    EXPECT_EQ(p.UltimoTriangolo, -1);
}

// The four corners of a square lie on one circle: the node inserted last
// takes the diagonal.
TEST(TriangolaNodi, DiagonalOfASquareEndsAtTheLastInsertedNode) {
    struct Caso {
        std::vector<Punto> nodi;
        std::array<Punto, 2> diagonale;
    };
    const Caso casi[] = {
        {{{0, 0}, {100, 0}, {100, 100}, {0, 100}}, {{{0, 100}, {100, 0}}}},
        {{{0, 100}, {100, 100}, {100, 0}, {0, 0}}, {{{0, 0}, {100, 100}}}},
    };
    for (const Caso& c : casi) {
        Parete p = Rettangolare(100, 100);
        ImpostaNodi(p, c.nodi);
        TriangolaNodi(p);
        ASSERT_EQ(p.UltimoTriangolo, 1);
        const Punto a = c.diagonale[0];
        const Punto b = c.diagonale[1];
        for (const Punto& terzo : c.nodi) {
            if ((terzo.X == a.X && terzo.Y == a.Y) || (terzo.X == b.X && terzo.Y == b.Y)) continue;
            EXPECT_TRUE(HaTriangolo(p, {a, b, terzo}))
                << "diagonal (" << a.X << "," << a.Y << ")-(" << b.X << "," << b.Y << ")";
        }
    }
}

TEST(TriangolaNodi, FewOrCollinearNodesGiveNoTriangle) {
    const std::vector<std::vector<Punto>> casi = {
        {{10, 10}},
        {{10, 10}, {90, 40}},
        {{0, 50}, {25, 50}, {50, 50}, {75, 50}, {100, 50}},
        {{50, 0}, {50, 30}, {50, 60}, {50, 100}},
        {{0, 0}, {20, 20}, {40, 40}, {60, 60}, {80, 80}},
        {{30, 30}, {30, 30}, {30, 30}},
    };
    for (std::size_t n = 0; n < casi.size(); ++n) {
        Parete p = Rettangolare(100, 100);
        ImpostaNodi(p, casi[n]);
        TriangolaNodi(p);
        EXPECT_EQ(p.UltimoTriangolo, -1) << "case " << n;
        EXPECT_TRUE(p.Triangoli.empty()) << "case " << n;
    }
}

TEST(TriangolaNodi, TriangleWithCentroidInAnOpeningIsDropped) {
    const std::vector<Punto> nodi = {{0, 0}, {100, 0}, {50, 90}};
    for (const bool conApertura : {false, true}) {
        Parete p = Rettangolare(100, 100);
        // Around the centroid (50, 30); every corner stays outside it.
        if (conApertura) AggiungiApertura(p, {{40, 20}, {40, 40}, {60, 40}, {60, 20}});
        ImpostaNodi(p, nodi);
        TriangolaNodi(p);
        EXPECT_EQ(p.UltimoTriangolo, conApertura ? -1 : 0) << conApertura;
    }
}

TEST(TriangolaNodi, OnlyTheOpeningsTriangleGoesWhenThereAreOthers) {
    Parete p = Rettangolare(300, 300);
    AggiungiApertura(p, {{100, 100}, {100, 200}, {200, 200}, {200, 100}});
    ImpostaNodi(p, GrigliaMossa(6, 6, 50.0f, 7));
    TriangolaNodi(p);
    ASSERT_GT(p.UltimoTriangolo, 0);
    for (const Triangolo& t : Validi(p)) {
        const float cx = (p.Nodi[t.N1].X + p.Nodi[t.N2].X + p.Nodi[t.N3].X) / 3.0f;
        const float cy = (p.Nodi[t.N1].Y + p.Nodi[t.N2].Y + p.Nodi[t.N3].Y) / 3.0f;
        EXPECT_FALSE(cx > 100 && cx < 200 && cy > 100 && cy < 200) << cx << "," << cy;
    }
    VerificaMaglia(p, 300.0 * 300.0 - 100.0 * 100.0);
}

// L-shaped wall: the triangle bridging the re-entrant corner has its centroid
// outside the wall and goes; on a full rectangle the same nodes keep it.
TEST(TriangolaNodi, TriangleAcrossAReentrantCornerIsDropped) {
    const std::vector<Punto> nodi = {{0, 0}, {200, 0}, {200, 100}, {100, 100}, {100, 200}, {0, 200}, {50, 50}};
    const std::array<Punto, 3> ponte = {{{200, 100}, {100, 200}, {100, 100}}};
    Parete rettangolo = Rettangolare(200, 200);
    ImpostaNodi(rettangolo, nodi);
    TriangolaNodi(rettangolo);
    EXPECT_TRUE(HaTriangolo(rettangolo, ponte));

    Parete elle = ConContorno({{0, 0}, {0, 200}, {100, 200}, {100, 100}, {200, 100}, {200, 0}});
    ImpostaNodi(elle, nodi);
    TriangolaNodi(elle);
    EXPECT_FALSE(HaTriangolo(elle, ponte));
    EXPECT_EQ(elle.UltimoTriangolo, rettangolo.UltimoTriangolo - 1);
}

TEST(TriangolaNodi, NoNodesLeavesNoTriangleOfThePreviousWall) {
    Parete p = Rettangolare(100, 100);
    ImpostaNodi(p, {{0, 0}, {100, 0}, {50, 80}});
    TriangolaNodi(p);
    ASSERT_EQ(p.UltimoTriangolo, 0);

    ImpostaNodi(p, {});
    TriangolaNodi(p);
    EXPECT_EQ(p.UltimoTriangolo, -1);
    EXPECT_TRUE(p.Triangoli.empty());
}

// Scattered nodes give a proper Delaunay mesh: no node lies inside the
// circumcircle of a kept triangle, and only a few hull triangles are missing.
TEST(TriangolaNodi, ScatteredNodesGiveADelaunayMesh) {
    const float passo = 20.0f;
    Parete p = Rettangolare(20 * passo, 15 * passo);
    ImpostaNodi(p, GrigliaMossa(20, 15, passo, 11));
    TriangolaNodi(p);
    VerificaMaglia(p, 20.0 * passo * 15.0 * passo);

    const int n = p.NumNodi;
    EXPECT_LE(p.UltimoTriangolo + 1, 2 * n - 5);
    EXPECT_GE(p.UltimoTriangolo + 1, 2 * n - 2 - 2 * (20 + 15));
    for (const Triangolo& t : Validi(p)) {
        const Nodo& a = p.Nodi[t.N1];
        const Nodo& b = p.Nodi[t.N2];
        const Nodo& c = p.Nodi[t.N3];
        const double d = 2.0 * (a.X * (double(b.Y) - c.Y) + b.X * (double(c.Y) - a.Y) + c.X * (double(a.Y) - b.Y));
        const double a2 = double(a.X) * a.X + double(a.Y) * a.Y;
        const double b2 = double(b.X) * b.X + double(b.Y) * b.Y;
        const double c2 = double(c.X) * c.X + double(c.Y) * c.Y;
        const double xc = (a2 * (double(b.Y) - c.Y) + b2 * (double(c.Y) - a.Y) + c2 * (double(a.Y) - b.Y)) / d;
        const double yc = (a2 * (double(c.X) - b.X) + b2 * (double(a.X) - c.X) + c2 * (double(b.X) - a.X)) / d;
        const double r2 = (a.X - xc) * (a.X - xc) + (a.Y - yc) * (a.Y - yc);
        for (int i = 0; i < n; ++i) {
            const double d2 = (p.Nodi[i].X - xc) * (p.Nodi[i].X - xc) + (p.Nodi[i].Y - yc) * (p.Nodi[i].Y - yc);
            ASSERT_GE(d2, r2 * (1.0 - 1e-4)) << "node " << i << " inside a circumcircle";
        }
    }
}

// More nodes than 16-bit counters allow: the triangle count passes 32767.
TEST(TriangolaNodi, MoreThan16383NodesTriangulate) {
    const int colonne = 140;
    const int righe = 120;
    const float passo = 10.0f;
    Parete p = Rettangolare(colonne * passo, righe * passo);
    ImpostaNodi(p, GrigliaMossa(colonne, righe, passo, 3));
    ASSERT_GT(p.NumNodi, 16383);
    TriangolaNodi(p);
    VerificaMaglia(p, double(colonne) * passo * righe * passo);

    EXPECT_GT(p.UltimoTriangolo, 32767);
    EXPECT_GE(p.UltimoTriangolo + 1, 2 * p.NumNodi - 2 - 2 * (colonne + righe));
    const bool ultimoNodo = std::any_of(p.Triangoli.begin(), p.Triangoli.end(), [&](const Triangolo& t) {
        return std::max({t.N1, t.N2, t.N3}) == p.NumNodi - 1;
    });
    EXPECT_TRUE(ultimoNodo);
}
