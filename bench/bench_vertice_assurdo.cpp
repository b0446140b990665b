// Time of opening a generated wall and of one redraw of its sheet when its
// reinforcement file holds an outer-perimeter vertex no wall can reach
// (y = 3.4e38 cm), beside the same wall whose file holds the perimeter as
// the wall reader proposes it.

#include "design/CaricaProgetto.h"
#include "design/Ridisegna.h"
#include "drawing/Vista.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"

#include "SupportoBench.h"
#include "TelaContaBench.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The reinforcement file beside the wall, from the wall's own proposal, with
// vertex 1 of the outer perimeter moved far up when assurdo.
bool ScriviArmatura(benchmark::State& stato, const std::string& file, bool assurdo) {
    Sessione s;
    if (!Leggi(stato, s, file)) return false;
    if (assurdo) s.parete.PerimetroEsterno[1].Y = 3.4e38f;
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

void Apertura(benchmark::State& stato, const std::string& file, bool assurdo) {
    if (!ScriviArmatura(stato, file, assurdo)) return;
    TelaConta tela;
    for (auto _ : stato) {
        Sessione s;
        Vista vista;
        Apri(s, file, vista, tela);
        benchmark::DoNotOptimize(s.parete.NumPuntiEst);
    }
}

void Ridisegno(benchmark::State& stato, const std::string& file, bool assurdo) {
    if (!ScriviArmatura(stato, file, assurdo)) return;
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
        for (const bool assurdo : {false, true}) {
            const std::string tipo = assurdo ? "_vertice_assurdo" : "_normale";
            benchmark::RegisterBenchmark(("Apertura" + tipo + n).c_str(), Apertura, file, assurdo)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("Ridisegna" + tipo + n).c_str(), Ridisegno, file, assurdo)
                ->Unit(benchmark::kMillisecond);
        }
    });
}
