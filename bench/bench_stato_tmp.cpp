// Time of one undo snapshot of a generated 16,000-node wall with 200
// additional-reinforcement zones: the design written to its temporary file,
// read back from it, and both, as an undo step does them.

#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

const std::string NomeIstantanea = "BENCH0.TMP";

bool Prepara(benchmark::State& stato, Sessione& s, const std::string& file) {
    if (!Leggi(stato, s, file)) return false;
    AggiungiZoneGriglia(s.parete, 20, 10);
    s.storia.CartellaIstantanee = std::filesystem::path(file).parent_path().string();
    if (!SalvaStatoTmp(s, NomeIstantanea).Riuscito()) {
        stato.SkipWithError("istantanea non scritta");
        return false;
    }
    return true;
}

std::uintmax_t Byte(const Sessione& s) {
    std::error_code errore;
    const auto byte = std::filesystem::file_size(
        std::filesystem::path(s.storia.CartellaIstantanee) / NomeIstantanea, errore);
    return errore ? 0 : byte;
}

void Salva(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    for (auto _ : stato) {
        if (!SalvaStatoTmp(s, NomeIstantanea).Riuscito()) {
            stato.SkipWithError("istantanea non scritta");
            return;
        }
    }
    stato.counters["byte"] = static_cast<double>(Byte(s));
}

void Carica(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    for (auto _ : stato) {
        if (!CaricaStatoTmp(s, NomeIstantanea).Riuscito() || s.parete.UltPosizione != 199) {
            stato.SkipWithError("istantanea non letta");
            return;
        }
    }
}

void SalvaECarica(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    for (auto _ : stato) {
        if (!SalvaStatoTmp(s, NomeIstantanea).Riuscito() ||
            !CaricaStatoTmp(s, NomeIstantanea).Riuscito()) {
            stato.SkipWithError("istantanea non riuscita");
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    try {
        const CartellaBench cartella;
        const std::string file = GeneraParete(cartella.Percorso(), 16000);
        benchmark::RegisterBenchmark("SalvaStatoTmp_200zone/16000", Salva, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("CaricaStatoTmp_200zone/16000", Carica, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("SalvaECaricaStatoTmp_200zone/16000", SalvaECarica, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
