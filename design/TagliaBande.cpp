#include "design/TagliaBande.h"

#include <algorithm>
#include <limits>

namespace {

struct Vertice {
    double X, Y, Z;
};

// A triangle cut by at most two levels has at most five corners: held in
// place, as a map cuts tens of thousands of triangles a redraw.
struct Poligono {
    std::array<Vertice, 6> V{};
    std::size_t N = 0;

    void Aggiungi(const Vertice& v) { V[N++] = v; }
    std::span<const Vertice> Vertici() const { return {V.data(), N}; }
};

// Keeps the part of the polygon where verso x (Z - livello) >= 0. A crossing
// is added only where an edge passes strictly from one side to the other,
// so the division never meets two equal values and no point is repeated.
Poligono TagliaSemipiano(const Poligono& poligono, double livello, double verso) {
    Poligono tenuti;
    const std::size_t n = poligono.N;
    for (std::size_t i = 0; i < n; ++i) {
        const Vertice& a = poligono.V[i];
        const Vertice& b = poligono.V[(i + 1) % n];
        const double da = verso * (a.Z - livello);
        const double db = verso * (b.Z - livello);
        if (da >= 0.0) tenuti.Aggiungi(a);
        if ((da > 0.0 && db < 0.0) || (da < 0.0 && db > 0.0)) {
            const double t = (livello - a.Z) / (b.Z - a.Z);
            tenuti.Aggiungi({a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t, livello});
        }
    }
    return tenuti;
}

// Lowest band holding the value z.
int BandaDelValore(std::span<const double> limiti, double z) {
    if (limiti.empty() || z < limiti[0]) return 0;
    for (std::size_t b = 1; b < limiti.size(); ++b)
        if (z <= limiti[b]) return static_cast<int>(b);
    return static_cast<int>(limiti.size());
}

PezzoBanda Pezzo(int banda, const Poligono& poligono) {
    PezzoBanda pezzo{banda, {}};
    pezzo.Vertici.reserve(poligono.N);
    for (const Vertice& v : poligono.Vertici()) pezzo.Vertici.push_back({v.X, v.Y});
    return pezzo;
}

}  // namespace

std::vector<PezzoBanda> TagliaBande(std::span<const double> livelli,
                                    const std::array<AngoloBanda, 3>& angoli) {
    // Band limits that never go down.
    std::vector<double> limiti(livelli.begin(), livelli.end());
    for (std::size_t i = 1; i < limiti.size(); ++i) limiti[i] = std::max(limiti[i], limiti[i - 1]);

    Poligono triangolo;
    for (const AngoloBanda& a : angoli) triangolo.Aggiungi({a.X, a.Y, a.Z});
    const auto [zmin, zmax] = std::minmax({angoli[0].Z, angoli[1].Z, angoli[2].Z});
    if (zmin == zmax) return {Pezzo(BandaDelValore(limiti, zmin), triangolo)};

    constexpr double infinito = std::numeric_limits<double>::infinity();
    const int n = static_cast<int>(limiti.size());
    std::vector<PezzoBanda> pezzi;
    for (int b = 0; b <= n; ++b) {
        const double basso = b > 0 ? limiti[b - 1] : -infinito;
        const double alto = b < n ? limiti[b] : infinito;
        // An empty band, or one the triangle only touches.
        if (!(basso < alto) || !(zmin < alto && zmax > basso)) continue;
        Poligono poligono = triangolo;
        if (b > 0) poligono = TagliaSemipiano(poligono, basso, 1.0);
        if (b < n) poligono = TagliaSemipiano(poligono, alto, -1.0);
        pezzi.push_back(Pezzo(b, poligono));
    }
    return pezzi;
}
