// The reinforcement recompute tail that runs after every change, on the
// generated walls with 200 zones of a grid: the whole tail (CodaArmatura),
// and each of its steps alone, so that a change in one shows where it lands.

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniCordoli.h"
#include "design/ContorniArmatura.h"
#include "design/Modifica.h"
#include "model/Sessione.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

enum class Passo { Coda, AreeMancanti, Diffusa, Posizioni, Cordoli };

void CodaArmaturaBench(benchmark::State& stato, const std::string& file, Passo passo) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    Parete& p = s.parete;
    if (!ContorniPronti(p)) {
        stato.SkipWithError("contorni di armatura mancanti");
        return;
    }
    AggiungiZoneGriglia(p, 20, 10);  // 200 zones
    CodaArmatura(p, s.imp);
    for (auto _ : stato) {
        switch (passo) {
            case Passo::Coda:
                CodaArmatura(p, s.imp);
                break;
            case Passo::AreeMancanti:
                AggiornaAreeMancanti(p, -1);
                break;
            case Passo::Diffusa:
                for (const int lato : {0, 1}) benchmark::DoNotOptimize(MisuraArmaturaDiffusa(p, s.imp, lato));
                break;
            case Passo::Posizioni:
                for (const int faccia : {IntegrativaPiu, IntegrativaMeno})
                    benchmark::DoNotOptimize(MisuraArmaturaPosizioni(p, s.imp, faccia));
                break;
            case Passo::Cordoli:
                benchmark::DoNotOptimize(LunghezzeCordoli(p));
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
        const auto registra = [&](const std::string& nome, Passo passo) {
            benchmark::RegisterBenchmark((nome + "_200zone" + n).c_str(), CodaArmaturaBench, file, passo)
                ->Unit(benchmark::kMicrosecond);
        };
        registra("CodaArmatura", Passo::Coda);
        registra("AggiornaAreeMancanti", Passo::AreeMancanti);
        registra("MisuraArmaturaDiffusa", Passo::Diffusa);
        registra("MisuraArmaturaPosizioni", Passo::Posizioni);
        registra("LunghezzeCordoli", Passo::Cordoli);
    });
}
