#include "design/AreeMancantiZona.h"

#include <algorithm>
#include <cmath>

// Why the quick answers are PuntoInZona's, for a convex quadrilateral with
// sides of 1 cm or more, every coordinate within PortataSicura, and the
// reference point R left of the corners and clear of every side's line:
// - A node farther than MargineLato outside a side's line lies farther than
//   the tolerance from every side, so LontanoFuori decides alone, by its
//   crossing parity, which is exact for float coordinates away from sides.
// - A node farther than MargineLato inside every side's line: LontanoFuori
//   finds it inside. The segment from the node P to R leaves the
//   quadrilateral once, through one side; when every corner lies farther
//   than MargineRaggio from the line PR, the turn tests of that side see
//   its ends and P, R apart by far more than their tolerance, the crossing
//   lies far from the ends of both segments, and every other side has either
//   P and R or both its corners on one side: one crossing, inside. The
//   rounding of those products, and of the crossing point to float, stays
//   far below the margins within PortataSicura.

namespace {

constexpr double MargineLato = 0.1;     // cm
constexpr double MargineRaggio = 0.1;   // cm
constexpr double LatoMinimo = 1.0;      // cm
constexpr double TolleranzaSegni = 1.0e-3;  // ten times the turn tolerance, cm2
constexpr double PortataSicura = 1.0e5;     // cm

// (b - a) x (p - a), as the turn test forms it.
double Vettoriale(Punto a, Punto b, double px, double py) {
    return (static_cast<double>(b.X) - a.X) * (py - a.Y) - (static_cast<double>(b.Y) - a.Y) * (px - a.X);
}

bool Entro(Punto p) { return std::fabs(p.X) <= PortataSicura && std::fabs(p.Y) <= PortataSicura; }

}  // namespace

ZonaPronta::ZonaPronta(const PosizioneArm& zona)
    : zona_(zona), riquadro_(RiquadroVicino(zona)), riferimento_(RiferimentoRaggioZona(zona)) {
    v_ = zona.Vertici;
    double xmin = v_[0].X;
    for (const Punto& v : v_) {
        if (!Entro(v)) return;
        xmin = std::min(xmin, static_cast<double>(v.X));
    }
    if (!Entro(riferimento_) || !(riferimento_.X < xmin - 1.0)) return;
    // Strictly convex, one turning everywhere.
    std::array<double, 4> svolte{};
    for (int i = 0; i < 4; ++i) svolte[i] = Vettoriale(v_[i], v_[(i + 1) % 4], v_[(i + 2) % 4].X, v_[(i + 2) % 4].Y);
    const bool sinistra = svolte[0] > 0.0;
    for (const double s : svolte)
        if (!(std::fabs(s) >= TolleranzaSegni) || (s > 0.0) != sinistra) return;
    if (!sinistra) std::reverse(v_.begin(), v_.end());
    for (int i = 0; i < 4; ++i) {
        const Punto a = v_[i], b = v_[(i + 1) % 4];
        const double lunghezza = std::hypot(static_cast<double>(b.X) - a.X, static_cast<double>(b.Y) - a.Y);
        if (!(lunghezza >= LatoMinimo)) return;
        if (!(std::fabs(Vettoriale(a, b, riferimento_.X, riferimento_.Y)) >= TolleranzaSegni)) return;
        sogliaLato_[i] = MargineLato * lunghezza;
    }
    // The longest ray runs from R to the farthest corner of the box.
    double raggio = 0.0;
    for (const double x : {riquadro_.XMin, riquadro_.XMax})
        for (const double y : {riquadro_.YMin, riquadro_.YMax})
            raggio = std::max(raggio, std::hypot(x - riferimento_.X, y - riferimento_.Y));
    sogliaRaggio_ = MargineRaggio * (raggio + 1.0);
    rapida_ = true;
}

ZonaPronta::Esito ZonaPronta::Rapido(double x, double y) const {
    bool dentro = true;
    for (int i = 0; i < 4; ++i) {
        const double s = Vettoriale(v_[i], v_[(i + 1) % 4], x, y);
        if (s < -sogliaLato_[i]) return Esito::Fuori;
        if (!(s > sogliaLato_[i])) dentro = false;
    }
    if (!dentro) return Esito::Incerto;
    const double rx = static_cast<double>(riferimento_.X) - x;
    const double ry = static_cast<double>(riferimento_.Y) - y;
    for (const Punto& v : v_) {
        const double c = rx * (v.Y - y) - ry * (v.X - x);
        if (!(std::fabs(c) > sogliaRaggio_)) return Esito::Incerto;
    }
    return Esito::Dentro;
}

bool ZonaPronta::Contiene(float x, float y) const {
    // Outside the box LontanoFuori answers at once.
    if (x < riquadro_.XMin || x > riquadro_.XMax || y < riquadro_.YMin || y > riquadro_.YMax) return false;
    if (rapida_) {
        const Esito e = Rapido(x, y);
        if (e != Esito::Incerto) return e == Esito::Dentro;
    }
    return PuntoInZona(zona_, x, y);
}
