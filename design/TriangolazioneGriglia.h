#pragma once

// Which triangles' circumcircles may hold a node: a stack of uniform grids
// over the box of the nodes, each twice as coarse as the one below. A circle
// is filed in the finest grid where a box that safely encloses its float
// circle spans at most two cells each way; a query looks at the one cell of
// the node in every grid and runs the float in-circle test on what it finds,
// so it meets every triangle whose circle holds the node, each once.
// Two kinds of circle stay out of the grids, in flat lists that a query tests
// whole, without branches:
// - the circles that would go to the coarsest grids (those of the triangles
//   on a super-triangle vertex, nearly half-planes): inserting nodes row by
//   row keeps hundreds of them alive, which a query would otherwise meet one
//   at a time;
// - the circles of the last node's triangles until the next query has run:
//   on a wall of nodes in rows most of them are in the next node's cavity, so
//   they are never filed at all.

#include "design/TriangolazioneComune.h"
#include "model/Punto.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

// Circles side by side for a scan that the compiler vectorises; a removal
// moves the last circle into the gap.
class ListaCerchi {
public:
    // The position of the new circle.
    std::size_t Aggiungi(int id, const CerchioTriangolo& cerchio);

    // Removes the circle at posto; the id of the circle moved into it, or -1.
    int Togli(std::size_t posto);

    [[nodiscard]] std::size_t Numero() const { return id_.size(); }
    [[nodiscard]] int Id(std::size_t posto) const { return id_[posto]; }
    [[nodiscard]] CerchioTriangolo Cerchio(std::size_t posto) const { return {xc_[posto], yc_[posto], r2_[posto]}; }
    void Svuota();

    // Calls colpito(id) for every circle that holds p by the float test. The
    // hits are looked for only in a block that has one.
    template <class Colpito>
    void PerOgniCerchioCon(const Punto& p, Colpito colpito) const {
        constexpr std::size_t blocco = 32;
        const std::size_t n = id_.size();
        const float* xc = xc_.data();
        const float* yc = yc_.data();
        const float* r2 = r2_.data();
        for (std::size_t inizio = 0; inizio < n; inizio += blocco) {
            const std::size_t fine = std::min(inizio + blocco, n);
            int colpiti = 0;
            for (std::size_t k = inizio; k < fine; ++k) colpiti |= PuntoNelCerchio(xc[k], yc[k], r2[k], p.X, p.Y);
            if (colpiti == 0) continue;
            for (std::size_t k = inizio; k < fine; ++k) {
                if (PuntoNelCerchio(xc[k], yc[k], r2[k], p.X, p.Y)) colpito(id_[k]);
            }
        }
    }

private:
    std::vector<float> xc_, yc_, r2_;
    std::vector<int> id_;
};

class GrigliaCerchi {
public:
    // Every later query point is one of nodi.
    explicit GrigliaCerchi(std::span<const Punto> nodi);

    // Takes triangle id with its circle; it is filed by the next
    // ArchiviaNuovi. The id must not be held already.
    void Registra(int id, const CerchioTriangolo& cerchio);

    // Files every circle registered since the last call. A circle that holds
    // no point or lies clear of the nodes' box is dropped.
    void ArchiviaNuovi();

    // Forgets triangle id.
    void Togli(int id);

    // Calls colpito(id) for every triangle held whose circle holds p by the
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
        grandi_.PerOgniCerchioCon(p, colpito);
        nuovi_.PerOgniCerchioCon(p, colpito);
    }

private:
    struct Voce {
        float Xc = 0.0f;
        float Yc = 0.0f;
        float R2 = 0.0f;
        int Id = 0;
        int Registrazione = 0;  // which of the id's cells holds this entry
    };
    enum class Sede : std::uint8_t { Nessuna, Griglia, Grandi, Nuovi };
    // Where the entries of one triangle are, to take them out at once. Kept
    // small: there is one for every triangle alive at once.
    struct Registrazione {
        Sede Dove = Sede::Nessuna;
        std::uint8_t Numero = 0;  // cells in the grid
        std::uint16_t Livello = 0;
        std::uint32_t PostoLista = 0;  // in grandi_ or nuovi_
        std::array<std::uint32_t, 4> Cella{};
        std::array<std::uint32_t, 4> Posto{};
    };
    struct Livello {
        double Lato = 1.0;
        double PerLato = 1.0;  // 1 / Lato: a product keeps the cells in order as well as a quotient
        int Colonne = 1;
        int Righe = 1;
        std::size_t PrimaCella = 0;
        std::size_t Voci = 0;  // lets a query skip an empty grid
    };

    [[nodiscard]] static int Cella(double v, double minimo, double perLato, int numero) {
        const double c = (v - minimo) * perLato;
        if (!(c >= 1.0)) return 0;
        return c >= numero - 1 ? numero - 1 : static_cast<int>(c);
    }
    void Archivia(int id, const CerchioTriangolo& cerchio);
    void ArchiviaInCella(int id, std::size_t livello, std::size_t cella, const CerchioTriangolo& cerchio);
    void AggiungiALista(ListaCerchi& lista, Sede sede, int id, const CerchioTriangolo& cerchio);
    void TogliDaLista(ListaCerchi& lista, std::size_t posto);

    double xmin_ = 0.0, xmax_ = 0.0, ymin_ = 0.0, ymax_ = 0.0;
    std::vector<Livello> livelli_;  // the coarser ones would hand their circles to grandi_
    std::vector<std::vector<Voce>> celle_;  // the cells of every level
    ListaCerchi grandi_;
    ListaCerchi nuovi_;
    std::vector<Registrazione> registrazioni_;  // by id
};
