// The triangulation of generated walls beside the plain documented one and,
// where the system has CGAL, beside its Delaunay triangulation of the same
// nodes inserted in the same order; and the opening of the largest wall.
// Every wall runs twice: with the generator's nodes, rows of a thinned grid
// where many nodes are cocircular, and with as many nodes scattered at
// random over the same box ("sparsi"). The ratios at the end come from this
// one run, from the medians when the run is repeated.

#include "design/Triangolazione.h"
#include "design/TriangolazioneSemplice.h"
#include "model/Sessione.h"

#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#ifdef KORVANE_CON_CGAL
#include <CGAL/Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#endif

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

enum class Nodi { Generati, Sparsi };

// The wall's nodes moved to random points of their box, rounded to 0.1 cm as
// wall files give them; the raw engine keeps them the same everywhere.
void SpargiNodi(Parete& p) {
    const std::span<Nodo> nodi(p.Nodi.data(), static_cast<std::size_t>(p.NumNodi));
    const auto [sinistra, destra] = std::ranges::minmax(nodi, {}, &Nodo::X);
    const auto [basso, alto] = std::ranges::minmax(nodi, {}, &Nodo::Y);
    std::mt19937 motore(7);
    const auto decimi = [&](float da, float a) {
        const auto passi = static_cast<unsigned>((a - da) * 10.0f) + 1;
        return da + static_cast<float>(motore() % passi) / 10.0f;
    };
    for (Nodo& n : nodi) {
        n.X = decimi(sinistra.X, destra.X);
        n.Y = decimi(basso.Y, alto.Y);
    }
}

bool LeggiNodi(benchmark::State& stato, Sessione& s, const std::string& file, Nodi nodi) {
    if (!Leggi(stato, s, file)) return false;
    if (nodi == Nodi::Sparsi) SpargiNodi(s.parete);
    return true;
}

void Triangola(benchmark::State& stato, const std::string& file, Nodi nodi, void (*triangola)(Parete&)) {
    Sessione s;
    if (!LeggiNodi(stato, s, file, nodi)) return;
    Parete& p = s.parete;
    for (auto _ : stato) {
        triangola(p);
        benchmark::DoNotOptimize(p.UltimoTriangolo);
    }
    stato.counters["triangoli"] = p.UltimoTriangolo + 1;
}

#ifdef KORVANE_CON_CGAL
void TriangolaCgal(benchmark::State& stato, const std::string& file, Nodi nodi) {
    using Nucleo = CGAL::Exact_predicates_inexact_constructions_kernel;
    using Delaunay = CGAL::Delaunay_triangulation_2<Nucleo>;
    Sessione s;
    if (!LeggiNodi(stato, s, file, nodi)) return;
    std::vector<Nucleo::Point_2> punti;
    for (int i = 0; i < s.parete.NumNodi; ++i) punti.emplace_back(s.parete.Nodi[i].X, s.parete.Nodi[i].Y);
    for (auto _ : stato) {
        Delaunay d;
        for (const auto& q : punti) d.insert(q);
        benchmark::DoNotOptimize(d.number_of_faces());
    }
}
#endif

void Apri(benchmark::State& stato, const std::string& file) {
    for (auto _ : stato) {
        Sessione s;
        if (!Leggi(stato, s, file)) return;
        benchmark::DoNotOptimize(s.parete.UltimoTriangolo);
    }
}

// Keeps the time of every run, by name, for the ratios: the median when the
// run is repeated.
class Registro final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Iteration && r.repetitions <= 1) {
                tempi[r.benchmark_name()] = r.GetAdjustedRealTime();
            } else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                tempi[r.run_name.str()] = r.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> tempi;
};

void Rapporto(const Registro& registro, const char* descrizione, const std::string& a, const std::string& b) {
    const auto ia = registro.tempi.find(a);
    const auto ib = registro.tempi.find(b);
    if (ia == registro.tempi.end() || ib == registro.tempi.end() || ib->second <= 0.0) return;
    std::printf("%-58s %8.2f\n", descrizione, ia->second / ib->second);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Registro registro;
    const std::vector<int> misure = {500, 4000, 16000};
    const std::pair<Nodi, std::string> insiemi[] = {{Nodi::Generati, ""}, {Nodi::Sparsi, "Sparsi"}};
    try {
        const CartellaBench cartella;
        for (const int nodi : misure) {
            const std::string file = GeneraParete(cartella.Percorso(), nodi);
            const std::string n = "/" + std::to_string(nodi);
            for (const auto& [insieme, nome] : insiemi) {
                benchmark::RegisterBenchmark(("TriangolaNodi" + nome + n).c_str(), Triangola, file, insieme,
                                             &TriangolaNodi)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(("TriangolaNodiSemplice" + nome + n).c_str(), Triangola, file, insieme,
                                             &TriangolaNodiSemplice)
                    ->Unit(benchmark::kMillisecond);
#ifdef KORVANE_CON_CGAL
                benchmark::RegisterBenchmark(("DelaunayCgal" + nome + n).c_str(), TriangolaCgal, file, insieme)
                    ->Unit(benchmark::kMillisecond);
#endif
            }
            if (nodi == misure.back()) {
                benchmark::RegisterBenchmark(("LeggiParete" + n).c_str(), Apri, file)->Unit(benchmark::kMillisecond);
            }
        }
        benchmark::RunSpecifiedBenchmarks(&registro);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    std::printf("\nRatios of this run\n");
    for (const auto& [insieme, nome] : insiemi) {
        const std::string veloce = "TriangolaNodi" + nome;
        const std::string cgal = "DelaunayCgal" + nome;
        for (const int nodi : misure) {
            const std::string n = "/" + std::to_string(nodi);
            Rapporto(registro, ("plain / fast" + nome + n).c_str(), "TriangolaNodiSemplice" + nome + n, veloce + n);
            Rapporto(registro, ("fast / CGAL" + nome + n).c_str(), veloce + n, cgal + n);
        }
        Rapporto(registro, ("fast 16000 / fast 4000" + nome).c_str(), veloce + "/16000", veloce + "/4000");
        Rapporto(registro, ("CGAL 16000 / CGAL 4000" + nome).c_str(), cgal + "/16000", cgal + "/4000");
    }
    Rapporto(registro, "opening the 16000-node wall / CGAL 16000", "LeggiParete/16000", "DelaunayCgal/16000");
    benchmark::Shutdown();
    return 0;
}
