// Time of opening a generated wall and of one redraw of its sheet when its
// reinforcement file holds an outer-perimeter vertex at the edge of the
// coordinate range (y = CoordinataMassima: the vertical bars beside it run up
// to 1 km, split into hundreds of pieces each), or one no wall can reach
// (y = 3.4e38 cm: the reader refuses the file and the wall opens without it,
// so this times the refusal), beside the same wall whose file holds the
// perimeter as the wall reader proposes it.

#include "design/CaricaProgetto.h"
#include "design/Ridisegna.h"
#include "drawing/Vista.h"
#include "model/FileArmature.h"
#include "model/LimitiValori.h"
#include "model/Sessione.h"

#include "SupportoBench.h"
#include "TelaContaBench.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace {

// Where vertex 1 of the outer perimeter lies.
enum class PosizioneVertice { Normale, AlLimite, Assurdo };

// The reinforcement file beside the wall, from the wall's own proposal, with
// vertex 1 of the outer perimeter moved up as vertice says.
bool ScriviArmatura(benchmark::State& stato, const std::string& file, PosizioneVertice vertice) {
    Sessione s;
    if (!Leggi(stato, s, file)) return false;
    if (vertice == PosizioneVertice::AlLimite) s.parete.PerimetroEsterno[1].Y = CoordinataMassima;
    if (vertice == PosizioneVertice::Assurdo) s.parete.PerimetroEsterno[1].Y = 3.4e38f;
    std::filesystem::path ars(file);
    ars.replace_extension(".ars");
    std::ofstream(ars, std::ios::binary) << TestoArmature(s.parete);
    return true;
}

void Apri(Sessione& s, const std::string& file, Vista& vista, TelaConta& tela) {
    FinestraMuta finestra;
    vista.LarghezzaTela = tela.Larghezza();
    vista.AltezzaTela = tela.Altezza();
    (void)CaricaProgetto(s, file, vista, finestra);
}

void Apertura(benchmark::State& stato, const std::string& file, PosizioneVertice vertice) {
    if (!ScriviArmatura(stato, file, vertice)) return;
    TelaConta tela;
    for (auto _ : stato) {
        Sessione s;
        Vista vista;
        Apri(s, file, vista, tela);
        benchmark::DoNotOptimize(s.parete.NumPuntiEst);
    }
}

void Ridisegno(benchmark::State& stato, const std::string& file, PosizioneVertice vertice) {
    if (!ScriviArmatura(stato, file, vertice)) return;
    TelaConta tela;
    Sessione s;
    Vista vista;
    Apri(s, file, vista, tela);
    s.stato.VistaCorrente = 5;
    s.stato.StatoVista = 17;
    RiquadroMuto riquadro;
    FinestraMuta finestra;
    for (auto _ : stato) Ridisegna(s, DestinazioneSchermo{tela, vista, riquadro, finestra});
    stato.counters["tratti"] = static_cast<double>(tela.Tratti) / static_cast<double>(stato.iterations());
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        const std::pair<PosizioneVertice, const char*> casi[] = {
            {PosizioneVertice::Normale, "_normale"},
            {PosizioneVertice::AlLimite, "_vertice_al_limite"},
            {PosizioneVertice::Assurdo, "_vertice_assurdo"}};
        for (const auto& [vertice, tipo] : casi) {
            const std::string nome = tipo + n;
            benchmark::RegisterBenchmark(("Apertura" + nome).c_str(), Apertura, file, vertice)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("Ridisegna" + nome).c_str(), Ridisegno, file, vertice)
                ->Unit(benchmark::kMillisecond);
        }
    });
}
