#pragma once

#include "drawing/Bersaglio.h"
#include "drawing/TavolaSezioniTelaio.h"

#include <span>

struct Parete;

// Bars lying in the plane of a section, developed beside its view on the
// lines of the frame (drawing/FormeFerri.h draws them with their labels).
// Abscissae are those of the crossing functions (drawing/IntersezSezione.h);
// only complete pairs are drawn. A vertical bar is split at the slabs of its
// own stretch.

// The additional bars of position j ("lato +" or "lato -"), one bar per
// crossing pair of its zone; a bar gets its end leg where the zone reaches
// the reinforcement contour at a wall edge (a pair of esterne, the outer
// crossings, less the cover).
void DisPosizioneNelPiano(const Parete& parete, const TelaioSezione& telaio, int j,
                          std::span<const float> incroci, std::span<const float> esterne,
                          const Bersaglio& b);

// The distributed bars lying in the plane (direction 1 in a vertical section,
// direction 2 in a horizontal one), one per outer crossing pair, cover to
// cover, both ends with legs. A vertical section also marks every slab top on
// the piece with a dashed line across the developed bars. largo: a position
// lies in the plane, so the "lato +" bars move out beyond the positions.
void DisDiffusaNelPiano(const Parete& parete, const TelaioSezione& telaio,
                        std::span<const float> esterne, bool largo, const Bersaglio& b);
