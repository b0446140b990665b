// The colour map alone on the real Qt canvas (offscreen), the whole
// generated wall with 200 zones in view at 1280 x 900: its legend, band
// fills and node markers through one painter, as a redraw paints them, for
// the required-area map (clipped to its range, plain markers) and the
// missing-area map (the node check in each marker).

#include "design/AreeMancanti.h"
#include "design/ArmaturaDiffusa.h"
#include "design/MappaColori.h"
#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "ui/TelaQt.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr QSize DimensioneTela{1280, 900};

void Mappa(benchmark::State& stato, const std::string& file, int tipoMappa) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    AggiungiZoneGriglia(s.parete, 20, 10);
    AggiornaAreeMancanti(s.parete, -1);
    RicalcolaArmature(s.parete, s.imp);
    s.stato.TipoMappa = tipoMappa;
    s.stato.ScalaMin = 0.0f;
    s.stato.ScalaMax = 8.0f;
    Vista vista;
    vista.LarghezzaTela = static_cast<float>(DimensioneTela.width());
    vista.AltezzaTela = static_cast<float>(DimensioneTela.height());
    AdattaFinestra(vista, s.parete.Estensione);
    TelaQt tela;
    tela.resize(DimensioneTela);
    const LegendaMappaColori legenda = [](float, float, const std::string&, int, int) {};
    for (auto _ : stato) {
        const DisegnoAperto aperto(tela);
        MappaColori(s.parete, s.imp, s.stato, tela, vista, legenda);
    }
    stato.counters["nodi"] = s.parete.NumNodi;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication applicazione(argc, argv);
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        benchmark::RegisterBenchmark(("Mappa_area_richiesta" + n).c_str(), Mappa, file, 0)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Mappa_carenza" + n).c_str(), Mappa, file, 5)
            ->Unit(benchmark::kMillisecond);
    });
}
