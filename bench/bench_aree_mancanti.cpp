// One edit's missing areas on the generated walls with 50 and 200 zones of a
// grid: AggiornaAreeMancanti beside the plain loop over every position and
// node (the ray test as documented), and beside a bare loop that does one
// multiply-add per node and layer, the floor of any pass over the nodes.

#include "design/AreeMancanti.h"
#include "design/AreeMancantiSemplice.h"
#include "model/Poligoni.h"
#include "model/Sessione.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <stdexcept>
#include <string>

namespace {

enum class Modo { Veloce, Semplice, Nudo };

// 50 zones: a grid of 10 x 5; 200 zones: 20 x 10.
void AreeMancanti(benchmark::State& stato, const std::string& file, int zone, Modo modo) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    Parete& p = s.parete;
    if (zone == 50) AggiungiZoneGriglia(p, 10, 5);
    else AggiungiZoneGriglia(p, 20, 10);
    for (auto _ : stato) {
        switch (modo) {
            case Modo::Veloce:
                AggiornaAreeMancanti(p, -1);
                break;
            case Modo::Semplice:
                AggiornaAreeMancantiSemplice(p, -1, RaggioInZona);
                break;
            case Modo::Nudo:
                for (int i = 0; i < p.NumNodi; ++i) {
                    Nodo& n = p.Nodi[i];
                    for (int k = 0; k < 4; ++k) n.Mancante[k] = n.Richiesta[k] * 0.5f + p.AreaDir1Piu;
                }
                break;
        }
        benchmark::DoNotOptimize(p.Nodi.data());
        benchmark::ClobberMemory();
    }
    stato.counters["nodi"] = p.NumNodi;
    stato.counters["zone"] = p.UltPosizione + 1;
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        for (const int zone : {50, 200}) {
            const std::string coda = "/" + std::to_string(zone) + "zone" + n;
            benchmark::RegisterBenchmark(("AggiornaAreeMancanti" + coda).c_str(), AreeMancanti, file,
                                         zone, Modo::Veloce)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("CicloSemplice" + coda).c_str(), AreeMancanti, file, zone,
                                         Modo::Semplice)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("CicloNudo" + coda).c_str(), AreeMancanti, file, zone,
                                         Modo::Nudo)
                ->Unit(benchmark::kMicrosecond);
        }
    });
}
