#pragma once

#include "model/Punto.h"

#include <array>
#include <optional>
#include <vector>

class TelaSchermo;
struct Parete;
struct Sessione;
struct SolaioParete;
struct Vista;

// Object snap of the dimension tools. The candidates, in this order (the
// first within reach wins): the bar ends of the positions shown in the view
// (display state 14 kind 0, 15 kind 1, any other state the kinds above 1),
// when OsnapQuote[0] is on and layer ARM_INTEGR1 is shown; then the vertices
// of the outer perimeter, of each opening and the four corners of each slab
// band that has a stretch inside the wall, when OsnapQuote[5] is on and layer
// PERIM_PARETI is shown. A candidate is within reach when it lies less than
// 4 pixels from the cursor (x, y) in x and in y.
// The transient layer is cleared first. With pulsante non-zero the point
// found is stored (XSnap, YSnap, SnapTrovato 1) and nothing is drawn; with 0
// it is marked with a magenta square of 6 pixels either side. When nothing is
// within reach SnapTrovato becomes 0.
void BeccaOSNAP(Sessione& sessione, const Vista& v, TelaSchermo& tela, float x, float y,
                int pulsante);

// The four corners of a slab band that the snap offers, in its order (top
// left, top right, bottom right, bottom left): the ends of the band's stretch
// inside the wall at the top and bottom faces. None when the band has no
// stretch inside the wall. punti is scratch for the stretches.
[[nodiscard]] std::optional<std::array<Punto, 4>> AngoliBandaSolaio(const Parete& parete,
                                                                  const SolaioParete& solaio,
                                                                  std::vector<Punto>& punti);
