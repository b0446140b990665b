// Time of clipping one zone to a wall with many openings, and of recomputing
// the missing area of every node with 200 zones on the generated walls.

#include "design/AreeMancanti.h"
#include "design/ContorniArmatura.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/RitagliaZona.h"
#include "model/Direzioni.h"
#include "model/Estensione.h"
#include "model/Sessione.h"

#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

// A 2,000 x 1,000 cm wall with directions along the axes (direction 1
// vertical) and a grid of 60 x 60 cm openings, ten a row, 200 cm apart.
Parete PareteConAperture(int aperture) {
    Parete p;
    p.Contorno = {{0, 0}, {0, 1000}, {2000, 1000}, {2000, 0}, {0, 0}};
    p.NumPuntiContorno = 4;
    p.PerimetroEsterno = p.PerimetroInterno = p.Contorno;
    p.NumPuntiEst = p.NumPuntiInt = p.NumPuntiContorno;
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.GradiArm1 = p.GradiArm2 = 90.0f;
    p.AngoloArm1 = p.AngoloArm2 = 1.5707964f;
    CalcolaDirezioni(p);
    for (int k = 0; k < aperture; ++k) {
        const float x = 70.0f + 200.0f * static_cast<float>(k % 10);
        const float y = 70.0f + 200.0f * static_cast<float>(k / 10);
        const Punto angoli[] = {{x, y}, {x, y + 60.0f}, {x + 60.0f, y + 60.0f}, {x + 60.0f, y}};
        p.PuntiApertura.resize(k + 1);
        for (int j = 0; j < 4; ++j) p.AggiungiVerticeApertura(k, j, angoli[j].X, angoli[j].Y);
        p.PuntiApertura[k] = 4;
        p.NumAperture = k + 1;
    }
    CalcolaEstensione(p);
    CalcolaContorniArmatura(p);
    return p;
}

// The edit buffer holding a new zone of the face and direction between two corners.
void NuovaZona(Sessione& s, int tipo, int direzione, float x1, float y1, float x2, float y2) {
    s.stato.LatoAttivo = tipo;
    s.stato.DirezioneAttiva = direzione;
    s.stato.NuovoElemento = -1;
    s.stato.DuplicaOpposto = 0;
    s.stato.PosCorrente = PosizioneArm{};
    s.stato.PosCorrente.Tipo = tipo;
    s.stato.PosCorrente.Direzione = direzione;
    s.stato.PosCorrente.Diametro = 12;
    s.stato.PosCorrente.Passo = 20.0f;
    ImpostaZonaDaPunti(s.stato, s.parete, s.imp, x1, y1, x2, y2);
}

// A zone over most of the wall and past its right side: the openings of the
// first row straddle its lower side, the others lie inside it.
void Ritaglio(benchmark::State& stato, int aperture) {
    Sessione s;
    s.parete = PareteConAperture(aperture);
    NuovaZona(s, IntegrativaPiu, 0, 150.0f, 1500.0f, 2300.0f, 100.0f);
    for (auto _ : stato) {
        const bool ritagliata = RitagliaZona(s.stato, s.parete, s.imp);
        benchmark::DoNotOptimize(ritagliata);
    }
    stato.counters["aperture"] = s.parete.NumAperture;
    stato.counters["vertici"] = s.stato.UltPuntoCorrente + 1;
}

// 200 zones clipped and stored as the canvas stores them, a grid of 20 x 10
// overlapping boxes over the outline's extent, faces and directions mixed.
void Aggiungi200Zone(Sessione& s) {
    const Parete& p = s.parete;
    float xmin = p.Contorno[0].X, xmax = xmin, ymin = p.Contorno[0].Y, ymax = ymin;
    for (int i = 0; i < p.NumPuntiContorno; ++i) {
        xmin = std::min(xmin, p.Contorno[i].X);
        xmax = std::max(xmax, p.Contorno[i].X);
        ymin = std::min(ymin, p.Contorno[i].Y);
        ymax = std::max(ymax, p.Contorno[i].Y);
    }
    const float dx = (xmax - xmin) / 20.0f, dy = (ymax - ymin) / 10.0f;
    int tentativi = 0;
    for (int i = 0; s.parete.UltPosizione < 199; ++i) {
        if (++tentativi > 1000) throw std::runtime_error("200 zone non memorizzate");
        const float x = xmin + dx * static_cast<float>(i % 20);
        const float y = ymin + dy * static_cast<float>((i / 20) % 10);
        NuovaZona(s, i % 4 < 2 ? IntegrativaPiu : IntegrativaMeno, i % 2, x, y + 1.5f * dy,
                  x + 1.5f * dx, y);
        if (!RitagliaZona(s.stato, s.parete, s.imp)) continue;
        s.stato.IndiceCorrente = s.parete.UltPosizione + 1;
        if (ConfermaPosizione(s.parete, s.stato) != EsitoPosizione::Memorizzata)
            throw std::runtime_error("zona non memorizzata");
    }
}

void AreeMancanti200(benchmark::State& stato, const std::string& file) {
    Sessione s;
    if (!Leggi(stato, s, file)) return;
    Aggiungi200Zone(s);
    for (auto _ : stato) {
        AggiornaAreeMancanti(s.parete, -1);
        benchmark::DoNotOptimize(s.parete.Nodi.data());
    }
    stato.counters["nodi"] = s.parete.NumNodi;
    stato.counters["zone"] = s.parete.UltPosizione + 1;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    try {
        for (const int aperture : {0, 50}) {
            benchmark::RegisterBenchmark(("RitagliaZona/aperture:" + std::to_string(aperture)).c_str(),
                                         Ritaglio, aperture)
                ->Unit(benchmark::kMicrosecond);
        }
        const CartellaBench cartella;
        for (const int nodi : {500, 4000, 16000}) {
            const std::string file = GeneraParete(cartella.Percorso(), nodi);
            benchmark::RegisterBenchmark(("AggiornaAreeMancanti_200zone/" + std::to_string(nodi)).c_str(),
                                         AreeMancanti200, file)
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
