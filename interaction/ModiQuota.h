#pragma once

#include "interaction/ContestoModi.h"

struct StatoInterfaccia;
struct Vista;

// The dimension modes of the canvas: horizontal, vertical and aligned
// dimensions (2000, 3000, 4000: first point; + 1 second point; + 2 the line),
// chained dimensions (5000 the base, 5001 each next point), delete (6000),
// move (7000 pick, 7001 place) and visibility (7005). Points are picked with
// the object snap; a press without a snap point changes nothing. The first
// point takes the undo step that covers the whole dimension (the whole chain
// for 5000, the move for 7000); a deleted dimension takes one, a deleted level
// mark none. The hover of 6000, 7000 and 7005 (the dimension under the
// cursor) is the machine's. No release action exists.
DopoEvento PremiQuota(ContestoModi& c, int pulsante, float x, float y);
DopoEvento MuoviQuota(ContestoModi& c, int pulsanti, float x, float y);

// After the view changed (wheel, zoom box, pans, view commands): the measured
// points held in pixels by modes 2001-4002 and 7001 are brought to the new
// view from their model points, so a zoom between two clicks measures the
// points that were picked.
void AggiornaPuntiQuota(StatoInterfaccia& stato, const Vista& v);
