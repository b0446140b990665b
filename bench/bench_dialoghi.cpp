// Time of closing the settings dialog (the reinforcement tail it runs) and of
// "Progetta" of the design-parameter dialog through the change transaction,
// with the default settings, on generated walls with 200 positions.

#include "design/ProgettoDiffusa.h"
#include "interaction/ChiusuraImpostazioni.h"
#include "model/ControlliImpostazioni.h"
#include "model/CopiaImpostazioni.h"
#include "model/Sessione.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

bool Prepara(benchmark::State& stato, Sessione& s, const std::string& file) {
    if (!Leggi(stato, s, file)) return false;
    AggiungiZoneGriglia(s.parete, 20, 10);  // 200 zones
    return true;
}

void ChiusuraAnnulla(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    FinestraMuta finestra;
    const ValoriControlli controlli = ValoriDaImpostazioni(s.imp);
    const CopiaImpostazioni copia = CopiaImpostazioni::Prendi(s);
    for (auto _ : stato) {
        ChiudiImpostazioni(s, finestra, ChiusuraImpostazioni::Annulla, controlli, copia, [] {});
        benchmark::DoNotOptimize(s.parete.LungDir1Piu);
    }
}

void Progetta(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    FinestraMuta finestra;
    const ProgettoParete progetto = s.parete.Progetto();
    for (auto _ : stato) {
        stato.PauseTiming();
        s.parete.Progetto() = progetto;
        stato.ResumeTiming();
        ApplicaProgettoDiffusa(s, finestra);
        benchmark::DoNotOptimize(s.parete.DiamDir1Piu);
    }
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        benchmark::RegisterBenchmark(("ChiusuraImpostazioni" + n).c_str(), ChiusuraAnnulla, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Progetta" + n).c_str(), Progetta, file)
            ->Unit(benchmark::kMillisecond);
    });
}
