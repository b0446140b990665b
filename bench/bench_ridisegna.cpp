// Time of one full redraw of the generated walls with 200 positions and 10
// section lines: on a canvas that only counts its strokes (the sheet and a
// colour map), and into the DXF entity stream (R12 and R2000).

#include "design/AreeMancanti.h"
#include "design/ArmaturaDiffusa.h"
#include "design/Ridisegna.h"
#include "drawing/Vista.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "model/Sessione.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"
#include "TelaContaBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Ten vertical section lines evenly across the wall, 25 cm past its edges.
void AggiungiSezioni(Parete& p) {
    p.Sezioni.assign(10, LineaSezione{});
    for (int k = 0; k < 10; ++k) {
        const float x = p.XminParete + (p.XmaxParete - p.XminParete) * (k + 0.5f) / 10.0f;
        LineaSezione& s = p.Sezioni[k];
        s.P0 = {x, p.YminParete - 25.0f};
        s.P1 = {x, p.YmaxParete + 25.0f};
        s.P2 = {x - 10.0f, s.P0.Y};
        s.P3 = s.P0;
        s.P4 = s.P1;
        s.P5 = {x - 10.0f, s.P1.Y};
    }
    p.UltSezione = 9;
}

bool Prepara(benchmark::State& stato, Sessione& s, const std::string& file) {
    if (!Leggi(stato, s, file)) return false;
    AggiungiZoneGriglia(s.parete, 20, 10);
    AggiungiSezioni(s.parete);
    AggiornaAreeMancanti(s.parete, -1);
    RicalcolaArmature(s.parete, s.imp);
    return true;
}

// The sheet fitted to the canvas.
Vista VistaTavola(const Parete& p, const TelaSchermo& tela) {
    Vista v;
    v.LarghezzaTela = tela.Larghezza();
    v.AltezzaTela = tela.Altezza();
    const float larghezza = 2.0f * (p.LarghezzaVista + 150.0f);
    const float altezza = 2.0f * p.AltezzaVista + 150.0f;
    v.Scala = std::min(v.LarghezzaTela / larghezza, v.AltezzaTela / altezza);
    v.FinXmin = p.XminCornice;
    v.FinYmin = p.YminCornice - p.AltezzaVista - 150.0f;
    v.FinXmax = v.FinXmin + v.LarghezzaTela / v.Scala;
    v.FinYmax = v.FinYmin + v.AltezzaTela / v.Scala;
    return v;
}

void Schermo(benchmark::State& stato, const std::string& file, bool mappa) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    if (mappa) {
        s.stato.VistaCorrente = 9999;
        s.stato.StatoVista = 2;
        s.stato.TipoMappa = 0;
    } else {
        s.stato.VistaCorrente = 5;
        s.stato.StatoVista = 17;
    }
    TelaConta tela;
    RiquadroMuto riquadro;
    FinestraMuta finestra;
    const Vista vista = VistaTavola(s.parete, tela);
    for (auto _ : stato) Ridisegna(s, DestinazioneSchermo{tela, vista, riquadro, finestra});
    stato.counters["nodi"] = s.parete.NumNodi;
    stato.counters["tratti"] = static_cast<double>(tela.Tratti) / static_cast<double>(stato.iterations());
}

void Dxf(benchmark::State& stato, const std::string& file, bool r12) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    StatoDxf dxf;
    dxf.DxfR12 = r12 ? 1 : 0;
    std::size_t byte = 0;
    for (auto _ : stato) {
        HandleDxf handle;
        FileDxf uscita;
        FlussoEntitaDxf flusso{uscita.Entita(), uscita.Blocchi(), handle, dxf, s.imp};
        Ridisegna(static_cast<const Sessione&>(s), DestinazioneDxf{flusso, dxf});
        byte = uscita.TestoEntita().size();
        benchmark::DoNotOptimize(byte);
    }
    stato.counters["nodi"] = s.parete.NumNodi;
    stato.counters["byte"] = static_cast<double>(byte);
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        benchmark::RegisterBenchmark(("Ridisegna_tavola_schermo" + n).c_str(), Schermo, file, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Ridisegna_mappa_schermo" + n).c_str(), Schermo, file, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Ridisegna_tavola_dxf_r12" + n).c_str(), Dxf, file, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Ridisegna_tavola_dxf_r2000" + n).c_str(), Dxf, file, false)
            ->Unit(benchmark::kMillisecond);
    });
}
