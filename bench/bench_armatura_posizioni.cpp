// Time of the zone bars on generated walls with 200 additional-reinforcement
// zones: the recompute of all quantities (distributed layers, zones and
// ring beams), and the drawing of the zones of both faces with their labels
// onto the DXF entity stream.

#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniCordoli.h"
#include "design/LeggiParete.h"
#include "drawing/BersaglioDxf.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "model/Finestra.h"
#include "model/Geometria.h"
#include "model/Sessione.h"

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

// 200 rectangular zones in a 20 x 10 grid over the outline's box, alternating
// face and direction, with their extreme corners and a leader across the bars.
void AggiungiZone(Parete& p) {
    float xmin = p.Contorno[0].X, xmax = xmin, ymin = p.Contorno[0].Y, ymax = ymin;
    for (int i = 0; i < p.NumPuntiContorno; ++i) {
        xmin = std::min(xmin, p.Contorno[i].X);
        xmax = std::max(xmax, p.Contorno[i].X);
        ymin = std::min(ymin, p.Contorno[i].Y);
        ymax = std::max(ymax, p.Contorno[i].Y);
    }
    constexpr int colonne = 20;
    constexpr int righe = 10;
    const float passoX = (xmax - xmin) / colonne;
    const float passoY = (ymax - ymin) / righe;
    p.Posizioni.assign(colonne * righe + 1, PosizioneArm{});
    for (int r = 0; r < righe; ++r) {
        for (int c = 0; c < colonne; ++c) {
            const int i = r * colonne + c;
            PosizioneArm& pos = p.Posizioni[i];
            const float x1 = xmin + passoX * c, x2 = xmin + passoX * (c + 1);
            const float y1 = ymin + passoY * r, y2 = ymin + passoY * (r + 1);
            pos.Vertici = {Punto{x1, y1}, Punto{x1, y2}, Punto{x2, y2}, Punto{x2, y1}};
            pos.Tipo = (i % 2 == 0) ? IntegrativaPiu : IntegrativaMeno;
            pos.Direzione = (i / 2) % 2;
            pos.Diametro = 12;
            pos.Passo = 10.0f;
            pos.UltVerticeZona = 3;
            for (int d = 0; d < 2; ++d) {
                float ax = 0, ay = 0, bx = 0, by = 0;
                RuotaInDirezione(d, x1, y1, ax, ay);
                RuotaInDirezione(d, x2, y2, bx, by);
                RuotaDaDirezione(d, std::min(ax, bx), std::min(ay, by), pos.EstDir[2 * d].X,
                                 pos.EstDir[2 * d].Y);
                RuotaDaDirezione(d, std::max(ax, bx), std::max(ay, by), pos.EstDir[2 * d + 1].X,
                                 pos.EstDir[2 * d + 1].Y);
            }
            const float xm = (x1 + x2) / 2.0f, ym = (y1 + y2) / 2.0f;
            pos.Richiamo = pos.Direzione == 0 ? std::array<float, 4>{x2, ym, x1, ym}
                                              : std::array<float, 4>{xm, y1, xm, y2};
            pos.XEtichetta = xm + 20.0f;
            pos.YEtichetta = ym + 20.0f;
            p.PoligoniPos[i].assign(pos.Vertici.begin(), pos.Vertici.end());
        }
    }
    p.UltPosizione = colonne * righe - 1;
}

bool Prepara(benchmark::State& stato, Sessione& s, const std::string& file) {
    if (!Leggi(stato, s, file)) return false;
    if (!ContorniPronti(s.parete)) {
        stato.SkipWithError("contorni di armatura mancanti");
        return false;
    }
    AggiungiZone(s.parete);
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
    benchmark::Initialize(&argc, argv);
    try {
        const CartellaBench cartella;
        for (const int nodi : {500, 4000, 16000}) {
            const std::string file = GeneraParete(cartella.Percorso(), nodi);
            const std::string n = "_200zone/" + std::to_string(nodi);
            benchmark::RegisterBenchmark(("RicalcolaArmature" + n).c_str(), Ricalcola, file)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("ZoneInDxf" + n).c_str(), DisegnoDxf, file)
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
