#pragma once

#include "model/PosizioneArm.h"
#include "model/Poligoni.h"

#include <array>

// A zone quadrilateral made ready for the test of many nodes. Contiene gives
// exactly PuntoInZona's answer: a few products settle a node that lies
// clearly inside or clearly outside a convex quadrilateral, where the ray
// test cannot count otherwise; any other node (near a side, or on a ray
// passing near a corner, or of a zone that is not plainly convex) takes
// PuntoInZona itself.
class ZonaPronta {
public:
    explicit ZonaPronta(const PosizioneArm& zona);

    [[nodiscard]] const RiquadroZonaVicina& Riquadro() const { return riquadro_; }
    [[nodiscard]] bool Contiene(float x, float y) const;

private:
    enum class Esito { Dentro, Fuori, Incerto };
    [[nodiscard]] Esito Rapido(double x, double y) const;

    const PosizioneArm& zona_;
    RiquadroZonaVicina riquadro_;
    bool rapida_ = false;        // convex with sides and reference point clear
    Punto riferimento_;          // the far end of the rays
    std::array<Punto, 4> v_{};   // corners, turning so that the inside lies left
    std::array<double, 4> sogliaLato_{};  // MargineLato times the length of side i
    double sogliaRaggio_ = 0.0;  // MargineRaggio times the longest ray
};
