#pragma once

#include "model/Nodo.h"

#include <span>
#include <vector>

// The analysis nodes sorted into a uniform grid of cells over their box, so
// that a zone visits only the nodes of the cells its box touches.
class GrigliaNodi {
public:
    explicit GrigliaNodi(std::span<const Nodo> nodi);

    struct Voce {
        float x, y;
        int indice;  // into the nodes
    };

    // Every node whose x lies in [xmin, xmax] and y in [ymin, ymax] is among
    // the nodes passed to f (with others of the same cells), each once.
    template <typename F>
    void PerOgniCandidato(double xmin, double ymin, double xmax, double ymax, F&& f) const {
        if (voci_.empty()) return;
        const int c0 = Colonna(xmin), c1 = Colonna(xmax);
        const int r0 = Riga(ymin), r1 = Riga(ymax);
        for (int r = r0; r <= r1; ++r) {
            const int base = r * colonne_;
            for (int k = inizio_[base + c0]; k < inizio_[base + c1 + 1]; ++k) f(voci_[k]);
        }
    }

private:
    // Monotone in the coordinate, so a node inside a range falls in a cell
    // inside the range of cells.
    int Colonna(double x) const;
    int Riga(double y) const;

    double x0_ = 0.0, y0_ = 0.0, latoX_ = 1.0, latoY_ = 1.0;
    int colonne_ = 1, righe_ = 1;
    std::vector<int> inizio_;  // cell c holds voci_[inizio_[c]] to voci_[inizio_[c + 1] - 1]
    std::vector<Voce> voci_;   // row by row, cells of a row left to right
};
