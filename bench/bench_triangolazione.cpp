// The triangulation of generated walls beside the plain documented one and,
// where the system has CGAL, beside its Delaunay triangulation of the same
// nodes inserted in the same order; and the opening of the largest wall.
// The ratios at the end come from this one run.

#include "design/Triangolazione.h"
#include "design/TriangolazioneSemplice.h"
#include "model/Sessione.h"

#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#ifdef KORVANE_CON_CGAL
#include <CGAL/Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#endif

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

void Triangola(benchmark::State& stato, const std::string& file, void (*triangola)(Parete&)) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    Parete& p = s.parete;
    for (auto _ : stato) {
        triangola(p);
        benchmark::DoNotOptimize(p.UltimoTriangolo);
    }
    stato.counters["triangoli"] = p.UltimoTriangolo + 1;
}

#ifdef KORVANE_CON_CGAL
void TriangolaCgal(benchmark::State& stato, const std::string& file) {
    using Nucleo = CGAL::Exact_predicates_inexact_constructions_kernel;
    using Delaunay = CGAL::Delaunay_triangulation_2<Nucleo>;
    Sessione s;
    if (!Leggi(stato, s, file)) return;
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

// Keeps the time of every run, by name, for the ratios.
class Registro final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) tempi[r.benchmark_name()] = r.GetAdjustedRealTime();
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
    try {
        const CartellaBench cartella;
        const std::vector<int> misure = {500, 4000, 16000};
        for (const int nodi : misure) {
            const std::string file = GeneraParete(cartella.Percorso(), nodi);
            const std::string n = "/" + std::to_string(nodi);
            benchmark::RegisterBenchmark(("TriangolaNodi" + n).c_str(), Triangola, file, &TriangolaNodi)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("TriangolaNodiSemplice" + n).c_str(), Triangola, file,
                                         &TriangolaNodiSemplice)
                ->Unit(benchmark::kMillisecond);
#ifdef KORVANE_CON_CGAL
            benchmark::RegisterBenchmark(("DelaunayCgal" + n).c_str(), TriangolaCgal, file)
                ->Unit(benchmark::kMillisecond);
#endif
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
    for (const char* n : {"/500", "/4000", "/16000"}) {
        Rapporto(registro, (std::string("plain / fast") + n).c_str(), std::string("TriangolaNodiSemplice") + n,
                 std::string("TriangolaNodi") + n);
        Rapporto(registro, (std::string("fast / CGAL") + n).c_str(), std::string("TriangolaNodi") + n,
                 std::string("DelaunayCgal") + n);
    }
    Rapporto(registro, "fast 16000 / fast 4000", "TriangolaNodi/16000", "TriangolaNodi/4000");
    Rapporto(registro, "CGAL 16000 / CGAL 4000", "DelaunayCgal/16000", "DelaunayCgal/4000");
    Rapporto(registro, "opening the 16000-node wall / CGAL 16000", "LeggiParete/16000", "DelaunayCgal/16000");
    benchmark::Shutdown();
    return 0;
}
