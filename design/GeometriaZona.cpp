#include "design/GeometriaZona.h"

#include "design/Parallelogramma.h"
#include "model/Sovrapposizione.h"
#include "model/Angoli.h"
#include "model/Geometria.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/Poligoni.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double MezzoPi = 1.5707963267949;

// Shortens the opposite sides p-q and r-s equally at both ends, so that a
// length of lunghezza becomes a multiple of 5 cm.
void AccorciaLati(Punto& p, Punto& q, Punto& r, Punto& s, float lunghezza) {
    const float e = (lunghezza - 10.0f * ArrotondaMezzoGiu(lunghezza / 10.0f)) / 2.0f;
    const Punto p0 = p, q0 = q, r0 = r, s0 = s;
    PuntoADistanza(p0.X, p0.Y, q0.X, q0.Y, p.X, p.Y, e);
    PuntoADistanza(q0.X, q0.Y, p0.X, p0.Y, q.X, q.Y, e);
    PuntoADistanza(r0.X, r0.Y, s0.X, s0.Y, r.X, r.Y, e);
    PuntoADistanza(s0.X, s0.Y, r0.X, r0.Y, s.X, s.Y, e);
}

// Difference of two directions in degrees, both in [0, 180): a direction
// near 180 is next to one near 0.
float ScartoDirezioni(float a, float b) {
    const float scarto = std::fabs(a - b);
    return std::min(scarto, 180.0f - scarto);
}

// The direction the bars of a position are laid in, in [0, 180) degrees: the
// wall's own direction, which the zone corners follow. The file angles are
// measured one way or the other depending on the structure type, and the
// cosine and sine of direction 2 are taken from its angle to direction 1, so
// neither file angle nor their sum is the direction on the wall.
float GradiFerri(const Parete& parete, int direzione) {
    const double c = direzione == 0 ? parete.CosDir1 : parete.CosDir2;
    const double s = direzione == 0 ? parete.SinDir1 : parete.SinDir2;
    return NormalizzaAngolo180(static_cast<float>(std::atan2(s, c) * RadiantiInGradi));
}

}  // namespace

void RiquadroZona(PosizioneArm& pos) {
    pos.XMin = pos.XMax = pos.Vertici[0].X;
    pos.YMin = pos.YMax = pos.Vertici[0].Y;
    for (int i = 1; i < 4; ++i) {
        const Punto& v = pos.Vertici[i];
        if (v.X < pos.XMin) pos.XMin = v.X;
        if (v.X > pos.XMax) pos.XMax = v.X;
        if (v.Y < pos.YMin) pos.YMin = v.Y;
        if (v.Y > pos.YMax) pos.YMax = v.Y;
    }
}

void ImpostaZonaDaPunti(StatoInterfaccia& stato, const Parete& parete, const Impostazioni& imp,
                        float x1, float y1, float x2, float y2) {
    std::vector<Punto> c(4);
    c[0] = {std::nearbyint(x1), std::nearbyint(y1)};
    c[2] = {std::nearbyint(x2), std::nearbyint(y2)};
    CompletaParallelogramma(parete, c[0], c[2], c[1], c[3]);

    double somma = 0.0;
    for (int i = 0; i < 4; ++i) {
        const Punto& a = c[i];
        const Punto& b = c[(i + 1) % 4];
        somma += (static_cast<double>(b.X) * a.Y - static_cast<double>(a.X) * b.Y) / 2.0;
    }
    if (somma < 0.0) InvertiPunti(c);

    PosizioneArm& pos = stato.PosCorrente;
    if (pos.Tipo == IntegrativaPiu || pos.Tipo == IntegrativaMeno) {
        const float L = static_cast<float>(LunghezzaSovrapposizione(imp, pos.Diametro, 0));
        if (stato.DirezioneAttiva == 0) {
            AccorciaLati(c[0], c[1], c[2], c[3], Distanza(c[0].X, c[0].Y, c[1].X, c[1].Y) + 2.0f * L);
            AccorciaLati(c[1], c[2], c[3], c[0], Distanza(c[1].X, c[1].Y, c[2].X, c[2].Y));
        } else {
            AccorciaLati(c[1], c[2], c[3], c[0], Distanza(c[1].X, c[1].Y, c[2].X, c[2].Y) + 2.0f * L);
            AccorciaLati(c[0], c[1], c[2], c[3], Distanza(c[0].X, c[0].Y, c[1].X, c[1].Y));
        }
    }
    std::copy(c.begin(), c.end(), pos.Vertici.begin());
    RiquadroZona(pos);
}

void EstendiZonaAncoraggio(std::array<Vertice, 4>& zona, float L, const Parete& parete, int direzione) {
    const float gradiFerri = GradiFerri(parete, direzione);
    struct Lato {
        float x1, y1, x2, y2;
    };
    std::array<Lato, 4> lati{};
    for (int k = 0; k < 4; ++k) {
        const Vertice& a = zona[(k + 3) % 4];
        const Vertice& b = zona[k];
        Lato l{a.X, a.Y, b.X, b.Y};
        const double dx = static_cast<double>(b.X) - a.X;
        const double dy = static_cast<double>(b.Y) - a.Y;
        const double rad = std::fabs(dx) > 0.001 ? std::atan(dy / dx) : MezzoPi;
        const float gradiLato = NormalizzaAngolo180(RadGradi(static_cast<float>(rad)));
        if (ScartoDirezioni(gradiLato, gradiFerri) > 1.0f)
            SegmentoParallelo(a.X, a.Y, b.X, b.Y, l.x1, l.y1, l.x2, l.y2, L);
        lati[k] = l;
    }
    for (int i = 0; i < 4; ++i) {
        const Lato& p = lati[(i + 3) % 4];
        const Lato& q = lati[i];
        int stato = 0;
        float xo = 0.0f, yo = 0.0f;
        IntersezioneSegmenti(p.x1, p.y1, p.x2, p.y2, q.x1, q.y1, q.x2, q.y2, zona[i].X, zona[i].Y,
                             stato, xo, yo);
    }
}

std::array<Vertice, 4> ZonaAllargata(const PosizioneArm& pos, const Parete& parete, const Impostazioni& imp) {
    std::array<Vertice, 4> angoli{};
    for (int i = 0; i < 4; ++i) angoli[i] = {pos.Vertici[i].X, pos.Vertici[i].Y, 0};
    if (pos.Tipo == IntegrativaPiu || pos.Tipo == IntegrativaMeno) {
        const float L = static_cast<float>(LunghezzaSovrapposizione(imp, pos.Diametro, 0));
        EstendiZonaAncoraggio(angoli, L, parete, pos.Direzione);
    }
    return angoli;
}
