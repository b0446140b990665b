#include "design/Parallelogramma.h"

#include "model/Geometria.h"
#include "model/Parete.h"

#include <cmath>

namespace {

struct Versore {
    double X = 0.0;
    double Y = 0.0;
};

// Meeting point of the line through p along u with the line through q along v,
// each taken as a segment of 100 cm either way.
Punto Incontro(Punto p, Versore u, Punto q, Versore v, int& stato) {
    Punto r;
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(static_cast<float>(p.X - 100.0 * u.X), static_cast<float>(p.Y - 100.0 * u.Y),
                         static_cast<float>(p.X + 100.0 * u.X), static_cast<float>(p.Y + 100.0 * u.Y),
                         static_cast<float>(q.X - 100.0 * v.X), static_cast<float>(q.Y - 100.0 * v.Y),
                         static_cast<float>(q.X + 100.0 * v.X), static_cast<float>(q.Y + 100.0 * v.Y),
                         r.X, r.Y, stato, xo, yo);
    return r;
}

Punto ADistanzaIntera(Punto da, Punto verso) {
    const float lunghezza = static_cast<float>(std::nearbyint(Distanza(da.X, da.Y, verso.X, verso.Y)));
    Punto r;
    PuntoADistanza(da.X, da.Y, verso.X, verso.Y, r.X, r.Y, lunghezza);
    return r;
}

}  // namespace

int CompletaParallelogramma(const DerivatiParete& dir, Punto a, Punto& c, Punto& b, Punto& d) {
    const Versore d1{dir.CosDir1, dir.SinDir1};
    const Versore d2{dir.CosDir2, dir.SinDir2};
    int stato = 0;
    const Punto p1 = Incontro(a, d1, c, d2, stato);
    const Punto p2 = Incontro(a, d2, c, d1, stato);
    b = ADistanzaIntera(a, p1);
    d = ADistanzaIntera(a, p2);
    c = Incontro(d, d1, b, d2, stato);
    return stato;
}
