#pragma once

// The centroid filter of the triangulation for many points at once: the same
// answers as PuntoInPerimetro on the outline and on every opening, with the
// same ray to the same reference point, found with less work per side.
// The reference point lies left of every side, so a side whose two ends are
// both clearly steeper, or both clearly flatter, than the ray as seen from it
// lies on one side of the ray's line and is passed over by slopes alone. The
// two or three sides a polygon has left are classified by the cross products
// of the ray test computed here, where their roundings cannot change a sign
// or a tolerance; a side too close to call goes to the ray test itself.

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
        double Dx = 0.0;  // B - A
        double Dy = 0.0;
        double Lunghezza = 0.0;  // |Dx| + |Dy|, no less than the length
        double TurnoRiferimento = 0.0;  // the cross product of VersoRiferimento
        double PendenzaMin = 0.0;  // of the two ends seen from the reference point
        double PendenzaMax = 0.0;
    };
    struct Poligono {
        std::size_t Primo = 0;
        std::size_t Fine = 0;
    };
    // The ray from one centroid to the reference point, with the bounds of
    // the roundings of every product computed on it.
    struct Raggio {
        bool Valido = false;  // else every side goes to the ray test
        Punto G;
        double Dx = 0.0;  // reference point - G
        double Dy = 0.0;
        double Lunghezza = 0.0;
        double PendenzaMin = 0.0;  // a side with both slopes outside passes the ray's line
        double PendenzaMax = 0.0;
        double ErroreTurno = 0.0;  // of a cross product, here and in Orientamento together
        double ErroreIncrocio = 0.0;  // of the crossing point, times the denominator
        double ErroreArrotondamento = 0.0;  // of the crossing point rounded to float
    };
    enum class Esito { Fuori, Attraversa, Incerto };

    void AggiungiPoligono(const std::vector<Punto>& vertici);
    void PreparaPendenze();
    [[nodiscard]] double Pendenza(const Punto& v) const;
    [[nodiscard]] Raggio RaggioDa(const Punto& g) const;
    [[nodiscard]] static Esito Classifica(const Lato& l, const Raggio& raggio);
    [[nodiscard]] bool Attraversa(const Lato& l, const Punto& g) const;
    [[nodiscard]] bool Dentro(const Poligono& poligono, const Raggio& raggio) const;

    float xr_ = 0.0f;
    float yr_ = 0.0f;
    std::vector<Lato> lati_;
    std::vector<Poligono> poligoni_;  // the outline, then the openings
    // The box of the sides and the reference point, for the bounds of the
    // roundings; no classification here when a vertex is not clearly right
    // of the reference point.
    bool conPendenze_ = false;
    double distanzaMinima_ = 0.0;  // of a vertex, along x, from the reference point
    double pendenzaMassima_ = 0.0;  // in absolute value
    double xmax_ = 0.0, ymin_ = 0.0, ymax_ = 0.0;
};
