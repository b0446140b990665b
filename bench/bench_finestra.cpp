// The main window on the generated walls (offscreen): from making the window
// to its first frame with the wall drawn, and a redraw after a resize, each
// also as a ratio to filling a QImage of the canvas's size; and one pass of
// the command-state update with 200 positions.

#include "design/ArmaturaDiffusa.h"
#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/TelaQt.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <QApplication>
#include <QDialog>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

namespace {

using Orologio = std::chrono::steady_clock;

constexpr QSize DimensioneFinestra{1280, 900};

double Secondi(Orologio::time_point inizio) {
    return std::chrono::duration<double>(Orologio::now() - inizio).count();
}

// Seconds of one fill of an image of this size, the unit of the ratios.
double TempoRiempimento(QSize dimensione) {
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    constexpr int Ripetizioni = 200;
    const auto inizio = Orologio::now();
    for (int i = 0; i < Ripetizioni; ++i) {
        immagine.fill(i % 2 == 0 ? Qt::black : Qt::white);
        benchmark::DoNotOptimize(immagine.constBits());
    }
    return Secondi(inizio) / Ripetizioni;
}

// The window started on a wall as the program starts it; every box answered OK.
std::unique_ptr<FinestraPrincipale> ApriFinestra(Sessione& s, const std::string& file) {
    auto finestra = std::make_unique<FinestraPrincipale>(s);
    finestra->Dialoghi().ImpostaCopione([](QDialog&) { return 1; });
    if (!finestra->Form_Load(file).Riuscito()) return nullptr;
    finestra->resize(DimensioneFinestra);
    finestra->show();
    return finestra;
}

void Rapporto(benchmark::State& stato, double secondi, QSize tela) {
    const double iterazioni = static_cast<double>(stato.iterations());
    stato.counters["rapporto_riempimento"] = secondi / iterazioni / TempoRiempimento(tela);
    stato.counters["tela_px"] = tela.width() * tela.height();
}

// Making the window, starting it on the wall (read, fitted, drawn) and
// painting it on screen.
void AvvioPrimoFotogramma(benchmark::State& stato, const std::string& file) {
    double secondi = 0.0;
    QSize tela;
    for (auto _ : stato) {
        const auto inizio = Orologio::now();
        Sessione s;
        std::unique_ptr<FinestraPrincipale> finestra = ApriFinestra(s, file);
        if (!finestra) {
            stato.SkipWithError("parete rifiutata");
            return;
        }
        finestra->Ridisegna();  // at the size it is shown, as the resize burst does
        finestra->repaint();
        const double trascorso = Secondi(inizio);
        stato.SetIterationTime(trascorso);
        secondi += trascorso;
        tela = finestra->Tela().size();
        stato.PauseTiming();
        finestra.reset();
        stato.ResumeTiming();
    }
    Rapporto(stato, secondi, tela);
}

// A resize between two sizes: the layout pass, the redraw at the new canvas
// size and its paint.
void RidisegnoSuResize(benchmark::State& stato, const std::string& file) {
    Sessione s;
    std::unique_ptr<FinestraPrincipale> finestra = ApriFinestra(s, file);
    if (!finestra) {
        stato.SkipWithError("parete rifiutata");
        return;
    }
    double secondi = 0.0;
    bool grande = false;
    for (auto _ : stato) {
        const auto inizio = Orologio::now();
        grande = !grande;
        finestra->resize(grande ? DimensioneFinestra + QSize(120, 80) : DimensioneFinestra);
        finestra->Ridisegna();
        finestra->Tela().repaint();
        const double trascorso = Secondi(inizio);
        stato.SetIterationTime(trascorso);
        secondi += trascorso;
    }
    Rapporto(stato, secondi, finestra->Tela().size());
}

// The coalesced pass over every command control and the recent items, and
// the reinforcement summary it rebuilds, with 200 positions on the wall.
void PassaggioAggiornamento(benchmark::State& stato, const std::string& file) {
    Sessione s;
    std::unique_ptr<FinestraPrincipale> finestra = ApriFinestra(s, file);
    if (!finestra) {
        stato.SkipWithError("parete rifiutata");
        return;
    }
    AggiungiZoneGriglia(s.parete, 20, 10);
    RicalcolaArmature(s.parete, s.imp);
    ComandiFinestra& comandi = *finestra->Comandi();
    for (auto _ : stato) {
        comandi.AggiornaOra();
        finestra->InfoArm();
    }
    stato.counters["posizioni"] = static_cast<double>(s.parete.Posizioni.size() - 1);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    try {
        const CartellaBench cartella;
        // The settings and memory files of the window go to the scratch folder.
        setenv("XDG_CONFIG_HOME", cartella.Percorso().c_str(), 1);
        QApplication applicazione(argc, argv);
        for (const int nodi : {500, 4000, 16000}) {
            const std::string file = GeneraParete(cartella.Percorso(), nodi);
            const std::string n = "/" + std::to_string(nodi);
            benchmark::RegisterBenchmark(("Avvio_primo_fotogramma" + n).c_str(),
                                         AvvioPrimoFotogramma, file)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("Ridisegno_su_resize" + n).c_str(), RidisegnoSuResize, file)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            if (nodi == 4000)
                benchmark::RegisterBenchmark(("Passaggio_aggiornamento_200_posizioni" + n).c_str(),
                                             PassaggioAggiornamento, file)
                    ->Unit(benchmark::kMicrosecond);
        }
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
