#pragma once

// What the fast triangulation and its plain reference share: the float
// circumcircle, the nodes with the super-triangle, the limits that stop a
// runaway construction, and the filters applied to the finished list.
// Every file that computes circles is built without floating-point
// contraction, so that a fused multiply-add never changes a tie.

#include "model/Parete.h"
#include "model/Punto.h"
#include "model/Triangolo.h"

#include <cstddef>
#include <span>
#include <vector>

// Circumcircle of three points in float, as the in-circle test computes it.
// The centre depends on the order of the corners, so a cached circle gives the
// same answer as recomputing it for every inserted node.
// Degenerate corners get a negative squared radius, which no point is within.
struct CerchioTriangolo {
    float Xc = 0.0f;
    float Yc = 0.0f;
    float R2 = -1.0f;
};

[[nodiscard]] CerchioTriangolo CerchioCircoscritto(float x1, float y1, float x2, float y2, float x3, float y3);

[[nodiscard]] inline CerchioTriangolo CerchioCircoscritto(std::span<const Punto> punti, const Triangolo& t) {
    const Punto& a = punti[t.N1];
    const Punto& b = punti[t.N2];
    const Punto& c = punti[t.N3];
    return CerchioCircoscritto(a.X, a.Y, b.X, b.Y, c.X, c.Y);
}

[[nodiscard]] inline bool PuntoNelCerchio(float xc, float yc, float r2, float xp, float yp) {
    const float dx = xp - xc;
    const float dy = yp - yc;
    return dx * dx + dy * dy <= r2;
}

// The nodes of the wall, then the three vertices of the small super-triangle
// around their box (indexes NumNodi to NumNodi + 2). NumNodi >= 1.
[[nodiscard]] std::vector<Punto> PuntiConSuperTriangolo(const Parete& parete);

[[nodiscard]] inline Triangolo SuperTriangolo(int numNodi) { return {numNodi, numNodi + 1, numNodi + 2}; }

// The bounds of the construction: past either one the triangulation stops and
// leaves no triangle, so that no node set can make it run away.
struct LimitiTriangolazione {
    explicit LimitiTriangolazione(int numNodi)
        : MaxTriangoli(3 * static_cast<std::size_t>(numNodi)), MaxLati(9 * static_cast<std::size_t>(numNodi)) {}

    // A cavity of this many triangles overflows the edge buffer: its last
    // triangle would list edges past MaxLati.
    [[nodiscard]] bool LatiOltre(std::size_t triangoliCavita) const {
        return triangoliCavita > 0 && 3 * (triangoliCavita - 1) + 2 > MaxLati;
    }
    [[nodiscard]] bool TriangoliOltre(std::size_t triangoli) const { return triangoli > MaxTriangoli; }

    std::size_t MaxTriangoli;
    std::size_t MaxLati;
};

// Removes, with the swap-with-last walk of the construction, every triangle
// for which daTogliere is true.
template <class Predicato>
void TogliTriangoli(std::vector<Triangolo>& triangoli, Predicato daTogliere) {
    std::size_t j = 0;
    while (j < triangoli.size()) {
        if (daTogliere(triangoli[j])) {
            triangoli[j] = triangoli.back();
            triangoli.pop_back();
        } else {
            ++j;
        }
    }
}

[[nodiscard]] Punto Baricentro(std::span<const Punto> punti, const Triangolo& t);

// True when the three stored corners lie exactly on one line (exact
// arithmetic on the float coordinates).
[[nodiscard]] bool AngoliAllineati(std::span<const Punto> punti, const Triangolo& t);

// The filters of the finished construction, in order: triangles touching the
// super-triangle, triangles whose centroid fuoriParete rejects, and triangles
// with collinear corners. Then the list goes to the wall.
template <class FuoriParete>
void ConcludiTriangolazione(Parete& parete, std::span<const Punto> punti, std::vector<Triangolo> triangoli,
                           FuoriParete fuoriParete) {
    const int n = parete.NumNodi;
    TogliTriangoli(triangoli, [&](const Triangolo& t) { return t.N1 >= n || t.N2 >= n || t.N3 >= n; });
    TogliTriangoli(triangoli, [&](const Triangolo& t) { return fuoriParete(Baricentro(punti, t)); });
    TogliTriangoli(triangoli, [&](const Triangolo& t) { return AngoliAllineati(punti, t); });
    parete.Triangoli = std::move(triangoli);
    parete.UltimoTriangolo = static_cast<int>(parete.Triangoli.size()) - 1;
}
