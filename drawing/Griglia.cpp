#include "drawing/Griglia.h"

#include "drawing/BersaglioSchermo.h"
#include "drawing/PoligonoEditorPixel.h"
#include "model/Impostazioni.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int Grigio = Rgb(128, 128, 128);
// Dots packed closer than this (pixels) would only paint the window grey,
// dot by dot, in time growing with the square of the zoom-out.
constexpr float DistanzaMinimaPunti = 1.0f;

// Multiples of a grid step from one window edge to the other.
struct Righe {
    std::int64_t Prima = 0;
    std::int64_t Numero = 0;
};

// The edge rounded to whole cm, then to the multiple of the step towards zero.
std::int64_t MultiploVersoZero(float bordo, int passo) {
    const auto intero = static_cast<std::int64_t>(std::nearbyint(static_cast<double>(bordo)));
    return intero / passo * passo;
}

// Counted in whole steps rather than by adding the step to a float, which
// stops moving on far from the origin.
Righe RigheGriglia(float minimo, float massimo, int passo) {
    constexpr double Limite = 1e15;  // cm; keeps the whole-number conversion defined
    if (!(std::fabs(minimo) < Limite && std::fabs(massimo) < Limite)) return {};
    const std::int64_t prima = MultiploVersoZero(minimo, passo);
    const std::int64_t ultima = MultiploVersoZero(massimo, passo);
    if (ultima < prima) return {};
    return {prima, (ultima - prima) / passo + 1};
}

}  // namespace

void DisGriglia(const BersaglioSchermo& b) {
    const int passoX = b.Imp().PassoGrigliaX;
    const int passoY = b.Imp().PassoGrigliaY;
    if (passoX <= 0 || passoY <= 0) return;
    const Vista& v = b.VistaSchermo();
    if (!(static_cast<float>(passoX) * v.Scala >= DistanzaMinimaPunti &&
          static_cast<float>(passoY) * v.Scala >= DistanzaMinimaPunti))
        return;
    const Righe colonne = RigheGriglia(v.FinXmin, v.FinXmax, passoX);
    const Righe righe = RigheGriglia(v.FinYmin, v.FinYmax, passoY);
    for (std::int64_t i = 0; i < colonne.Numero; ++i) {
        const auto x = static_cast<float>(colonne.Prima + i * passoX);
        for (std::int64_t j = 0; j < righe.Numero; ++j) {
            const auto y = static_cast<float>(righe.Prima + j * passoY);
            const PuntoPixel p = PixelEditor(v, x, y);
            const auto sx = static_cast<float>(p.X), sy = static_cast<float>(p.Y);
            b.LineaVideo(sx, sy, sx + 1.0f, sy, Grigio);
        }
    }
}
