// Time of the canvas's own work on the generated walls with 200 positions,
// on the real Qt canvas (offscreen), the whole wall in view: one mouse move
// with node information on in the idle mode, in "Cancella posizione" (420)
// and in "Sposta etichetta" (300), each the hit test plus the overlay clear
// and mark; the hit tests of those moves alone; a pan step (which redraws
// the persistent image) and a wheel notch. The yardstick is a bare loop over
// the wall's nodes with the same square test, the cost the node hover cannot
// go below; the ratios to it are worked out from the medians.

#include "design/Ridisegna.h"
#include "drawing/ComandiVista.h"
#include "drawing/TrovaOggetti.h"
#include "drawing/Vista.h"
#include "interaction/StatoMacchina.h"
#include "model/Sessione.h"
#include "ui/TelaQt.h"

#include "CursoriBench.h"
#include "GrigliaZoneBench.h"
#include "SupportoBench.h"
#include "TelaContaBench.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr float LatoNodo = 4.0f;        // pixels: the reach of the node pick

// The machine's window side: the redraw is the real one, the rest idle.
class PortaBench final : public PortaTela {
public:
    PortaBench(Sessione& s, TelaQt& tela, Vista& vista) : s_(s), tela_(tela), vista_(vista) {}
    void Ridisegna() override {
        ::Ridisegna(s_, DestinazioneSchermo{tela_, vista_, riquadro_, finestra_});
    }
    void ImpostaPrompt(const std::string&) override {}
    void InfoNodo(int) override {}
    void RipetiComando(int) override {}
    void MostraDialogoZona() override {}
    void MostraDialogoCordolo() override {}

private:
    Sessione& s_;
    TelaQt& tela_;
    Vista& vista_;
    RiquadroMuto riquadro_;
    FinestraMuta finestra_;
};

struct Banco {
    Sessione s;
    TelaQt tela;
    Vista vista;
    FinestraMuta finestra;
    PortaBench porta{s, tela, vista};
    MacchinaTela macchina{ContestoTela{s, vista, tela, finestra, porta}};
    // Cursor positions in pixels: half on position labels, half between them.
    CursoriCiclici cursori;
};

bool Prepara(benchmark::State& stato, Banco& b, const std::string& file) {
    if (!Leggi(stato, b.s, file)) return false;
    Parete& p = b.s.parete;
    AggiungiZoneGriglia(p, 20, 10);
    b.s.stato.StatoVista = StatoVistaLatoPiu;
    b.s.stato.InfoNodiAttivo = 1;
    b.tela.resize(1600, 1000);
    b.vista.LarghezzaTela = 1600.0f;
    b.vista.AltezzaTela = 1000.0f;
    AdattaFinestra(b.vista, p.Estensione);
    b.porta.Ridisegna();
    for (int i = 0; i < 8; ++i) {
        const PosizioneArm& pos = p.Posizioni[(i * 37) % (p.UltPosizione + 1)];
        const float scarto = i % 2 == 0 ? 0.0f : 0.5f * (pos.XMax - pos.XMin);
        b.cursori.Punti.push_back({XSchermo(b.vista, pos.XEtichetta + scarto),
                             YSchermo(b.vista, pos.YEtichetta)});
    }
    stato.counters["nodi"] = p.NumNodi;
    return true;
}

void Mossa(benchmark::State& stato, const std::string& file, int modo) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    b.s.stato.Modo = modo;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        b.macchina.Picture1_MouseMove(0, c.X, c.Y);
    }
    benchmark::DoNotOptimize(b.s.stato.ElementoEvidenziato);
    if (modo != ModoInput::Inattivo) return;
    int suNodo = 0;
    for (const Punto& c : b.cursori.Punti) suNodo += TrovaNodo(b.s.parete, b.vista, c.X, c.Y) >= 0;
    stato.counters["su_nodo"] = suNodo;
}

// Each cursor position that lands on a node clears the last mark and draws a
// new one; counter su_nodo says how many of the cycle's positions do.
void MossaInfoNodi(benchmark::State& stato, const std::string& file) {
    Mossa(stato, file, ModoInput::Inattivo);
}
void MossaCancellaPosizione(benchmark::State& stato, const std::string& file) {
    Mossa(stato, file, ModoInput::CancellaPosizione);
}
void MossaSpostaEtichetta(benchmark::State& stato, const std::string& file) {
    Mossa(stato, file, ModoInput::SpostaEtichetta);
}

void TrovaNodoSolo(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        benchmark::DoNotOptimize(TrovaNodo(b.s.parete, b.vista, c.X, c.Y));
    }
}

// The hit test of 420 in a zone view: the label under the cursor.
void TrovaPuntoPosSolo(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        benchmark::DoNotOptimize(TrovaPuntoPos(b.s.parete, b.s.stato, b.vista, c.X, c.Y));
    }
}

// The hit tests of 300: the label, else the leader.
void TrovaEtichettaSolo(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        const int i = TrovaPuntoPos(b.s.parete, b.s.stato, b.vista, c.X, c.Y);
        benchmark::DoNotOptimize(i >= 0 ? i : TrovaLineaPos(b.s.parete, b.s.stato, b.vista, c.X, c.Y));
    }
}

// The yardstick: every node's pixel image tested against the cursor's square.
void CicloNudoNodi(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    const Parete& p = b.s.parete;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        int vicini = 0;
        for (int i = 0; i < p.NumNodi; ++i)
            vicini += std::fabs(XSchermo(b.vista, p.Nodi[i].X) - c.X) < LatoNodo &&
                      std::fabs(YSchermo(b.vista, p.Nodi[i].Y) - c.Y) < LatoNodo;
        benchmark::DoNotOptimize(vicini);
    }
}

// "Trascina" with the left button held, one pixel back and forth: each step
// moves the window and redraws the persistent image.
void PassoPanoramica(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    b.s.stato.InfoNodiAttivo = 0;
    b.s.stato.Modo = ModoInput::Trascina;
    b.macchina.Picture1_MouseDown(Pulsante::Sinistro, 800, 500);
    int passo = 0;
    for (auto _ : stato) {
        b.macchina.Picture1_MouseMove(Pulsante::Sinistro, 800.0f + static_cast<float>(passo % 2), 500);
        ++passo;
    }
}

// One notch in, one out, about the middle of the canvas: each redraws.
void ScattoRotella(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    b.macchina.Picture1_MouseMove(0, 800, 500);
    int scatto = 0;
    for (auto _ : stato) b.macchina.Rotella(scatto++ % 2 == 0 ? 120 : -120);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication applicazione(argc, argv);
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        const auto registra = [&](const char* nome, void (*f)(benchmark::State&, const std::string&)) {
            benchmark::RegisterBenchmark((std::string(nome) + n).c_str(), f, file)
                ->Unit(benchmark::kMicrosecond);
        };
        registra("Mossa_info_nodi_modo_0", MossaInfoNodi);
        registra("Mossa_info_nodi_modo_420", MossaCancellaPosizione);
        registra("Mossa_info_nodi_modo_300", MossaSpostaEtichetta);
        registra("TrovaNodo", TrovaNodoSolo);
        registra("TrovaPuntoPos_modo_420", TrovaPuntoPosSolo);
        registra("TrovaPuntoPos_TrovaLineaPos_modo_300", TrovaEtichettaSolo);
        registra("Ciclo_nudo_sui_nodi", CicloNudoNodi);
        registra("Passo_panoramica", PassoPanoramica);
        registra("Scatto_rotella", ScattoRotella);
    });
}
