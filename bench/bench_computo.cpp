// Time of the bill of quantities of a batch of 20 generated walls, each with
// 12 additional-reinforcement zones in its reinforcement file: every wall read
// into a session of its own, its geometry and reinforcement recomputed, its
// section and the summary written.

#include "export/Computo.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int PareteLotto = 20;

// The generated wall with its zones saved beside it, copied to PareteLotto
// names; the copies keep the time of the wall file, so that their
// reinforcement files load without a question.
std::vector<std::string> Lotto(benchmark::State& stato, const CartellaBench& cartella, int nodi) {
    const std::string file = GeneraParete(cartella.Percorso(), nodi);
    Sessione s;
    if (!Leggi(stato, s, file)) return {};
    AggiungiZoneGriglia(s.parete, 4, 3);
    namespace fs = std::filesystem;
    const fs::path ars = fs::path(file).replace_extension("ars");
    if (!ScriviArmature(s.parete, ars.string()).Riuscito()) {
        stato.SkipWithError("file delle armature non scritto");
        return {};
    }
    std::vector<std::string> percorsi;
    for (int i = 0; i < PareteLotto; ++i) {
        const fs::path copia = cartella.Percorso() / ("lotto_" + std::to_string(i) + ".set");
        fs::copy_file(file, copia, fs::copy_options::overwrite_existing);
        fs::last_write_time(copia, fs::last_write_time(file));
        fs::copy_file(ars, fs::path(copia).replace_extension("ars"), fs::copy_options::overwrite_existing);
        percorsi.push_back(copia.string());
    }
    return percorsi;
}

void BM_ComputoLotto(benchmark::State& stato) {
    CartellaBench cartella;
    const std::vector<std::string> percorsi = Lotto(stato, cartella, static_cast<int>(stato.range(0)));
    if (percorsi.empty()) return;
    Impostazioni imp;
    ValoriDefault(imp);
    FinestraMuta finestra;
    std::size_t byte = 0;
    for (auto _ : stato) {
        const std::string testo = ComputoPareti(percorsi, imp, finestra);
        byte = testo.size();
        benchmark::DoNotOptimize(testo.data());
    }
    stato.counters["pareti"] = PareteLotto;
    stato.counters["byte_rtf"] = static_cast<double>(byte);
}

}  // namespace

BENCHMARK(BM_ComputoLotto)->Arg(100)->Arg(4000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
