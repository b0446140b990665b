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

// The additional bars of position j ("lato +" or "lato -") along the cut
// of section k: the very bars, legs and all, that the zone lays on that line
// and the bill measures (drawing/FerriZona.h).
void DisPosizioneNelPiano(const Parete& parete, const TelaioSezione& telaio, int k, int j,
                          const Bersaglio& b);

// The distributed bars lying in the plane (direction 1 in a vertical section,
// direction 2 in a horizontal one), one per outer crossing pair, cover to
// cover, both ends with legs. A vertical section also marks every slab top on
// the piece with a dashed line across the developed bars. largo: a position
// lies in the plane, so the "lato +" bars move out beyond the positions.
void DisDiffusaNelPiano(const Parete& parete, const TelaioSezione& telaio,
                        std::span<const float> esterne, bool largo, const Bersaglio& b);
