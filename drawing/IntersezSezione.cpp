#include "drawing/IntersezSezione.h"

#include "model/Geometria.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>

namespace {

// Distance from the line within which a vertex counts as lying on it.
constexpr double TolleranzaLinea = 0.001;

struct PuntoTelaio {
    double u = 0.0;  // along the section
    double v = 0.0;  // across it
};

PuntoTelaio NelTelaio(int orizzontale, const Punto& p) {
    float u = 0.0f, v = 0.0f;
    RuotaInDirezione(orizzontale, p.X, p.Y, u, v);
    return {u, v};
}

// The section line in its own frame, from the lower to the higher abscissa.
struct Linea {
    PuntoTelaio a, b;
    double lunghezza = 0.0;

    // Signed distance of p: positive on the side away from the end marks.
    double Scarto(const PuntoTelaio& p) const {
        return ((b.u - a.u) * (p.v - a.v) - (b.v - a.v) * (p.u - a.u)) / lunghezza;
    }
    bool Oltre(const PuntoTelaio& p) const { return Scarto(p) > TolleranzaLinea; }
    bool SullaLineaDiTaglio(const PuntoTelaio& p) const {
        const double t =
            ((p.u - a.u) * (b.u - a.u) + (p.v - a.v) * (b.v - a.v)) / (lunghezza * lunghezza);
        return t >= 0.0 && t <= 1.0;
    }
};

// Where side p-q, whose ends lie on different sides, meets the line: an end
// on the line is itself the crossing.
PuntoTelaio Incrocio(const Linea& linea, const PuntoTelaio& p, const PuntoTelaio& q) {
    const double sp = linea.Scarto(p), sq = linea.Scarto(q);
    if (std::fabs(sp) <= TolleranzaLinea) return p;
    if (std::fabs(sq) <= TolleranzaLinea) return q;
    const double t = sp / (sp - sq);
    return {p.u + t * (q.u - p.u), p.v + t * (q.v - p.v)};
}

std::vector<Punto> Apertura(const Parete& parete, int k) {
    std::vector<Punto> anello(parete.PuntiApertura[k]);
    for (int j = 0; j < static_cast<int>(anello.size()); ++j)
        anello[j] = {parete.XApertura(k, j), parete.YApertura(k, j)};
    return anello;
}

std::vector<float> ConAperture(const Parete& parete, int k, const std::vector<Punto>& perimetro,
                               int numPunti) {
    std::vector<float> ascisse;
    if (k < 0 || k > parete.UltSezione) return ascisse;
    const LineaSezione& sezione = parete.Sezioni[k];
    const int n = std::min(numPunti, static_cast<int>(perimetro.size()));
    AggiungiAttraversamenti(sezione, std::span(perimetro).first(std::max(n, 0)), ascisse);
    for (int a = 0; a < parete.NumAperture; ++a)
        AggiungiAttraversamenti(sezione, Apertura(parete, a), ascisse);
    std::sort(ascisse.begin(), ascisse.end());
    return ascisse;
}

}  // namespace

void AggiungiAttraversamenti(const LineaSezione& sezione, std::span<const Punto> anello,
                             std::vector<float>& ascisse) {
    const int o = sezione.Orizzontale;
    Linea linea{NelTelaio(o, sezione.P0), NelTelaio(o, sezione.P1)};
    if (linea.b.u < linea.a.u) std::swap(linea.a, linea.b);
    linea.lunghezza = std::hypot(linea.b.u - linea.a.u, linea.b.v - linea.a.v);
    if (linea.lunghezza < TolleranzaLinea) return;

    const int n = static_cast<int>(anello.size());
    for (int i = 0; i < n; ++i) {
        const PuntoTelaio p = NelTelaio(o, anello[i]);
        const PuntoTelaio q = NelTelaio(o, anello[(i + 1) % n]);
        if (linea.Oltre(p) == linea.Oltre(q)) continue;
        const PuntoTelaio x = Incrocio(linea, p, q);
        if (linea.SullaLineaDiTaglio(x)) ascisse.push_back(static_cast<float>(x.u));
    }
}

std::vector<float> IntersezSezPerimEst(const Parete& parete, int k) {
    return ConAperture(parete, k, parete.PerimetroEsterno, parete.NumPuntiEst);
}

std::vector<float> IntersezSezPerimInt(const Parete& parete, int k) {
    return ConAperture(parete, k, parete.PerimetroInterno, parete.NumPuntiInt);
}
