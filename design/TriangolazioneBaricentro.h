#pragma once

// The centroid filter of the triangulation for many points at once: the same
// answers as PuntoInPerimetro on the outline and on every opening, with the
// same ray to the same reference point, but each side is first asked whether
// the ray crosses it at all, and only the sides it crosses are classified.

#include "model/Parete.h"
#include "model/Punto.h"

#include <vector>

class FiltroBaricentri {
public:
    explicit FiltroBaricentri(const Parete& parete);

    // Outside the outline, or inside an opening.
    [[nodiscard]] bool FuoriParete(const Punto& g) const;

private:
    struct Lato {
        Punto A;
        Punto B;
        int VersoRiferimento = 0;  // Orientamento(A, B, reference point)
    };
    struct Poligono {
        std::size_t Primo = 0;
        std::size_t Fine = 0;
    };

    void AggiungiPoligono(const std::vector<Punto>& vertici);
    [[nodiscard]] bool Dentro(const Poligono& poligono, const Punto& g) const;

    float xr_ = 0.0f;
    float yr_ = 0.0f;
    std::vector<Lato> lati_;
    std::vector<Poligono> poligoni_;  // the outline, then the openings
};
