// Time of the DXF export of one generated wall with 200 additional-
// reinforcement zones in its reinforcement file, R2000 and R12: the wall read
// into a session of its own, its sheet drawn and the file written. The
// counter "rapporto_copia" compares it with copying a file of the same size.

#include "export/EsportaDxf.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The generated wall with 20 x 10 zones saved beside it.
std::string PareteConZone(benchmark::State& stato, const CartellaBench& cartella, int nodi) {
    const std::string file = GeneraParete(cartella.Percorso(), nodi);
    Sessione s;
    if (!Leggi(stato, s, file)) return {};
    AggiungiZoneGriglia(s.parete, 20, 10);
    if (!ScriviArmature(s.parete, fs::path(file).replace_extension("ars").string()).Riuscito()) {
        stato.SkipWithError("file delle armature non scritto");
        return {};
    }
    return file;
}

// Seconds to copy the file, best of a few runs.
double TempoCopia(const fs::path& file, const fs::path& copia) {
    double migliore = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto inizio = std::chrono::steady_clock::now();
        fs::copy_file(file, copia, fs::copy_options::overwrite_existing);
        const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
        migliore = std::min(migliore, durata.count());
    }
    return migliore;
}

void BM_EsportaDxf(benchmark::State& stato) {
    CartellaBench cartella;
    const std::string parete = PareteConZone(stato, cartella, static_cast<int>(stato.range(0)));
    if (parete.empty()) return;
    const bool r12 = stato.range(1) != 0;
    Impostazioni imp;
    ValoriDefault(imp);
    FinestraMuta finestra;
    const std::vector<std::string> pareti{parete};
    const fs::path uscita = cartella.Percorso() / "uscita.dxf";
    double totale = 0.0;
    for (auto _ : stato) {
        const auto inizio = std::chrono::steady_clock::now();
        const Esito esito = EsportaDxf(pareti, uscita, imp, r12, finestra);
        const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
        totale += durata.count();
        if (!esito.Riuscito()) {
            stato.SkipWithError(esito.Motivo.c_str());
            return;
        }
    }
    const double copia = TempoCopia(uscita, cartella.Percorso() / "copia.dxf");
    stato.counters["byte_dxf"] = static_cast<double>(fs::file_size(uscita));
    stato.counters["rapporto_copia"] = totale / static_cast<double>(stato.iterations()) / copia;
}

}  // namespace

BENCHMARK(BM_EsportaDxf)
    ->ArgNames({"nodi", "r12"})
    ->ArgsProduct({{500, 4000, 16000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
