#include "design/TagliaBande.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Vertice {
    double X, Y, Z;
};

// A triangle cut by at most two levels has at most five corners: held in
// place, as a map cuts tens of thousands of triangles a redraw.
struct Poligono {
    std::array<Vertice, 6> V;
    std::size_t N = 0;

    void Aggiungi(const Vertice& v) { V[N++] = v; }
};

// Keeps the part of the polygon where verso x (Z - livello) >= 0. A crossing
// is added only where an edge passes strictly from one side to the other,
// so the division never meets two equal values and no point is repeated.
// Returns the polygon itself when it keeps every corner, as most triangles
// of a map lie within one band; otherwise the part, built in spazio.
const Poligono& TagliaSemipiano(const Poligono& poligono, double livello, double verso,
                                Poligono& spazio) {
    const std::size_t n = poligono.N;
    std::array<double, 6> d;
    bool tutti = true;
    for (std::size_t i = 0; i < n; ++i) {
        d[i] = verso * (poligono.V[i].Z - livello);
        tutti = tutti && d[i] >= 0.0;
    }
    if (tutti) return poligono;
    spazio.N = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = i + 1 == n ? 0 : i + 1;
        const Vertice& a = poligono.V[i];
        const Vertice& b = poligono.V[j];
        const double da = d[i];
        const double db = d[j];
        if (da >= 0.0) spazio.Aggiungi(a);
        if ((da > 0.0 && db < 0.0) || (da < 0.0 && db > 0.0)) {
            const double t = (livello - a.Z) / (b.Z - a.Z);
            spazio.Aggiungi({a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t, livello});
        }
    }
    return spazio;
}

// Lowest band holding the value z.
int BandaDelValore(std::span<const double> limiti, double z) {
    if (limiti.empty() || z < limiti[0]) return 0;
    for (std::size_t b = 1; b < limiti.size(); ++b)
        if (z <= limiti[b]) return static_cast<int>(b);
    return static_cast<int>(limiti.size());
}

void Pezzo(int banda, const Poligono& poligono, PezzoBandaFisso& pezzo) {
    pezzo.Banda = banda;
    pezzo.N = static_cast<int>(poligono.N);
    for (std::size_t i = 0; i < poligono.N; ++i) pezzo.V[i] = {poligono.V[i].X, poligono.V[i].Y};
}

}  // namespace

TaglioBande::TaglioBande(std::span<const double> livelli)
    : limiti_(livelli.begin(), livelli.end()), pezzi_(livelli.size() + 1) {
    for (std::size_t i = 1; i < limiti_.size(); ++i) limiti_[i] = std::max(limiti_[i], limiti_[i - 1]);
    ordinati_ = std::none_of(limiti_.begin(), limiti_.end(), [](double l) { return std::isnan(l); });
}

std::span<const PezzoBandaFisso> TaglioBande::Taglia(const std::array<AngoloBanda, 3>& angoli) {
    const Poligono triangolo{.V = {{{angoli[0].X, angoli[0].Y, angoli[0].Z},
                                    {angoli[1].X, angoli[1].Y, angoli[1].Z},
                                    {angoli[2].X, angoli[2].Y, angoli[2].Z}}},
                             .N = 3};
    const auto [zmin, zmax] = std::minmax({angoli[0].Z, angoli[1].Z, angoli[2].Z});
    if (zmin == zmax) {
        Pezzo(BandaDelValore(limiti_, zmin), triangolo, pezzi_[0]);
        return {pezzi_.data(), 1};
    }

    constexpr double infinito = std::numeric_limits<double>::infinity();
    const int n = static_cast<int>(limiti_.size());
    std::size_t pezzi = 0;
    Poligono sopra;  // the part above the band's lower level
    Poligono sotto;  // and of that, the part below its upper level
    // Limits that are numbers never go down: the bands whose upper limit
    // the triangle's lowest value reaches lie all below it, and no band
    // above one whose lower limit the highest value fails to pass reaches it.
    const int primo = ordinati_ ? static_cast<int>(std::upper_bound(limiti_.begin(), limiti_.end(), zmin) -
                                                   limiti_.begin())
                                : 0;
    // Most triangles of a map lie within one band: with values that are
    // all finite, both cuts of that band keep every corner, and it is the
    // only band the triangle reaches.
    const bool finiti = std::isfinite(angoli[0].Z) && std::isfinite(angoli[1].Z) &&
                        std::isfinite(angoli[2].Z);
    if (ordinati_ && finiti && (primo == n || zmax <= limiti_[primo])) {
        Pezzo(primo, triangolo, pezzi_[0]);
        return {pezzi_.data(), 1};
    }
    for (int b = primo; b <= n; ++b) {
        const double basso = b > 0 ? limiti_[b - 1] : -infinito;
        if (ordinati_ && !(zmax > basso)) break;
        const double alto = b < n ? limiti_[b] : infinito;
        // An empty band, or one the triangle only touches.
        if (!(basso < alto) || !(zmin < alto && zmax > basso)) continue;
        const Poligono* poligono = &triangolo;
        if (b > 0) poligono = &TagliaSemipiano(*poligono, basso, 1.0, sopra);
        if (b < n) poligono = &TagliaSemipiano(*poligono, alto, -1.0, sotto);
        Pezzo(b, *poligono, pezzi_[pezzi++]);
    }
    return {pezzi_.data(), pezzi};
}

std::vector<PezzoBanda> TagliaBande(std::span<const double> livelli,
                                    const std::array<AngoloBanda, 3>& angoli) {
    TaglioBande taglio(livelli);
    std::vector<PezzoBanda> pezzi;
    for (const PezzoBandaFisso& p : taglio.Taglia(angoli))
        pezzi.push_back({p.Banda, {p.Vertici().begin(), p.Vertici().end()}});
    return pezzi;
}
