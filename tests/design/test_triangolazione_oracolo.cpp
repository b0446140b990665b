// The fast triangulation against the plain documented one, on node sets where
// the float construction is hardest to reproduce: the same triangles, and in
// the same order, which the colour maps draw in.

#include "design/LeggiParete.h"
#include "design/Triangolazione.h"
#include "design/TriangolazioneSemplice.h"
#include "model/Parete.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "test_triangolazione_insiemi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

using namespace insiemi;

namespace {

std::vector<std::array<int, 3>> TerneOrdinate(const std::vector<Triangolo>& triangoli) {
    std::vector<std::array<int, 3>> terne;
    for (const Triangolo& t : triangoli) terne.push_back({t.N1, t.N2, t.N3});
    std::sort(terne.begin(), terne.end());
    return terne;
}

enum class Atteso { Triangoli, Nessuno };

struct Caso {
    std::string nome;
    Parete parete;
    Atteso atteso = Atteso::Triangoli;
};

void VerificaComeSemplice(const Caso& caso) {
    Parete veloce = caso.parete;
    Parete semplice = caso.parete;
    TriangolaNodi(veloce);
    TriangolaNodiSemplice(semplice);
    EXPECT_EQ(TerneOrdinate(veloce.Triangoli), TerneOrdinate(semplice.Triangoli)) << caso.nome;
    EXPECT_EQ(veloce.Triangoli, semplice.Triangoli) << caso.nome << ": same triangles, another order";
    EXPECT_EQ(veloce.UltimoTriangolo, semplice.UltimoTriangolo) << caso.nome;
    EXPECT_EQ(semplice.UltimoTriangolo >= 0, caso.atteso == Atteso::Triangoli) << caso.nome;
}

Parete ConApertura(Parete p, float x1, float y1, float x2, float y2) {
    AggiungiApertura(p, x1, y1, x2, y2);
    return p;
}

template <class Modifica>
std::vector<Punto> Con(std::vector<Punto> punti, Modifica modifica) {
    modifica(punti);
    return punti;
}

}  // namespace

TEST(TriangolaNodiComeSemplice, JitteredAndScatteredNodes) {
    const Caso casi[] = {
        {"jittered 20 x 15", PareteAttorno(GrigliaMossa(20, 15, 20.0f, 11))},
        {"jittered 50 x 40", PareteAttorno(GrigliaMossa(50, 40, 25.0f, 3))},
        {"jittered, fine spacing", PareteAttorno(GrigliaMossa(60, 25, 0.5f, 8))},
        {"scattered 300", PareteAttorno(PuntiSparsi(300, 800, 400, 1))},
        {"scattered 2500 on the 0.1 grid", PareteAttorno(PuntiSparsi(2500, 2000, 900, 2))},
        {"scattered 1500 in a thin strip", PareteAttorno(PuntiSparsi(1500, 3000, 30, 4))},
        {"jittered with an opening",
         ConApertura(PareteAttorno(GrigliaMossa(30, 20, 20.0f, 5)), 150, 100, 330, 260)},
    };
    for (const Caso& c : casi) VerificaComeSemplice(c);
}

TEST(TriangolaNodiComeSemplice, ExactGridsInSeveralOrders) {
    const std::pair<const char*, Ordine> ordini[] = {
        {"rows", Ordine::Righe},          {"columns", Ordine::Colonne},       {"reversed", Ordine::Inverso},
        {"serpentine", Ordine::Serpentina}, {"from the centre", Ordine::DalCentro}, {"shuffled", Ordine::Mescolato},
    };
    for (const auto& [nome, ordine] : ordini) {
        VerificaComeSemplice({std::string("12 x 9, ") + nome, PareteAttorno(GrigliaEsatta(12, 9, 10.0f, ordine))});
        VerificaComeSemplice({std::string("45 x 30 at wall coordinates, ") + nome,
                              PareteAttorno(GrigliaEsatta(45, 30, 12.5f, ordine, 1250.3f, 340.7f))});
        VerificaComeSemplice({std::string("40 x 40 at 0.1 cm, ") + nome,
                              PareteAttorno(GrigliaEsatta(40, 40, 0.1f, ordine, 1250.0f, 340.0f))});
    }
}

TEST(TriangolaNodiComeSemplice, CollinearRunsAndDuplicates) {
    const std::vector<Punto> griglia = GrigliaMossa(20, 12, 20.0f, 21);
    const Caso casi[] = {
        {"a run 0.1 cm apart across a mesh", PareteAttorno(Con(griglia, [](std::vector<Punto>& p) {
             for (int i = 0; i < 300; ++i) p.push_back({100.0f + 0.1f * i, 117.3f});
         }))},
        {"a slanted exact run before a mesh", PareteAttorno(Con(RettaEsatta(150, 5, -3), [&](std::vector<Punto>& p) {
             for (const Punto& q : GrigliaMossa(12, 8, 2.0f, 9)) p.push_back({1020.0f + q.X, 505.0f + q.Y});
         })), Atteso::Triangoli},
        {"a vertical run inside a mesh", PareteAttorno(Con(griglia, [](std::vector<Punto>& p) {
             p.insert(p.begin() + 100, 80, Punto{});
             for (int i = 0; i < 80; ++i) p[100 + i] = {211.1f, 10.0f + 2.5f * i};
         }))},
        {"every node twice in a row: the limit stops it", PareteAttorno(Con(griglia, [](std::vector<Punto>& p) {
             std::vector<Punto> doppi;
             for (const Punto& q : p) doppi.insert(doppi.end(), {q, q});
             p = doppi;
         })), Atteso::Nessuno},
        {"the mesh listed twice", PareteAttorno(Con(griglia, [](std::vector<Punto>& p) {
             p.insert(p.end(), p.begin(), p.end());
         }))},
        {"an exact grid with triplicates", PareteAttorno(Con(GrigliaEsatta(15, 10, 10.0f, Ordine::Mescolato),
                                                              [](std::vector<Punto>& p) {
                                                                  for (int i = 0; i < 150; i += 7) p.insert(p.end(), {p[i], p[i]});
                                                              }))},
        {"nodes on one slanted line", PareteAttorno(RettaEsatta(129, -3, -10)), Atteso::Nessuno},
        {"a flat gentle curve", PareteAttorno(CurvaDolce(800, 0.5, 0.0, 20.0))},
        {"a slanted gentle curve", PareteAttorno(CurvaDolce(1500, 0.3, 1.0, 3.0))},
        {"a longer slanted gentle curve: the limit stops it", PareteAttorno(CurvaDolce(2000, 0.3, 1.0, 3.0)), Atteso::Nessuno},
    };
    for (const Caso& c : casi) VerificaComeSemplice(c);
}

TEST(TriangolaNodiComeSemplice, TinySets) {
    const Caso casi[] = {
        {"one node", PareteAttorno({{10, 10}}), Atteso::Nessuno},
        {"two nodes", PareteAttorno({{10, 10}, {90, 40}}), Atteso::Nessuno},
        {"three nodes", PareteAttorno({{0, 0}, {100, 0}, {50, 80}})},
        {"three equal nodes", PareteAttorno({{30, 30}, {30, 30}, {30, 30}}), Atteso::Nessuno},
        {"a square", PareteAttorno({{0, 0}, {100, 0}, {100, 100}, {0, 100}})},
        {"a square, other order", PareteAttorno({{0, 100}, {100, 100}, {100, 0}, {0, 0}})},
        {"a square and its centre", PareteAttorno({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {50, 50}})},
        {"the centre first", PareteAttorno({{50, 50}, {0, 0}, {100, 0}, {100, 100}, {0, 100}})},
        {"a pentagon of duplicates", PareteAttorno({{0, 0}, {100, 0}, {0, 0}, {120, 80}, {50, 130}, {100, 0}, {-20, 80}})},
    };
    for (const Caso& c : casi) VerificaComeSemplice(c);
}

// Openings, a re-entrant corner and a collinear outline vertex: the centroid
// filter decides many triangles near the outline.
TEST(TriangolaNodiComeSemplice, GeneratedWalls) {
    for (const int nodi : {60, 300, 1000, 4000}) {
        VerificaComeSemplice({"generated wall of " + std::to_string(nodi) + " nodes", PareteGenerata(nodi)});
    }
    // The same walls with every node of a full grid over the box: triangles
    // bridge the corner and the openings.
    Parete pieno = PareteGenerata(300);
    std::vector<Punto> nodi = GrigliaEsatta(41, 21, 10.0f, Ordine::Righe, 1250.0f, 340.0f);
    ImpostaNodi(pieno, nodi);
    VerificaComeSemplice({"a full grid over the generated outline", pieno});
}

TEST(TriangolaNodiComeSemplice, TheBundledSampleWall) {
    Sessione s;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(s, PercorsoEsempio("PARETE_ESEMPIO.SET"), finestra).Riuscito());
    ASSERT_GT(s.parete.NumNodi, 0);
    VerificaComeSemplice({"sample wall", s.parete});
}
