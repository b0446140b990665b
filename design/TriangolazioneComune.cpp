#include "design/TriangolazioneComune.h"

#include "design/SommaEsatta.h"

#include <array>
#include <cmath>
#include <limits>

CerchioTriangolo CerchioCircoscritto(float x1, float y1, float x2, float y2, float x3, float y3) {
    constexpr float tolleranza = 0.0001f;
    constexpr float tolleranzaPendenza = 0.00001f;
    CerchioTriangolo c;
    const bool lato12Orizzontale = std::fabs(y1 - y2) < tolleranza;
    const bool lato23Orizzontale = std::fabs(y3 - y2) < tolleranza;
    if (lato12Orizzontale && lato23Orizzontale) return c;

    float xc = 0.0f;
    float yc = 0.0f;
    if (lato12Orizzontale) {
        const float m2 = -(x3 - x2) / (y3 - y2);
        const float mx2 = (x2 + x3) / 2.0f;
        const float my2 = (y2 + y3) / 2.0f;
        xc = (x1 + x2) / 2.0f;
        yc = (xc - mx2) * m2 + my2;
    } else if (lato23Orizzontale) {
        const float m1 = -(x2 - x1) / (y2 - y1);
        const float mx1 = (x1 + x2) / 2.0f;
        const float my1 = (y1 + y2) / 2.0f;
        xc = (x2 + x3) / 2.0f;
        yc = (xc - mx1) * m1 + my1;
    } else {
        if (std::fabs(x2 - x1) <= tolleranza && std::fabs(x3 - x2) <= tolleranza) return c;
        const float m1 = -(x2 - x1) / (y2 - y1);
        const float m2 = -(x3 - x2) / (y3 - y2);
        if (std::fabs(m1 - m2) < tolleranzaPendenza) return c;
        const float mx1 = (x1 + x2) / 2.0f;
        const float my1 = (y1 + y2) / 2.0f;
        const float mx2 = (x2 + x3) / 2.0f;
        const float my2 = (y2 + y3) / 2.0f;
        xc = (m1 * mx1 - m2 * mx2 + my2 - my1) / (m1 - m2);
        yc = (xc - mx1) * m1 + my1;
    }
    const float dx = x2 - xc;
    const float dy = y2 - yc;
    c.Xc = xc;
    c.Yc = yc;
    c.R2 = dx * dx + dy * dy;
    return c;
}

std::vector<Punto> PuntiConSuperTriangolo(const Parete& parete) {
    const int n = parete.NumNodi;
    std::vector<Punto> punti(static_cast<std::size_t>(n) + 3);
    for (int i = 0; i < n; ++i) punti[i] = {parete.Nodi[i].X, parete.Nodi[i].Y};
    float xmin = punti[0].X, xmax = xmin;
    float ymin = punti[0].Y, ymax = ymin;
    for (int i = 1; i < n; ++i) {
        const Punto& p = punti[i];
        if (p.X < xmin) xmin = p.X;
        if (p.X > xmax) xmax = p.X;
        if (p.Y < ymin) ymin = p.Y;
        if (p.Y > ymax) ymax = p.Y;
    }
    const float dx = xmax - xmin;
    const float dy = ymax - ymin;
    const float d = dx > dy ? dx : dy;
    const float xm = (xmax + xmin) / 2.0f;
    const float ym = (ymax + ymin) / 2.0f;
    punti[n] = {xm - 2.0f * d, ym - d};
    punti[n + 1] = {xm, ym + 2.0f * d};
    punti[n + 2] = {xm + 2.0f * d, ym - d};
    return punti;
}

Punto Baricentro(std::span<const Punto> punti, const Triangolo& t) {
    const Punto& a = punti[t.N1];
    const Punto& b = punti[t.N2];
    const Punto& c = punti[t.N3];
    return {(a.X + b.X + c.X) / 3.0f, (a.Y + b.Y + c.Y) / 3.0f};
}

bool AngoliAllineati(std::span<const Punto> punti, const Triangolo& t) {
    const Punto& a = punti[t.N1];
    const Punto& b = punti[t.N2];
    const Punto& c = punti[t.N3];
    for (const float v : {a.X, a.Y, b.X, b.Y, c.X, c.Y}) {
        if (!std::isfinite(v)) return false;
    }
    // ax (by - cy) + bx (cy - ay) + cx (ay - by): a product of two floats is
    // exact in double, so only the sum needs care.
    const auto prodotto = [](float u, float v) { return static_cast<double>(u) * static_cast<double>(v); };
    const std::array<double, 6> termini = {prodotto(a.X, b.Y), -prodotto(a.X, c.Y), prodotto(b.X, c.Y),
                                           -prodotto(b.X, a.Y), prodotto(c.X, a.Y), -prodotto(c.X, b.Y)};
    // A plain sum clear of zero by more than its roundings settles it; only
    // nearly flat corners need the exact sign.
    double somma = 0.0, grandezza = 0.0;
    for (const double t : termini) {
        somma += t;
        grandezza += std::fabs(t);
    }
    if (std::fabs(somma) > 16.0 * std::numeric_limits<double>::epsilon() * grandezza) return false;
    return SegnoSommaEsatta(termini) == 0;
}
