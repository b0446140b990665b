#pragma once

// Additional-reinforcement zones for the benchmarks: a grid of rectangles
// over the outline's box, alternating face and direction, each with its
// extreme corners in the two bar frames, a leader across the bars and a label.

#include "model/Geometria.h"
#include "model/Parete.h"

#include <algorithm>
#include <array>

// The zone view "lato +": the zones of kind 0 (IntegrativaPiu) show.
constexpr int StatoVistaLatoPiu = 14;

inline void AggiungiZoneGriglia(Parete& p, int colonne, int righe) {
    float xmin = p.Contorno[0].X, xmax = xmin, ymin = p.Contorno[0].Y, ymax = ymin;
    for (int i = 0; i < p.NumPuntiContorno; ++i) {
        xmin = std::min(xmin, p.Contorno[i].X);
        xmax = std::max(xmax, p.Contorno[i].X);
        ymin = std::min(ymin, p.Contorno[i].Y);
        ymax = std::max(ymax, p.Contorno[i].Y);
    }
    const float passoX = (xmax - xmin) / colonne;
    const float passoY = (ymax - ymin) / righe;
    p.Posizioni.assign(colonne * righe + 1, PosizioneArm{});
    if (static_cast<int>(p.PoligoniPos.size()) < colonne * righe) p.PoligoniPos.resize(colonne * righe);
    for (int r = 0; r < righe; ++r) {
        for (int c = 0; c < colonne; ++c) {
            const int i = r * colonne + c;
            PosizioneArm& pos = p.Posizioni[i];
            const float x1 = xmin + passoX * c, x2 = xmin + passoX * (c + 1);
            const float y1 = ymin + passoY * r, y2 = ymin + passoY * (r + 1);
            pos.Vertici = {Punto{x1, y1}, Punto{x1, y2}, Punto{x2, y2}, Punto{x2, y1}};
            pos.XMin = x1;
            pos.XMax = x2;
            pos.YMin = y1;
            pos.YMax = y2;
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
