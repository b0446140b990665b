#include "design/Triangolazione.h"

#include "model/Parete.h"
#include "model/Poligoni.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Circumcircle of three points in float, as the in-circle test computes it.
// The centre depends on the order of the corners, so a cached circle gives the
// same answer as recomputing it for every inserted node.
// Degenerate corners get a negative squared radius, which no point is within.
struct Cerchio {
    float Xc = 0.0f;
    float Yc = 0.0f;
    float R2 = -1.0f;
};

Cerchio CerchioCircoscritto(float x1, float y1, float x2, float y2, float x3, float y3) {
    constexpr float tolleranza = 0.0001f;
    constexpr float tolleranzaPendenza = 0.00001f;
    Cerchio c;
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

bool PuntoNelCerchio(float xc, float yc, float r2, float xp, float yp) {
    const float dx = xp - xc;
    const float dy = yp - yc;
    return dx * dx + dy * dy <= r2;
}

struct Lato {
    int Inizio = 0;
    int Fine = 0;
    bool Annullato() const { return Inizio == -1; }
    void Annulla() { Inizio = Fine = -1; }
};

class Triangolazione {
public:
    explicit Triangolazione(const Parete& parete) : numNodi_(parete.NumNodi) {
        puntiTri_.resize(numNodi_ + 3);
        for (int i = 0; i < numNodi_; ++i) puntiTri_[i] = {parete.Nodi[i].X, parete.Nodi[i].Y};
    }

    void Costruisci() {
        AggiungiSuperTriangolo();
        for (int i = 0; i < numNodi_; ++i) InserisciNodo(i);
    }

    // Removes, with the same swap-with-last walk as the construction, every
    // triangle for which da_togliere is true.
    template <class Predicato>
    void Togli(Predicato da_togliere) {
        std::size_t j = 0;
        while (j < triangoli_.size()) {
            if (da_togliere(triangoli_[j])) {
                TogliTriangolo(j);
            } else {
                ++j;
            }
        }
    }

    bool ToccaSuperTriangolo(const Triangolo& t) const {
        return t.N1 >= numNodi_ || t.N2 >= numNodi_ || t.N3 >= numNodi_;
    }

    Punto Baricentro(const Triangolo& t) const {
        const Punto& a = puntiTri_[t.N1];
        const Punto& b = puntiTri_[t.N2];
        const Punto& c = puntiTri_[t.N3];
        return {(a.X + b.X + c.X) / 3.0f, (a.Y + b.Y + c.Y) / 3.0f};
    }

    const std::vector<Triangolo>& Risultato() const { return triangoli_; }

private:
    void AggiungiSuperTriangolo() {
        float xmin = puntiTri_[0].X, xmax = xmin;
        float ymin = puntiTri_[0].Y, ymax = ymin;
        for (int i = 1; i < numNodi_; ++i) {
            const Punto& p = puntiTri_[i];
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
        const int n = numNodi_;
        puntiTri_[n] = {xm - 2.0f * d, ym - d};
        puntiTri_[n + 1] = {xm, ym + 2.0f * d};
        puntiTri_[n + 2] = {xm + 2.0f * d, ym - d};
        const std::size_t capienza = 3 * static_cast<std::size_t>(n);
        triangoli_.reserve(capienza);
        xc_.reserve(capienza);
        yc_.reserve(capienza);
        r2_.reserve(capienza);
        AggiungiTriangolo({n, n + 1, n + 2});
    }

    void InserisciNodo(int i) {
        const Punto p = puntiTri_[i];
        lati_.clear();
        // A removed slot receives the last triangle and is tested again.
        for (std::size_t j = PrimoCerchioCon(p, 0); j < triangoli_.size(); j = PrimoCerchioCon(p, j)) {
            const Triangolo t = triangoli_[j];
            lati_.push_back({t.N1, t.N2});
            lati_.push_back({t.N2, t.N3});
            lati_.push_back({t.N3, t.N1});
            TogliTriangolo(j);
        }
        AnnullaLatiCondivisi();
        for (const Lato& l : lati_) {
            if (!l.Annullato()) AggiungiTriangolo({l.Inizio, l.Fine, i});
        }
    }

    // An edge listed twice in opposite directions lies between two removed
    // triangles: it is inside the cavity and must not be fanned.
    void AnnullaLatiCondivisi() {
        const std::size_t e = lati_.size();
        for (std::size_t a = 0; a + 1 < e; ++a) {
            if (lati_[a].Annullato()) continue;
            for (std::size_t b = a + 1; b < e; ++b) {
                if (lati_[b].Annullato()) continue;
                if (lati_[a].Inizio == lati_[b].Fine && lati_[a].Fine == lati_[b].Inizio) {
                    lati_[a].Annulla();
                    lati_[b].Annulla();
                    break;
                }
            }
        }
    }

    // Index of the first triangle from da on whose circumcircle holds p, or
    // the triangle count. Every insertion scans the whole list, so the test
    // runs over blocks without branching, which the compiler vectorises.
    std::size_t PrimoCerchioCon(const Punto& p, std::size_t da) const {
        constexpr std::size_t blocco = 64;
        const float* xc = xc_.data();
        const float* yc = yc_.data();
        const float* r2 = r2_.data();
        const std::size_t n = triangoli_.size();
        for (std::size_t inizio = da; inizio < n; inizio += blocco) {
            const std::size_t fine = std::min(inizio + blocco, n);
            int colpiti = 0;
            for (std::size_t k = inizio; k < fine; ++k) {
                colpiti |= PuntoNelCerchio(xc[k], yc[k], r2[k], p.X, p.Y);
            }
            if (colpiti == 0) continue;
            for (std::size_t k = inizio; k < fine; ++k) {
                if (PuntoNelCerchio(xc[k], yc[k], r2[k], p.X, p.Y)) return k;
            }
        }
        return n;
    }

    void AggiungiTriangolo(const Triangolo& t) {
        const Punto& a = puntiTri_[t.N1];
        const Punto& b = puntiTri_[t.N2];
        const Punto& c = puntiTri_[t.N3];
        const Cerchio cerchio = CerchioCircoscritto(a.X, a.Y, b.X, b.Y, c.X, c.Y);
        triangoli_.push_back(t);
        xc_.push_back(cerchio.Xc);
        yc_.push_back(cerchio.Yc);
        r2_.push_back(cerchio.R2);
    }

    void TogliTriangolo(std::size_t j) {
        triangoli_[j] = triangoli_.back();
        xc_[j] = xc_.back();
        yc_[j] = yc_.back();
        r2_[j] = r2_.back();
        triangoli_.pop_back();
        xc_.pop_back();
        yc_.pop_back();
        r2_.pop_back();
    }

    int numNodi_;
    std::vector<Punto> puntiTri_;  // the nodes, then the three super vertices
    // Triangles with their circumcircles, side by side for the scan.
    std::vector<Triangolo> triangoli_;
    std::vector<float> xc_;
    std::vector<float> yc_;
    std::vector<float> r2_;
    std::vector<Lato> lati_;  // cavity edges of the node being inserted
};

bool BaricentroFuoriParete(const Parete& parete, const Punto& g) {
    if (!PuntoInPerimetro(parete, g.X, g.Y, -1)) return true;
    for (int k = 0; k < parete.NumAperture; ++k) {
        if (PuntoInPerimetro(parete, g.X, g.Y, k)) return true;
    }
    return false;
}

}  // namespace

bool InCerchio(float xp, float yp, float x1, float y1, float x2, float y2, float x3, float y3) {
    const Cerchio c = CerchioCircoscritto(x1, y1, x2, y2, x3, y3);
    return PuntoNelCerchio(c.Xc, c.Yc, c.R2, xp, yp);
}

void TriangolaNodi(Parete& parete) {
    parete.Triangoli.clear();
    parete.UltimoTriangolo = -1;
    if (parete.NumNodi < 1) return;

    Triangolazione tri(parete);
    tri.Costruisci();
    tri.Togli([&](const Triangolo& t) { return tri.ToccaSuperTriangolo(t); });
    tri.Togli([&](const Triangolo& t) { return BaricentroFuoriParete(parete, tri.Baricentro(t)); });

    parete.Triangoli = tri.Risultato();
    parete.UltimoTriangolo = static_cast<int>(parete.Triangoli.size()) - 1;
}
