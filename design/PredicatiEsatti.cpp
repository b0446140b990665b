#include "design/PredicatiEsatti.h"

#include "design/SommaEsatta.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

int SegnoOrientamento(PuntoPreciso a, PuntoPreciso b, PuntoPreciso c) {
    const double sinistra = (a.X - c.X) * (b.Y - c.Y);
    const double destra = (a.Y - c.Y) * (b.X - c.X);
    const double det = sinistra - destra;
    // Error bound of the plain evaluation (Shewchuk's ccwerrboundA).
    constexpr double eps = std::numeric_limits<double>::epsilon() / 2.0;
    const double limite = (3.0 + 16.0 * eps) * eps * (std::fabs(sinistra) + std::fabs(destra));
    if (det > limite) return 1;
    if (-det > limite) return -1;
    // (bx - ax)(cy - ay) - (by - ay)(cx - ax) expanded into six products, each
    // split into its rounded value and its exact error.
    const std::array<std::array<double, 2>, 6> prodotti{{{b.X, c.Y}, {-b.X, a.Y}, {-a.X, c.Y},
                                                         {-b.Y, c.X}, {b.Y, a.X}, {a.Y, c.X}}};
    std::array<double, 12> termini{};
    for (std::size_t i = 0; i < prodotti.size(); ++i) {
        const double p = prodotti[i][0] * prodotti[i][1];
        termini[2 * i] = p;
        termini[2 * i + 1] = std::fma(prodotti[i][0], prodotti[i][1], -p);
    }
    return SegnoSommaEsatta(termini);
}

namespace {

bool NelRiquadro(PuntoPreciso a, PuntoPreciso b, PuntoPreciso p) {
    return p.X >= std::min(a.X, b.X) && p.X <= std::max(a.X, b.X) && p.Y >= std::min(a.Y, b.Y) &&
           p.Y <= std::max(a.Y, b.Y);
}

}  // namespace

PosizioneInAnello PosizioneNellAnello(std::span<const PuntoPreciso> anello, PuntoPreciso p) {
    bool dentro = false;
    const std::size_t n = anello.size();
    for (std::size_t i = 0; i < n; ++i) {
        const PuntoPreciso a = anello[i];
        const PuntoPreciso b = anello[i + 1 == n ? 0 : i + 1];
        const bool attraversa = (a.Y > p.Y) != (b.Y > p.Y);
        if (!NelRiquadro(a, b, p)) {
            // Level with the side but beside its box: the side is wholly to
            // the right of P or wholly to the left.
            if (attraversa && std::min(a.X, b.X) > p.X) dentro = !dentro;
            continue;
        }
        const int lato = SegnoOrientamento(a, b, p);
        if (lato == 0 && NelRiquadro(a, b, p)) return PosizioneInAnello::SulBordo;
        // The side meets the horizontal ray to the right of P: half-open in
        // y, so a vertex on the ray counts once or not at all.
        if (attraversa && (b.Y > a.Y ? lato > 0 : lato < 0)) dentro = !dentro;
    }
    return dentro ? PosizioneInAnello::Dentro : PosizioneInAnello::Fuori;
}

bool IncrocioProprio(PuntoPreciso a, PuntoPreciso b, PuntoPreciso c, PuntoPreciso d) {
    const int c1 = SegnoOrientamento(a, b, c);
    const int c2 = SegnoOrientamento(a, b, d);
    if (c1 == 0 || c2 == 0 || c1 == c2) return false;
    const int a1 = SegnoOrientamento(c, d, a);
    const int a2 = SegnoOrientamento(c, d, b);
    return a1 != 0 && a2 != 0 && a1 != a2;
}
