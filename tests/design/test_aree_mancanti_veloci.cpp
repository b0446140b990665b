// The missing areas found through the node grid against the plain loop over
// every position and node, on generated walls.

#include "design/AreeMancanti.h"
#include "design/AreeMancantiSemplice.h"
#include "model/Poligoni.h"
#include "model/Sessione.h"

#include "Fixture.h"
#include "PareteGenerata.h"
#include "bench/GrigliaZoneBench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

float SuGriglia(double v) { return static_cast<float>(std::round(v * 10.0) / 10.0); }

// Corners clockwise, with the record's box around them, as a stored zone has.
void ImpostaAngoli(PosizioneArm& z, std::array<Punto, 4> angoli) {
    double area = 0.0;
    for (int i = 0; i < 4; ++i) {
        const Punto a = angoli[i], b = angoli[(i + 1) % 4];
        area += static_cast<double>(a.X) * b.Y - static_cast<double>(b.X) * a.Y;
    }
    if (area > 0.0) std::reverse(angoli.begin(), angoli.end());
    z.Vertici = angoli;
    z.XMin = z.XMax = angoli[0].X;
    z.YMin = z.YMax = angoli[0].Y;
    for (const Punto& v : angoli) {
        z.XMin = std::min(z.XMin, v.X);
        z.XMax = std::max(z.XMax, v.X);
        z.YMin = std::min(z.YMin, v.Y);
        z.YMax = std::max(z.YMax, v.Y);
    }
}

// 200 positions around nodes of the wall: turned at many angles with their
// corners on the 0.1 cm grid, every third lower than 15 cm, every fifth a
// box whose corners are nodes (so that rows of nodes lie on its sides), every
// seventh a ring beam; faces and directions mixed, many overlapping.
void AggiungiZoneRuotate(Parete& p) {
    std::uint32_t seme = 12345u;
    const auto caso = [&seme](int n) {
        seme = seme * 1664525u + 1013904223u;
        return static_cast<int>((seme >> 8) % static_cast<std::uint32_t>(n));
    };
    constexpr double Angoli[] = {0.0, 90.0, 15.0, 30.0, 45.0, 60.0, 120.0, 137.5, 163.3, 7.1};
    p.Posizioni.assign(201, PosizioneArm{});
    for (int k = 0; k < 200; ++k) {
        PosizioneArm& z = p.Posizioni[k];
        const Nodo& centro = p.Nodi[caso(p.NumNodi)];
        if (k % 5 == 0) {
            const Nodo& altro = p.Nodi[caso(p.NumNodi)];
            const float x0 = std::min(centro.X, altro.X), x1 = std::max(centro.X, altro.X);
            const float y0 = std::min(centro.Y, altro.Y), y1 = std::max(centro.Y, altro.Y);
            ImpostaAngoli(z, {Punto{x0, y0}, Punto{x0, y1}, Punto{x1, y1}, Punto{x1, y0}});
        } else {
            const double a = Angoli[caso(10)] * 3.14159265358979 / 180.0;
            const double w = 10.0 + caso(3000) / 10.0;
            const double h = k % 3 == 0 ? 2.0 + caso(120) / 10.0 : 10.0 + caso(2000) / 10.0;
            const double c = std::cos(a), s = std::sin(a);
            std::array<Punto, 4> angoli;
            const double lati[4][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
            for (int i = 0; i < 4; ++i) {
                const double u = lati[i][0] * w / 2.0, v = lati[i][1] * h / 2.0;
                angoli[i] = Punto{SuGriglia(centro.X + u * c - v * s), SuGriglia(centro.Y + u * s + v * c)};
            }
            ImpostaAngoli(z, angoli);
            z.Angolo = static_cast<float>(a);
        }
        z.Diametro = 10 + 2 * caso(6);
        z.Passo = 10.0f + 5.0f * caso(4);
        z.Direzione = caso(2);
        z.Tipo = k % 2 == 0 ? IntegrativaPiu : IntegrativaMeno;
        if (k % 7 == 3) {
            z.Tipo = Cordolo;
            z.DiamCorrenti = 16;
            z.NumBracci = 2;
            z.Larghezza = 24.0f;
            z.CopriferroCordolo = 3.0f;
        }
    }
    p.UltPosizione = 199;
}

using Mancanti = std::vector<std::array<float, 4>>;

Mancanti Leggi(const Parete& p) {
    Mancanti m;
    for (int i = 0; i < p.NumNodi; ++i) m.push_back(p.Nodi[i].Mancante);
    return m;
}

// Nodes whose missing areas differ in any bit.
std::vector<int> NodiDiversi(const Mancanti& a, const Mancanti& b) {
    std::vector<int> diversi;
    for (size_t i = 0; i < a.size(); ++i) {
        for (int s = 0; s < 4; ++s) {
            if (std::bit_cast<std::uint32_t>(a[i][s]) != std::bit_cast<std::uint32_t>(b[i][s])) {
                diversi.push_back(static_cast<int>(i));
                break;
            }
        }
    }
    return diversi;
}

std::string Elenco(const std::vector<int>& v) {
    std::string s;
    for (int i : v) s += std::to_string(i) + ",";
    return s;
}

double DistanzaDaLato(Punto a, Punto b, double x, double y) {
    const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
    const double l2 = dx * dx + dy * dy;
    const double t = l2 == 0.0 ? 0.0 : std::clamp(((x - a.X) * dx + (y - a.Y) * dy) / l2, 0.0, 1.0);
    return std::hypot(a.X + t * dx - x, a.Y + t * dy - y);
}

double DistanzaDalContorno(const PosizioneArm& z, float x, float y) {
    double d = 1e30;
    for (int i = 0; i < 4; ++i) d = std::min(d, DistanzaDaLato(z.Vertici[i], z.Vertici[(i + 1) % 4], x, y));
    return d;
}

// Every node-zone pair on which the mend changes the answer: the ray alone
// took in a node lying well away from the zone.
void SoloNodiLontaniSpostati(const Parete& p, const std::vector<int>& spostati) {
    for (int i = 0; i < p.NumNodi; ++i) {
        const Nodo& n = p.Nodi[i];
        for (int k = 0; k <= p.UltPosizione; ++k) {
            const PosizioneArm& z = p.Posizioni[k];
            if (RaggioInZona(z, n.X, n.Y) == PuntoInZona(z, n.X, n.Y)) continue;
            SCOPED_TRACE("nodo " + std::to_string(i) + " zona " + std::to_string(k));
            EXPECT_TRUE(RaggioInZona(z, n.X, n.Y));
            EXPECT_GT(DistanzaDalContorno(z, n.X, n.Y), 1.0);
            EXPECT_TRUE(std::ranges::binary_search(spostati, i));
        }
    }
}

enum class Zone { Griglia, Ruotate };

struct Caso {
    const char* nome;
    int nodi;
    Zone zone;
    std::vector<int> spostati;  // nodes the mend takes out of a distant zone
};

}  // namespace

TEST(AreeMancantiVeloci, GridPathMatchesThePlainLoopOnGeneratedWalls) {
    const Caso casi[] = {
        {.nome = "500 griglia", .nodi = 500, .zone = Zone::Griglia,
         .spostati = {227, 279, 335}},
        {.nome = "4000 griglia", .nodi = 4000, .zone = Zone::Griglia,
         .spostati = {2234, 3310}},
        {.nome = "16000 griglia", .nodi = 16000, .zone = Zone::Griglia,
         .spostati = {2383, 3369, 7246, 7844, 9931, 10269, 12112, 13647, 14281, 14542}},
        {.nome = "500 ruotate", .nodi = 500, .zone = Zone::Ruotate,
         .spostati = {101}},
        {.nome = "4000 ruotate", .nodi = 4000, .zone = Zone::Ruotate,
         .spostati = {174, 558, 794, 914, 1059, 1393, 1642, 1746, 2365, 2493, 2541, 2838, 2847}},
        {.nome = "16000 ruotate", .nodi = 16000, .zone = Zone::Ruotate,
         .spostati = {60, 182, 189, 408, 886, 1131, 1145, 3534, 4220, 5284, 6696, 6988, 7232, 7653, 7992, 8117, 8940, 9876, 10728, 12427, 12589, 13329, 14802, 14851}},
    };
    const CartellaTemporanea cartella;
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Sessione s;
        LeggiPareteGenerata(s, cartella.Percorso(), caso.nodi);
        if (HasFatalFailure()) return;
        Parete& p = s.parete;
        if (caso.zone == Zone::Griglia) AggiungiZoneGriglia(p, 20, 10);
        else AggiungiZoneRuotate(p);

        SoloNodiLontaniSpostati(p, caso.spostati);
        for (const int escluso : {-1, 17}) {
            SCOPED_TRACE(escluso);
            AggiornaAreeMancanti(p, escluso);
            const Mancanti veloce = Leggi(p);
            AggiornaAreeMancantiSemplice(p, escluso, PuntoInZona);
            EXPECT_EQ(Elenco(NodiDiversi(veloce, Leggi(p))), "");
            AggiornaAreeMancantiSemplice(p, escluso, RaggioInZona);
            EXPECT_EQ(Elenco(NodiDiversi(veloce, Leggi(p))), Elenco(caso.spostati));
        }
    }
}
