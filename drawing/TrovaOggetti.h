#pragma once

#include "model/SolaioParete.h"

struct Parete;
struct PosizioneArm;
struct StatoInterfaccia;
struct Vista;

// Hit tests of the canvas: what lies under the cursor (x, y in canvas pixels,
// y downwards). Each walks its list in index order and gives the first
// element whose screen image is near enough, -1 when none; the reach is in
// pixels, so it does not change with the zoom.

// Half-widths of the square windows and the segment tolerance, pixels.
inline constexpr float RaggioManiglia = 6.0f;
inline constexpr float RaggioNodo = 6.0f;
inline constexpr float RaggioPosizione = 10.0f;
inline constexpr float TolleranzaRichiamo = 6.0f;
inline constexpr float TolleranzaSezione = 6.0f;

// Strictly inside the square of half-width d about the screen point (sx, sy).
[[nodiscard]] bool NelQuadrato(float sx, float sy, float x, float y, float d);

// Grip of the zone in the edit buffer: corners 0 to 3, then 4 for the centre
// (midway between corners 0 and 2).
inline constexpr int ManigliaCentro = 4;
[[nodiscard]] int TrovaManigliaZona(const PosizioneArm& zona, const Vista& v, float x, float y);

[[nodiscard]] int TrovaNodo(const Parete& parete, const Vista& v, float x, float y);

// Whether a pick of the position marks may take a ring beam: the copy, the
// move and the copy to the other face leave them out, as the box copy does.
enum class Cordoli { Inclusi, Esclusi };

// The mark of a position in the views that show positions (display states 2
// to 15): its zone centroid in the layout and map views (2 to 13), its label
// centre in the zone views (14, 15).
[[nodiscard]] int TrovaCerchioPos(const Parete& parete, const StatoInterfaccia& stato,
                                  const Vista& v, float x, float y,
                                  Cordoli cordoli = Cordoli::Inclusi);
// The label centre of a position of the active face or a ring beam (ring
// beams only in display state 16).
[[nodiscard]] int TrovaPuntoPos(const Parete& parete, const StatoInterfaccia& stato,
                                const Vista& v, float x, float y);
// The label leader of a position of the active face (of a ring beam in
// display state 16).
[[nodiscard]] int TrovaLineaPos(const Parete& parete, const StatoInterfaccia& stato,
                                const Vista& v, float x, float y);

[[nodiscard]] int TrovaSezione(const Parete& parete, const Vista& v, float x, float y);

// A band hit: its index (-1 none), its record and two opposite corners of its
// screen rectangle (pixels), which spans from the first to the last end of
// its stretches inside the wall, gaps included. A band with no stretch is
// never hit.
struct BandaTrovata {
    int Indice = -1;
    SolaioParete Banda;
    float X1 = 0.0f, Y1 = 0.0f, X2 = 0.0f, Y2 = 0.0f;
};
[[nodiscard]] BandaTrovata TrovaSolaio(const Parete& parete, const Vista& v, float x, float y);
[[nodiscard]] BandaTrovata TrovaParete(const Parete& parete, const Vista& v, float x, float y);
