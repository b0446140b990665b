#include "design/TriangolazioneSemplice.h"

#include "design/TriangolazioneComune.h"
#include "model/Parete.h"
#include "model/Poligoni.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct Lato {
    int Inizio = 0;
    int Fine = 0;
    bool Annullato() const { return Inizio == -1; }
    void Annulla() { Inizio = Fine = -1; }
};

class Costruzione {
public:
    explicit Costruzione(std::span<const Punto> punti, int numNodi) : punti_(punti), limiti_(numNodi) {
        triangoli_.reserve(limiti_.MaxTriangoli);
        xc_.reserve(limiti_.MaxTriangoli);
        yc_.reserve(limiti_.MaxTriangoli);
        r2_.reserve(limiti_.MaxTriangoli);
        AggiungiTriangolo(SuperTriangolo(numNodi));
    }

    // False when a limit stopped the construction.
    [[nodiscard]] bool InserisciNodo(int i) {
        const Punto p = punti_[i];
        lati_.clear();
        // A removed slot receives the last triangle and is tested again.
        for (std::size_t j = PrimoCerchioCon(p, 0); j < triangoli_.size(); j = PrimoCerchioCon(p, j)) {
            if (lati_.size() + 2 > limiti_.MaxLati) return false;
            const Triangolo t = triangoli_[j];
            lati_.push_back({t.N1, t.N2});
            lati_.push_back({t.N2, t.N3});
            lati_.push_back({t.N3, t.N1});
            TogliTriangolo(j);
        }
        AnnullaLatiCondivisi();
        for (const Lato& l : lati_) {
            if (l.Annullato()) continue;
            if (limiti_.TriangoliOltre(triangoli_.size() + 1)) return false;
            AggiungiTriangolo({l.Inizio, l.Fine, i});
        }
        return true;
    }

    std::vector<Triangolo> Risultato() && { return std::move(triangoli_); }

private:
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
        const CerchioTriangolo cerchio = CerchioCircoscritto(punti_, t);
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

    std::span<const Punto> punti_;
    LimitiTriangolazione limiti_;
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

void TriangolaNodiSemplice(Parete& parete) {
    parete.Triangoli.clear();
    parete.UltimoTriangolo = -1;
    if (parete.NumNodi < 1) return;

    const std::vector<Punto> punti = PuntiConSuperTriangolo(parete);
    Costruzione costruzione(punti, parete.NumNodi);
    for (int i = 0; i < parete.NumNodi; ++i) {
        if (!costruzione.InserisciNodo(i)) return;
    }
    ConcludiTriangolazione(parete, punti, std::move(costruzione).Risultato(),
                           [&](const Punto& g) { return BaricentroFuoriParete(parete, g); });
}
