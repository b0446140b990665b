#include "design/MappaRitaglio.h"

#include <cmath>
#include <utility>

float DistanzaLivello(float zi, float zj, float livello, float l) {
    const float salto = zi - zj;
    if (salto == 0.0f) return l + 1.0f;
    return (livello - zj) * l / salto;
}

float InterpolaCoord(double ci, double cj, float l, float t) {
    if (l == 0.0f) return static_cast<float>(ci);
    return static_cast<float>(ci + (cj - ci) * t / l);
}

std::span<const TriangoloMappa> VentaglioAllIntervallo(const TriangoloMappa& angoli, float vmin,
                                                       float vmax, VentaglioMappa& ventaglio) {
    ventaglio.N = 0;
    int sotto = 0;
    int sopra = 0;
    for (const AngoloMappa& a : angoli) {
        sotto += a.Valore < vmin;
        sopra += a.Valore > vmax;
    }
    if (sotto == 3 || sopra == 3) return ventaglio.Triangoli();
    if (sotto == 0 && sopra == 0) {
        ventaglio.T[ventaglio.N++] = angoli;
        return ventaglio.Triangoli();
    }

    // Walk the edges from corner e to corner e2, keeping the corners in
    // range and the crossings of the two ends, the one nearer e first.
    std::array<AngoloMappa, 9> poligono;
    int punti = 0;
    for (int e = 0; e < 3; ++e) {
        const AngoloMappa& a = angoli[e];
        const AngoloMappa& b = angoli[(e + 1) % 3];
        if (a.Valore >= vmin && a.Valore <= vmax) poligono[punti++] = a;
        const float l = static_cast<float>(std::hypot(b.X - a.X, b.Y - a.Y));
        AngoloMappa incroci[2];
        float distanze[2];
        int n = 0;
        for (const float livello : {vmin, vmax}) {
            const float t = DistanzaLivello(a.Valore, b.Valore, livello, l);
            if (t > 0.0f && t < l) {
                incroci[n] = {InterpolaCoord(b.X, a.X, l, t), InterpolaCoord(b.Y, a.Y, l, t),
                              livello};
                distanze[n] = t;
                ++n;
            }
        }
        if (n == 2 && distanze[1] > distanze[0]) std::swap(incroci[0], incroci[1]);
        for (int k = 0; k < n; ++k) poligono[punti++] = incroci[k];
    }

    if (punti < 3) return ventaglio.Triangoli();
    for (int j = 2; j + 1 < punti; ++j)
        ventaglio.T[ventaglio.N++] = {poligono[0], poligono[j], poligono[j + 1]};
    ventaglio.T[ventaglio.N++] = {poligono[0], poligono[1], poligono[2]};
    return ventaglio.Triangoli();
}

std::vector<TriangoloMappa> RitagliaAllIntervallo(const TriangoloMappa& angoli, float vmin,
                                                  float vmax) {
    VentaglioMappa ventaglio;
    const std::span<const TriangoloMappa> parti = VentaglioAllIntervallo(angoli, vmin, vmax, ventaglio);
    return {parti.begin(), parti.end()};
}
