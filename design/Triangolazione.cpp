#include "design/Triangolazione.h"

#include "model/Parete.h"
#include "model/Poligoni.h"

#include <cmath>
#include <vector>

namespace {

// Circumcircle of three points in float, as the in-circle test computes it.
// The centre depends on the order of the corners, so a cached circle gives the
// same answer as recomputing it for every inserted node.
struct Cerchio {
    bool Valido = false;  // false for degenerate corners
    float Xc = 0.0f;
    float Yc = 0.0f;
    float R2 = 0.0f;
};

Cerchio CerchioCircoscritto(float x1, float y1, float x2, float y2, float x3, float y3) {
    constexpr float tolleranzaY = 0.0001f;
    constexpr float tolleranzaPendenza = 0.00001f;
    Cerchio c;
    const bool lato12Orizzontale = std::fabs(y1 - y2) < tolleranzaY;
    const bool lato23Orizzontale = std::fabs(y3 - y2) < tolleranzaY;
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
        if (std::fabs(x2 - x1) <= tolleranzaY && std::fabs(x3 - x2) <= tolleranzaY) return c;
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
    c.Valido = true;
    c.Xc = xc;
    c.Yc = yc;
    c.R2 = dx * dx + dy * dy;
    return c;
}

bool PuntoNelCerchio(const Cerchio& c, float xp, float yp) {
    if (!c.Valido) return false;
    const float dx = xp - c.Xc;
    const float dy = yp - c.Yc;
    return dx * dx + dy * dy <= c.R2;
}

struct TriangoloInCostruzione {
    Triangolo Vertici;
    Cerchio Circoscritto;
};

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
            if (da_togliere(triangoli_[j].Vertici)) {
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

    std::vector<Triangolo> Risultato() const {
        std::vector<Triangolo> risultato;
        risultato.reserve(triangoli_.size());
        for (const auto& t : triangoli_) risultato.push_back(t.Vertici);
        return risultato;
    }

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
        triangoli_.reserve(3 * static_cast<std::size_t>(n));
        AggiungiTriangolo({n, n + 1, n + 2});
    }

    void InserisciNodo(int i) {
        const Punto p = puntiTri_[i];
        lati_.clear();
        std::size_t j = 0;
        while (j < triangoli_.size()) {
            if (PuntoNelCerchio(triangoli_[j].Circoscritto, p.X, p.Y)) {
                const Triangolo& t = triangoli_[j].Vertici;
                lati_.push_back({t.N1, t.N2});
                lati_.push_back({t.N2, t.N3});
                lati_.push_back({t.N3, t.N1});
                TogliTriangolo(j);
            } else {
                ++j;
            }
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

    void AggiungiTriangolo(const Triangolo& t) {
        const Punto& a = puntiTri_[t.N1];
        const Punto& b = puntiTri_[t.N2];
        const Punto& c = puntiTri_[t.N3];
        triangoli_.push_back({t, CerchioCircoscritto(a.X, a.Y, b.X, b.Y, c.X, c.Y)});
    }

    void TogliTriangolo(std::size_t j) {
        triangoli_[j] = triangoli_.back();
        triangoli_.pop_back();
    }

    int numNodi_;
    std::vector<Punto> puntiTri_;  // the nodes, then the three super vertices
    std::vector<TriangoloInCostruzione> triangoli_;
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
    return PuntoNelCerchio(CerchioCircoscritto(x1, y1, x2, y2, x3, y3), xp, yp);
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
