#include "model/Poligoni.h"

#include "model/Geometria.h"

#include <algorithm>
#include <cmath>

namespace {

// Ray test: counts the sides that the segment from P to the reference point R
// crosses away from their ends. R's odd offsets keep it off vertices and
// sides, so a meeting at a vertex is rare and is left uncounted.
template <typename LeggiVertice>
bool RaggioDispari(float x, float y, double rx, double ry, int lati, LeggiVertice vertice) {
    const float xr = static_cast<float>(rx);
    const float yr = static_cast<float>(ry);
    int attraversamenti = 0;
    for (int i = 0; i < lati; ++i) {
        const Punto a = vertice(i);
        const Punto b = vertice(i + 1 == lati ? 0 : i + 1);
        if (IncrocioInterno(x, y, xr, yr, a.X, a.Y, b.X, b.Y)) ++attraversamenti;
    }
    return attraversamenti % 2 == 1;
}

// Side a-b comes within the tolerance of P along both axes: it meets the
// square of half-side ToleranzaZona around P (separating axes).
bool LatoVicino(Punto a, Punto b, double x, double y) {
    const double t = ToleranzaZona;
    if (std::max(a.X, b.X) < x - t || std::min(a.X, b.X) > x + t) return false;
    if (std::max(a.Y, b.Y) < y - t || std::min(a.Y, b.Y) > y + t) return false;
    const double dx = static_cast<double>(b.X) - a.X;
    const double dy = static_cast<double>(b.Y) - a.Y;
    const double scarto = dx * (y - a.Y) - dy * (x - a.X);
    return std::fabs(scarto) <= t * (std::fabs(dx) + std::fabs(dy));
}

// Outside the quadrilateral and farther than the tolerance from every side.
// With no side near P the crossing parity of a horizontal ray is exact.
bool LontanoFuori(const PosizioneArm& zona, float x, float y) {
    const RiquadroZonaVicina r = RiquadroVicino(zona);
    if (x < r.XMin || x > r.XMax || y < r.YMin || y > r.YMax) return true;
    bool dentro = false;
    for (int i = 0; i < 4; ++i) {
        const Punto a = zona.Vertici[i];
        const Punto b = zona.Vertici[(i + 1) % 4];
        if (LatoVicino(a, b, x, y)) return false;
        if ((a.Y > y) == (b.Y > y)) continue;
        const double prodotto = (static_cast<double>(b.X) - a.X) * (static_cast<double>(y) - a.Y) -
                                (static_cast<double>(x) - a.X) * (static_cast<double>(b.Y) - a.Y);
        if ((prodotto > 0.0) == (b.Y > a.Y)) dentro = !dentro;
    }
    return !dentro;
}

}  // namespace

void InvertiPunti(std::vector<Punto>& p) { std::reverse(p.begin(), p.end()); }

bool PuntiInSensoOrario(const std::vector<Punto>& p) {
    const int ultimo = static_cast<int>(p.size()) - 1;
    if (ultimo < 2) return true;
    float s = 0.0f;
    for (int i = 0; i < ultimo; ++i) {
        s += static_cast<float>(static_cast<double>(p[i].Y) * p[i + 1].X -
                                static_cast<double>(p[i + 1].Y) * p[i].X);
    }
    return s / 2.0f >= 0.0f;
}

void InvertiVertici(std::vector<Vertice>& v) { std::reverse(v.begin(), v.end()); }

bool VerticiInSensoOrario(const std::vector<Vertice>& v) {
    const int n = static_cast<int>(v.size());
    if (n == 0) return false;
    float s = 0.0f;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 == n ? 0 : i + 1;
        s += static_cast<float>(static_cast<double>(v[i].Y) * v[j].X -
                                static_cast<double>(v[j].Y) * v[i].X);
    }
    return s / 2.0f > 0.0f;
}

RiquadroZonaVicina RiquadroVicino(const PosizioneArm& zona) {
    RiquadroZonaVicina r{zona.Vertici[0].X, zona.Vertici[0].Y, zona.Vertici[0].X, zona.Vertici[0].Y};
    for (const Punto& v : zona.Vertici) {
        r.XMin = std::min(r.XMin, static_cast<double>(v.X));
        r.YMin = std::min(r.YMin, static_cast<double>(v.Y));
        r.XMax = std::max(r.XMax, static_cast<double>(v.X));
        r.YMax = std::max(r.YMax, static_cast<double>(v.Y));
    }
    r.XMin -= ToleranzaZona;
    r.YMin -= ToleranzaZona;
    r.XMax += ToleranzaZona;
    r.YMax += ToleranzaZona;
    return r;
}

// The reference point of a zone lies left of its bounding box.
Punto RiferimentoRaggioZona(const PosizioneArm& zona) {
    const double rx = zona.XMin - 37.749;
    const double ry = (static_cast<double>(zona.YMin) + zona.YMax) / 2.0 - 7.3347;
    return {static_cast<float>(rx), static_cast<float>(ry)};
}

bool RaggioInZona(const PosizioneArm& zona, float x, float y) {
    const Punto r = RiferimentoRaggioZona(zona);
    return RaggioDispari(x, y, r.X, r.Y, 4, [&](int i) { return zona.Vertici[(i + 3) % 4]; });
}

// The ray alone may count a crossing on one side and a corner hit on the
// next when it passes within the end tolerance of a corner, and so take in a
// point far from the zone.
bool PuntoInZona(const PosizioneArm& zona, float x, float y) {
    return !LontanoFuori(zona, x, y) && RaggioInZona(zona, x, y);
}

bool PuntoInZonaCorrente(const StatoInterfaccia& stato, float x, float y) {
    return PuntoInZona(stato.PosCorrente, x, y);
}

bool PuntoInZonaPos(const Parete& parete, int i, float x, float y) {
    if (i < 0 || i >= static_cast<int>(parete.Posizioni.size())) return false;
    return PuntoInZona(parete.Posizioni[i], x, y);
}

bool PuntoInPerimetro(const Parete& parete, float x, float y, int k) {
    const double rx = parete.XminCornice - 200.74977;
    const double ry = (static_cast<double>(parete.YminCornice) + parete.YmaxCornice) / 2.0 - 0.531777;
    if (k < 0) {
        const int lati = std::min(parete.NumPuntiContorno, static_cast<int>(parete.Contorno.size()));
        return RaggioDispari(x, y, rx, ry, lati, [&](int i) { return parete.Contorno[i]; });
    }
    if (k >= parete.NumAperture || k >= static_cast<int>(parete.PuntiApertura.size()) ||
        k >= static_cast<int>(parete.InizioApertura.size())) {
        return false;
    }
    const int inizio = parete.InizioApertura[k];
    const int lati = std::min(parete.PuntiApertura[k], static_cast<int>(parete.XAperture.size()) - inizio);
    return RaggioDispari(x, y, rx, ry, lati, [&](int j) {
        return Punto{parete.XApertura(k, j), parete.YApertura(k, j)};
    });
}

bool PuntoInPoligono(const Parete& parete, const std::vector<Vertice>& v, float x, float y) {
    const double rx = parete.XminCornice - 37.749;
    const double ry = (static_cast<double>(parete.YminCornice) + parete.YmaxCornice) / 2.0 - 7.3347;
    return RaggioDispari(x, y, rx, ry, static_cast<int>(v.size()),
                         [&](int i) { return Punto{v[i].X, v[i].Y}; });
}

void EliminaVertice(int i, std::vector<Vertice>& v) {
    if (i < 0 || i >= static_cast<int>(v.size())) return;
    v.erase(v.begin() + i);
}

void InserisciVertice(int i, std::vector<Vertice>& v, const Vertice& w) {
    if (i < 0 || i >= static_cast<int>(v.size())) return;
    std::copy_backward(v.begin() + i, v.end() - 1, v.end());
    v[i] = w;
}

void CopiaVertici(const std::vector<Punto>& da, int ultimo, std::vector<Punto>& a) {
    const size_t n = static_cast<size_t>(std::max(ultimo + 1, 0));
    if (a.size() < n) a.resize(n);
    for (size_t k = 0; k < n; ++k) a[k] = k < da.size() ? da[k] : Punto{};
}
