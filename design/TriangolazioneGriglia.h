#pragma once

// Which triangles' circumcircles may hold a node: a stack of uniform grids
// over the box of the nodes, each twice as coarse as the one below. A circle
// is filed in the finest grid where a box that safely encloses its float
// circle spans at most two cells each way; a query looks at the one cell of
// the node in every grid. The answer is a superset of the triangles whose
// float in-circle test holds the node, so the caller runs that test on each.

#include "design/TriangolazioneComune.h"
#include "model/Punto.h"

#include <cstdint>
#include <span>
#include <vector>

class GrigliaCerchi {
public:
    // Every later query point is one of nodi.
    explicit GrigliaCerchi(std::span<const Punto> nodi);

    // Files triangle id, alive in its generation, under its circle. A circle
    // that holds no point or lies clear of the nodes' box is not filed.
    void Registra(int id, std::uint32_t generazione, const CerchioTriangolo& cerchio);

    // Appends to candidati every filed triangle whose generation is still
    // generazioni[id], each once, and forgets the entries of older ones.
    void Candidati(const Punto& p, std::span<const std::uint32_t> generazioni, std::vector<int>& candidati);

private:
    struct Voce {
        int Id = 0;
        std::uint32_t Generazione = 0;
    };
    struct Livello {
        double Lato = 1.0;
        int Colonne = 1;
        int Righe = 1;
        std::vector<std::vector<Voce>> Celle;
    };

    [[nodiscard]] static int Cella(double v, double minimo, double lato, int numero);

    double xmin_ = 0.0, xmax_ = 0.0, ymin_ = 0.0, ymax_ = 0.0;
    std::vector<Livello> livelli_;  // the last one is a single cell
};
