// Time of making a zone from a selection over most of a generated wall (the
// nodes inside, the missing areas and the clipping with the openings), and of
// confirming the 200th position: the store with the sort alone, and as the
// change of the design with its reinforcement tail.

#include "design/GeometriaZona.h"
#include "design/LeggiParete.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/ListaPosizioniSelezione.h"
#include "model/Finestra.h"
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

Rettangolo Estremi(const Parete& p) {
    Rettangolo r{p.Contorno[0].X, p.Contorno[0].Y, p.Contorno[0].X, p.Contorno[0].Y};
    for (int i = 0; i < p.NumPuntiContorno; ++i) {
        r.Xmin = std::min(r.Xmin, p.Contorno[i].X);
        r.Xmax = std::max(r.Xmax, p.Contorno[i].X);
        r.Ymin = std::min(r.Ymin, p.Contorno[i].Y);
        r.Ymax = std::max(r.Ymax, p.Contorno[i].Y);
    }
    return r;
}

// A new "lato +" zone of direction 1 over the fractions a..b of the outline's box.
void ZonaSuFrazione(Sessione& s, float a, float b) {
    const Rettangolo r = Estremi(s.parete);
    const float larghezza = r.Xmax - r.Xmin, altezza = r.Ymax - r.Ymin;
    s.stato.TipoMappa = 5;
    s.stato.LatoAttivo = IntegrativaPiu;
    s.stato.DirezioneAttiva = 0;
    s.stato.NuovoElemento = -1;
    s.stato.PosCorrente = PosizioneArm{};
    s.stato.PosCorrente.Diametro = s.parete.DiamIntegrativa;
    ImpostaZonaDaPunti(s.stato, s.parete, s.imp, r.Xmin + a * larghezza, r.Ymin + a * altezza,
                       r.Xmin + b * larghezza, r.Ymin + b * altezza);
}

// 199 zones, faces and directions mixed, so that the 200th is sorted among them.
void Aggiungi199Zone(Sessione& s) {
    FinestraMuta finestra;
    for (int i = 0; i < 199; ++i) {
        const float a = 0.05f + 0.002f * static_cast<float>(i % 20);
        ZonaSuFrazione(s, a, a + 0.1f);
        if (!CreaPosizioneDaSelezione(s, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso))
            throw std::runtime_error("zona non creata");
        s.stato.PosCorrente.Tipo = (i / 2) % 2 == 0 ? IntegrativaMeno : IntegrativaPiu;
        s.stato.PosCorrente.Direzione = i % 2;
        s.stato.IndiceCorrente = s.parete.UltPosizione + 1;
        if (ConfermaPosizione(s.parete, s.stato) != EsitoPosizione::Memorizzata)
            throw std::runtime_error("zona non memorizzata");
    }
}

void Selezione(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    FinestraMuta finestra;
    ZonaSuFrazione(s, 0.05f, 0.9f);
    for (auto _ : stato) {
        const bool fatta = CreaPosizioneDaSelezione(s, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso);
        benchmark::DoNotOptimize(fatta);
    }
    stato.counters["nodi"] = s.parete.NumNodi;
    stato.counters["vertici"] = s.stato.UltPuntoCorrente + 1;
}

// The buffer ready to be confirmed as the 200th position.
bool Prepara200(benchmark::State& stato, Sessione& s, const std::string& file) {
    if (!Leggi(stato, s, file)) return false;
    Aggiungi199Zone(s);
    FinestraMuta finestra;
    ZonaSuFrazione(s, 0.3f, 0.6f);
    if (!CreaPosizioneDaSelezione(s, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso)) {
        stato.SkipWithError("zona non creata");
        return false;
    }
    s.stato.IndiceCorrente = s.parete.UltPosizione + 1;
    return true;
}

void Conferma200(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara200(stato, s, file)) return;
    const ProgettoParete lista = s.parete.Progetto();
    const StatoInterfaccia buffer = s.stato;
    for (auto _ : stato) {
        const EsitoPosizione esito = ConfermaPosizione(s.parete, s.stato);
        benchmark::DoNotOptimize(esito);
        stato.PauseTiming();
        s.parete.Progetto() = lista;
        s.stato = buffer;
        stato.ResumeTiming();
    }
}

void Conferma200Modifica(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Prepara200(stato, s, file)) return;
    const ProgettoParete lista = s.parete.Progetto();
    const StatoInterfaccia buffer = s.stato;
    FinestraMuta finestra;
    for (auto _ : stato) {
        const bool fatta = ConfermaPosizione(s, finestra);
        benchmark::DoNotOptimize(fatta);
        stato.PauseTiming();
        s.parete.Progetto() = lista;
        s.stato = buffer;
        stato.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        benchmark::RegisterBenchmark(("CreaPosizioneDaSelezione" + n).c_str(), Selezione, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ConfermaPosizione_200a" + n).c_str(), Conferma200, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ConfermaPosizione_200a_con_coda" + n).c_str(),
                                     Conferma200Modifica, file)
            ->Unit(benchmark::kMillisecond);
    });
}
