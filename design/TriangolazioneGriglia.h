#pragma once

// Which triangles' circumcircles may hold a node: a stack of uniform grids
// over the box of the nodes, each twice as coarse as the one below. A circle
// is filed in the finest grid where a box that safely encloses its float
// circle spans at most two cells each way; a query looks at the one cell of
// the node in every grid and runs the float in-circle test on what it finds,
// so it meets every triangle whose circle holds the node, each once.
// Circles that would go to the coarsest grids (those of the triangles on a
// super-triangle vertex, nearly half-planes) are kept apart in one flat list
// that every query tests whole, without branches: inserting nodes row by row
// keeps hundreds of them alive, and a query would otherwise walk them one by
// one.

#include "design/TriangolazioneComune.h"
#include "model/Punto.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

class GrigliaCerchi {
public:
    // Every later query point is one of nodi.
    explicit GrigliaCerchi(std::span<const Punto> nodi);

    // Files triangle id under its circle. A circle that holds no point or lies
    // clear of the nodes' box is not filed. The id must not be filed already.
    void Registra(int id, const CerchioTriangolo& cerchio);

    // Forgets triangle id.
    void Togli(int id);

    // Calls colpito(id) for every filed triangle whose circle holds p by the
    // float test.
    template <class Colpito>
    void PerOgniCerchioCon(const Punto& p, Colpito colpito) const {
        for (const Livello& livello : livelli_) {
            if (livello.Voci == 0) continue;
            const int i = Cella(p.X, xmin_, livello.PerLato, livello.Colonne);
            const int j = Cella(p.Y, ymin_, livello.PerLato, livello.Righe);
            for (const Voce& v : celle_[livello.PrimaCella + static_cast<std::size_t>(j) * livello.Colonne + i]) {
                if (PuntoNelCerchio(v.Xc, v.Yc, v.R2, p.X, p.Y)) colpito(v.Id);
            }
        }
        PerOgniGrandeCon(p, colpito);
    }

private:
    // The flat list, scanned in blocks whose hits are looked for only when
    // the block has one, which the compiler vectorises.
    template <class Colpito>
    void PerOgniGrandeCon(const Punto& p, Colpito colpito) const {
        constexpr std::size_t blocco = 32;
        const std::size_t n = grandi_.Id.size();
        const float* xc = grandi_.Xc.data();
        const float* yc = grandi_.Yc.data();
        const float* r2 = grandi_.R2.data();
        for (std::size_t inizio = 0; inizio < n; inizio += blocco) {
            const std::size_t fine = std::min(inizio + blocco, n);
            int colpiti = 0;
            for (std::size_t k = inizio; k < fine; ++k) colpiti |= PuntoNelCerchio(xc[k], yc[k], r2[k], p.X, p.Y);
            if (colpiti == 0) continue;
            for (std::size_t k = inizio; k < fine; ++k) {
                if (PuntoNelCerchio(xc[k], yc[k], r2[k], p.X, p.Y)) colpito(grandi_.Id[k]);
            }
        }
    }

    struct Voce {
        float Xc = 0.0f;
        float Yc = 0.0f;
        float R2 = 0.0f;
        int Id = 0;
        int Registrazione = 0;  // which of the id's cells holds this entry
    };
    // Where the entries of one triangle are, to take them out at once.
    struct Registrazione {
        int Numero = 0;
        int PostoGrande = -1;  // in the flat list, or -1
        std::size_t Livello = 0;
        std::array<std::size_t, 4> Cella{};
        std::array<std::size_t, 4> Posto{};
    };
    struct Livello {
        double Lato = 1.0;
        double PerLato = 1.0;  // 1 / Lato: a product keeps the cells in order as well as a quotient
        int Colonne = 1;
        int Righe = 1;
        std::size_t PrimaCella = 0;
        std::size_t Voci = 0;  // lets a query skip an empty grid
    };
    struct ListaGrandi {
        std::vector<float> Xc, Yc, R2;
        std::vector<int> Id;
    };

    [[nodiscard]] static int Cella(double v, double minimo, double perLato, int numero) {
        const double c = (v - minimo) * perLato;
        if (!(c >= 1.0)) return 0;
        return c >= numero - 1 ? numero - 1 : static_cast<int>(c);
    }
    void Archivia(int id, std::size_t livello, std::size_t cella, const CerchioTriangolo& cerchio);
    void ArchiviaGrande(int id, const CerchioTriangolo& cerchio);

    double xmin_ = 0.0, xmax_ = 0.0, ymin_ = 0.0, ymax_ = 0.0;
    std::vector<Livello> livelli_;  // the coarser ones would hand their circles to grandi_
    ListaGrandi grandi_;
    std::vector<std::vector<Voce>> celle_;  // the cells of every level
    std::vector<Registrazione> registrazioni_;  // by id
};
