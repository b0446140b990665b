// Time of "Assegna perimetro" in the perimeter vertex editor on a generated
// wall (the change with its undo step and the geometry and reinforcement
// tails): the outer perimeter as read, and with its rightmost vertex moved
// to the farthest abscissa the editor accepts, whose bars run a kilometre.

#include "interaction/EditorPerimetro.h"
#include "model/LimitiValori.h"
#include "model/Numeri.h"
#include "model/Sessione.h"

#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

int VerticeADestra(const Parete& p) {
    int k = 0;
    for (int i = 1; i < p.NumPuntiEst; ++i)
        if (p.PerimetroEsterno[i].X > p.PerimetroEsterno[k].X) k = i;
    return k;
}

void Assegna(benchmark::State& stato, const std::string& file, bool lontano) {
    const CartellaBench cartella;
    Sessione letta;
    if (!Leggi(stato, letta, file)) return;
    letta.parete.CartellaLavoro = cartella.Percorso().string();
    const int k = VerticeADestra(letta.parete);
    FinestraMuta finestra;
    for (auto _ : stato) {
        stato.PauseTiming();
        Sessione s = letta;
        CaricaEditorPerimetro(s, 0);
        SelezionaVertice(s.stato, k);
        if (lontano) s.stato.Text1[0] = FormatoDec(CoordinataMassima, 1);
        if (!AssegnaCoordinate(s.stato, finestra)) {
            stato.SkipWithError("vertice rifiutato");
            return;
        }
        stato.ResumeTiming();
        AssegnaPerimetro(s, finestra);
        benchmark::DoNotOptimize(s.parete.LungDir1Piu);
        stato.counters["ferri_cm"] = s.parete.LungDir1Piu + s.parete.LungDir2Piu + s.parete.LungDir1Meno +
                                     s.parete.LungDir2Meno;
    }
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        for (const bool lontano : {false, true}) {
            const std::string tipo = lontano ? "_vertice_al_limite" : "_normale";
            benchmark::RegisterBenchmark(("AssegnaPerimetro" + tipo + n).c_str(), Assegna, file, lontano)
                ->Unit(benchmark::kMillisecond);
        }
    });
}
