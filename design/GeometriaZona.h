#pragma once

#include "model/PosizioneArm.h"
#include "model/Punto.h"

#include <array>

struct Parete;
struct Impostazioni;
struct StatoInterfaccia;

// Bounding box of the four zone corners of pos.
void RiquadroZona(PosizioneArm& pos);

// Zone corners of the edit buffer from two opposite picked points (model cm):
// snapped to whole cm (halves to even), completed along the two directions,
// made clockwise and, for additional reinforcement, trimmed so that the
// length along the bars plus two anchorage lengths and the width across them
// are multiples of 5 cm. Updates the box.
void ImpostaZonaDaPunti(StatoInterfaccia& stato, const Parete& parete, const Impostazioni& imp,
                        float x1, float y1, float x2, float y2);

// Widens the clockwise zone by L at both ends of its bars (direzione as in
// PosizioneArm::Direzione), the bars lying along the wall's direction of
// that name: the sides crossing the bars move outwards, the sides along them
// (within 1 degree, either side of 0/180) stay. Result corner i lies at the
// moved input corner i - 1.
void EstendiZonaAncoraggio(std::array<Vertice, 4>& zona, float L, const Parete& parete, int direzione);

// The quadrilateral the bars of pos are laid in before the clipping: its
// corners, for additional reinforcement widened as above by the anchorage
// length of its diameter.
[[nodiscard]] std::array<Vertice, 4> ZonaAllargata(const PosizioneArm& pos, const Parete& parete,
                                                   const Impostazioni& imp);
