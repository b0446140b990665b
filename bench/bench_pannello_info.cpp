// The information panel of the side column (its size in the window) showing
// the reinforcement summary of a wall with 200 positions, refreshed after the
// changes a user makes: one position altered (a zone edited, undone, redone)
// one position added and taken away again at the end (a zone confirmed,
// undone), and one added and taken away in the second place, which
// renumbers the positions after it.
// Each round is the panel's new text and its paint.

#include "model/Sessione.h"
#include "ui/PannelloInfo.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int Posizioni = 200;

Sessione SessioneConPosizioni() {
    Sessione s;
    Parete& p = s.parete;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.NumNodi = 1;
    p.Nodi.assign(2, Nodo{});
    for (int i = 0; i < Posizioni; ++i) {
        PosizioneArm pos;
        pos.Tipo = i % 2 == 0 ? IntegrativaPiu : IntegrativaMeno;
        pos.Direzione = (i / 2) % 2;
        pos.Diametro = 12;
        pos.Passo = 20.0f;
        p.Posizioni.resize(++p.UltPosizione + 1);
        p.Posizioni[p.UltPosizione] = pos;
    }
    return s;
}

void Svuota() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The panel shown with the summary; cambia(s, passo) alters the wall for the
// round passo.
template <typename Cambia>
void Aggiorna(benchmark::State& stato, Cambia cambia) {
    Sessione s = SessioneConPosizioni();
    PannelloInfo pannello;
    pannello.resize(253, 337);
    pannello.show();
    InfoArm(s, pannello);
    Svuota();
    int passo = 0;
    for (auto _ : stato) {
        cambia(s, passo++);
        InfoArm(s, pannello);
        Svuota();
    }
    stato.counters["righe"] = pannello.document()->blockCount();
}

void PosizioneCambiata(benchmark::State& stato) {
    Aggiorna(stato, [](Sessione& s, int passo) {
        s.parete.Posizioni[Posizioni / 2].Diametro = passo % 2 == 0 ? 14 : 12;
    });
}

// A position added at index posto and taken away again. In the second place
// it renumbers every position after it, as a zone confirmed, undone or redone
// there does; at the end it renumbers none.
void PosizioneAggiuntaETolta(benchmark::State& stato, int posto) {
    Aggiorna(stato, [posto](Sessione& s, int passo) {
        Parete& p = s.parete;
        if (passo % 2 == 0) {
            PosizioneArm pos = p.Posizioni[0];
            pos.Diametro = 16;
            p.Posizioni.insert(p.Posizioni.begin() + posto, pos);
            ++p.UltPosizione;
        } else {
            p.Posizioni.erase(p.Posizioni.begin() + posto);
            --p.UltPosizione;
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    QApplication applicazione(argc, argv);
    benchmark::RegisterBenchmark("Pannello_posizione_cambiata/200", PosizioneCambiata)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Pannello_posizione_aggiunta_e_tolta/200", PosizioneAggiuntaETolta, Posizioni)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Pannello_posizione_inserita_e_tolta/200", PosizioneAggiuntaETolta, 1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
