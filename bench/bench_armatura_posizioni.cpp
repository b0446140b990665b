// Time of the zone bars on generated walls with 200 additional-reinforcement
// zones: the recompute of all quantities (distributed layers, zones and
// ring beams), and the drawing of the zones of both faces with their labels
// onto the DXF entity stream.

#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniCordoli.h"
#include "design/ContorniArmatura.h"
#include "design/LeggiParete.h"
#include "drawing/BersaglioDxf.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "model/Finestra.h"
#include "model/Geometria.h"
#include "model/Sessione.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

bool Prepara(benchmark::State& stato, Sessione& s, const std::string& file) {
    if (!Leggi(stato, s, file)) return false;
    if (!ContorniPronti(s.parete)) {
        stato.SkipWithError("contorni di armatura mancanti");
        return false;
    }
    AggiungiZoneGriglia(s.parete, 20, 10);  // 200 zones
    s.imp.DescrizioneCompleta = 1;
    return true;
}

void Ricalcola(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    for (auto _ : stato) {
        RicalcolaArmature(s.parete, s.imp);
        benchmark::DoNotOptimize(s.parete.Posizioni.data());
    }
    stato.counters["nodi"] = s.parete.NumNodi;
    float zone = 0.0f;
    for (int i = 0; i <= s.parete.UltPosizione; ++i) zone += s.parete.Posizioni[i].LungTotale;
    stato.counters["cm_zone"] = zone;
}

void DisegnoDxf(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara(stato, s, file)) return;
    StatoDxf dxf;
    std::size_t byte = 0;
    for (auto _ : stato) {
        HandleDxf handle;
        FileDxf uscita;
        FlussoEntitaDxf flusso{uscita.Entita(), uscita.Blocchi(), handle, dxf, s.imp};
        const BersaglioDxf b{flusso, dxf, s.imp};
        ArmaturaPosizioni(s.parete, 0, 0, IntegrativaPiu, b);
        ArmaturaPosizioni(s.parete, 0, 0, IntegrativaMeno, b);
        DisSimboliPosizioni(s.parete, 0, 0, b);
        byte = uscita.TestoEntita().size();
        benchmark::DoNotOptimize(byte);
    }
    stato.counters["byte"] = static_cast<double>(byte);
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        benchmark::RegisterBenchmark(("RicalcolaArmature_200zone" + n).c_str(), Ricalcola, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ZoneInDxf_200zone" + n).c_str(), DisegnoDxf, file)
            ->Unit(benchmark::kMillisecond);
    });
}
