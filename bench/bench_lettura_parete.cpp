// Time of opening a generated wall, split into the reading of the wall file
// (which triangulates its nodes), the triangulation alone, and the missing
// areas at the nodes with 50 additional-reinforcement zones.

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/Triangolazione.h"
#include "model/Finestra.h"
#include "design/LeggiParete.h"
#include "model/Sessione.h"

#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

// 50 rectangular zones in a 10 x 5 grid over the outline's box, alternating
// face and direction, so that every node is tested against every zone.
void AggiungiZone(Parete& p) {
    float xmin = p.Contorno[0].X, xmax = xmin, ymin = p.Contorno[0].Y, ymax = ymin;
    for (int i = 0; i < p.NumPuntiContorno; ++i) {
        xmin = std::min(xmin, p.Contorno[i].X);
        xmax = std::max(xmax, p.Contorno[i].X);
        ymin = std::min(ymin, p.Contorno[i].Y);
        ymax = std::max(ymax, p.Contorno[i].Y);
    }
    constexpr int colonne = 10;
    constexpr int righe = 5;
    const float passoX = (xmax - xmin) / colonne;
    const float passoY = (ymax - ymin) / righe;
    p.Posizioni.assign(colonne * righe + 1, PosizioneArm{});
    for (int r = 0; r < righe; ++r) {
        for (int c = 0; c < colonne; ++c) {
            const int i = r * colonne + c;
            PosizioneArm& pos = p.Posizioni[i];
            pos.XMin = xmin + passoX * (c + 0.1f);
            pos.XMax = xmin + passoX * (c + 0.9f);
            pos.YMin = ymin + passoY * (r + 0.1f);
            pos.YMax = ymin + passoY * (r + 0.9f);
            pos.Vertici = {Punto{pos.XMin, pos.YMin}, Punto{pos.XMin, pos.YMax},
                           Punto{pos.XMax, pos.YMax}, Punto{pos.XMax, pos.YMin}};
            pos.Tipo = (i % 2 == 0) ? IntegrativaPiu : IntegrativaMeno;
            pos.Direzione = (i / 2) % 2;
            pos.Diametro = 12;
            pos.Passo = 20.0f;
            pos.UltVerticeZona = 3;
            p.PoligoniPos[i].assign(pos.Vertici.begin(), pos.Vertici.end());
        }
    }
    p.UltPosizione = colonne * righe - 1;
}

void Lettura(benchmark::State& stato, const std::string& file) {
    for (auto _ : stato) {
        Sessione s;
        if (!Leggi(stato, s, file)) return;
        benchmark::DoNotOptimize(s.parete.UltimoTriangolo);
    }
}

void Triangolazione(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    Parete& p = s.parete;
    for (auto _ : stato) {
        TriangolaNodi(p);
        benchmark::DoNotOptimize(p.UltimoTriangolo);
    }
    stato.counters["nodi"] = p.NumNodi;
    stato.counters["triangoli"] = p.UltimoTriangolo + 1;
}

void AreeMancanti(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    Parete& p = s.parete;
    CalcolaAreeStrati(p);
    AggiungiZone(p);
    for (auto _ : stato) {
        AggiornaAreeMancanti(p);
        benchmark::DoNotOptimize(p.Nodi.data());
    }
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        benchmark::RegisterBenchmark(("LeggiParete" + n).c_str(), Lettura, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("TriangolaNodi" + n).c_str(), Triangolazione, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("AggiornaAreeMancanti_50zone" + n).c_str(), AreeMancanti, file)
            ->Unit(benchmark::kMillisecond);
    });
}
