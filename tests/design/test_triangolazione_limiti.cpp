// The construction stops at its documented limits instead of running away,
// and nodes on one line give no triangle.

#include "design/Triangolazione.h"
#include "design/TriangolazioneComune.h"
#include "design/TriangolazioneLati.h"
#include "model/Parete.h"
#include "test_triangolazione_insiemi.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

using namespace insiemi;

// Nodes rounded to 0.1 cm along a slanted gentle arc keep flat triangles that
// are never removed; without the limits thousands of them froze the program.
TEST(TriangolaNodiLimiti, ThousandsOfNearlyCollinearNodesStopAndLeaveNoTriangle) {
    Parete p = PareteAttorno(GrigliaMossa(10, 10, 20.0f, 1));
    TriangolaNodi(p);
    ASSERT_GT(p.UltimoTriangolo, 0);

    for (const int nodi : {3000, 6000, 8000}) {
        Parete curva = p;
        const std::vector<Punto> punti = CurvaDolce(nodi, 0.3, 1.0, 3.0);
        curva = PareteAttorno(punti);
        curva.Triangoli = p.Triangoli;
        curva.UltimoTriangolo = p.UltimoTriangolo;
        TriangolaNodi(curva);
        EXPECT_EQ(curva.UltimoTriangolo, -1) << nodi;
        EXPECT_TRUE(curva.Triangoli.empty()) << nodi;
    }
}

TEST(TriangolaNodiLimiti, NodesOnOneLineGiveNoTriangle) {
    struct Caso {
        const char* nome;
        std::vector<Punto> nodi;
    };
    // Each of these kept a flat triangle through float rounding.
    const Caso casi[] = {
        {"three nodes, two of them equal", {{1024.0f, 512.0f}, {1022.5f, 512.0234375f}, {1024.0f, 512.0f}}},
        {"129 nodes on a slanted line", RettaEsatta(129, -3, -10)},
        {"173 nodes on a steep line", RettaEsatta(173, 1, 8)},
    };
    for (const Caso& c : casi) {
        Parete p = PareteAttorno(c.nodi);
        TriangolaNodi(p);
        EXPECT_EQ(p.UltimoTriangolo, -1) << c.nome;
        EXPECT_TRUE(p.Triangoli.empty()) << c.nome;
    }
}

TEST(AngoliAllineati, ExactOnTheStoredFloats) {
    struct Caso {
        const char* nome;
        std::array<Punto, 3> angoli;
        bool atteso;
    };
    const Caso casi[] = {
        {"exactly on a slanted line", {{{1024.0f, 512.0f}, {1024.0f - 3.0f / 64.0f, 512.0f - 10.0f / 4096.0f},
                                         {1024.0f - 300.0f / 64.0f, 512.0f - 1000.0f / 4096.0f}}}, true},
        {"one unit in the last place off the line",
         {{{1024.0f, 512.0f}, {1024.0f - 3.0f / 64.0f, 512.0f - 10.0f / 4096.0f},
           {1024.0f - 300.0f / 64.0f, std::nextafter(512.0f - 1000.0f / 4096.0f, 0.0f)}}}, false},
        {"two equal corners", {{{1250.3f, 340.7f}, {1250.3f, 340.7f}, {1300.1f, 400.9f}}}, true},
        {"a proper triangle", {{{0.0f, 0.0f}, {100.0f, 0.0f}, {50.0f, 80.0f}}}, false},
        {"large and tiny coordinates", {{{1.0e7f, 1.0e7f}, {1.0e-7f, 1.0e-7f}, {-3.0e6f, -3.0e6f}}}, true},
    };
    for (const Caso& c : casi) {
        const std::vector<Punto> punti(c.angoli.begin(), c.angoli.end());
        EXPECT_EQ(AngoliAllineati(punti, Triangolo{0, 1, 2}), c.atteso) << c.nome;
    }
}

// The hash leaves the edges that the pairwise scan leaves: an edge cancels
// the earliest open listing in the opposite direction, never one in its own.
TEST(LatiCavita, CancelLikeThePairwiseScan) {
    struct Caso {
        const char* nome;
        std::vector<std::array<int, 2>> lati;
        std::vector<bool> aperti;
    };
    const Caso casi[] = {
        {"a shared edge", {{1, 2}, {2, 3}, {2, 1}}, {false, true, false}},
        {"the same direction twice", {{1, 2}, {1, 2}}, {true, true}},
        {"the earliest goes first", {{1, 2}, {1, 2}, {2, 1}}, {false, true, false}},
        {"a third listing stays", {{1, 2}, {2, 1}, {1, 2}}, {false, false, true}},
        {"two pairs", {{5, 7}, {7, 5}, {7, 5}, {5, 7}}, {false, false, false, false}},
        {"a node with itself", {{4, 4}, {4, 4}, {4, 4}}, {false, false, true}},
    };
    LatiCavita lati;
    for (const Caso& c : casi) {
        lati.Prepara(c.lati.size());
        for (const auto& [inizio, fine] : c.lati) lati.Aggiungi(inizio, fine);
        std::vector<bool> aperti;
        for (const LatoCavita& l : lati.Lati()) aperti.push_back(!l.Annullato);
        EXPECT_EQ(aperti, c.aperti) << c.nome;
    }
}

// A small cavity is cancelled by a scan, a large one through the hash table:
// the same edges, in pairs, repeats and loops, must come out open or
// cancelled alike whichever way they go.
TEST(LatiCavita, ScanAndTableCancelAlike) {
    std::mt19937 motore(17);
    LatiCavita scansione;
    LatiCavita tabella;
    for (int giro = 0; giro < 300; ++giro) {
        const std::size_t quanti = 1 + motore() % 30;
        const int nodi = 2 + static_cast<int>(motore() % 6);
        scansione.Prepara(quanti);
        tabella.Prepara(1000);
        for (std::size_t k = 0; k < quanti; ++k) {
            const int inizio = static_cast<int>(motore() % nodi);
            const int fine = static_cast<int>(motore() % nodi);
            scansione.Aggiungi(inizio, fine);
            tabella.Aggiungi(inizio, fine);
        }
        const auto aperti = [](const LatiCavita& lati) {
            std::vector<std::array<int, 3>> v;
            for (const LatoCavita& l : lati.Lati()) v.push_back({l.Inizio, l.Fine, l.Annullato ? 0 : 1});
            return v;
        };
        ASSERT_EQ(aperti(scansione), aperti(tabella)) << "round " << giro;
    }
}
