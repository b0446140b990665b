#include "design/AreeMancantiGriglia.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double NodiPerCella = 4.0;

int Cella(double v, double origine, double lato, int celle) {
    const double k = std::floor((v - origine) / lato);
    if (!(k >= 0.0)) return 0;  // also NaN
    return k >= celle - 1 ? celle - 1 : static_cast<int>(k);
}

// Cells along one side: clamped while still floating point, since nodes
// almost on one line give a side ratio far beyond any int.
int CelleLungo(double rapporto) {
    constexpr double Massimo = 4096.0;
    return static_cast<int>(std::clamp(std::ceil(rapporto), 1.0, Massimo));
}

}  // namespace

GrigliaNodi::GrigliaNodi(std::span<const Nodo> nodi) {
    if (nodi.empty()) return;
    double xmin = nodi[0].X, xmax = xmin, ymin = nodi[0].Y, ymax = ymin;
    for (const Nodo& n : nodi) {
        xmin = std::min(xmin, static_cast<double>(n.X));
        xmax = std::max(xmax, static_cast<double>(n.X));
        ymin = std::min(ymin, static_cast<double>(n.Y));
        ymax = std::max(ymax, static_cast<double>(n.Y));
    }
    // Square-ish cells holding a few nodes each on an even spread.
    const double larghezza = std::max(xmax - xmin, 1e-3);
    const double altezza = std::max(ymax - ymin, 1e-3);
    const double celle = std::max(1.0, static_cast<double>(nodi.size()) / NodiPerCella);
    const double lato = std::sqrt(larghezza * altezza / celle);
    colonne_ = CelleLungo(larghezza / lato);
    righe_ = CelleLungo(altezza / lato);
    x0_ = xmin;
    y0_ = ymin;
    latoX_ = larghezza / colonne_;
    latoY_ = altezza / righe_;

    std::vector<int> cella(nodi.size());
    inizio_.assign(static_cast<size_t>(colonne_) * righe_ + 1, 0);
    for (size_t i = 0; i < nodi.size(); ++i) {
        cella[i] = Riga(nodi[i].Y) * colonne_ + Colonna(nodi[i].X);
        ++inizio_[cella[i] + 1];
    }
    for (size_t c = 1; c < inizio_.size(); ++c) inizio_[c] += inizio_[c - 1];
    std::vector<int> prossima(inizio_.begin(), inizio_.end() - 1);
    voci_.resize(nodi.size());
    for (size_t i = 0; i < nodi.size(); ++i) {
        voci_[prossima[cella[i]]++] = Voce{nodi[i].X, nodi[i].Y, static_cast<int>(i)};
    }
}

int GrigliaNodi::Colonna(double x) const { return Cella(x, x0_, latoX_, colonne_); }

int GrigliaNodi::Riga(double y) const { return Cella(y, y0_, latoY_, righe_); }
