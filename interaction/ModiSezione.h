#pragma once

#include "interaction/ContestoModi.h"

// The section modes of the canvas: new horizontal (400) or vertical (403)
// section, the line being placed (401), delete (408), move: pick (410) and
// the line being moved (411). The state machine calls each function for its
// event in these modes; x, y are canvas pixels. The hover of 408 and 410
// (the section under the cursor) is the machine's.
//
// Press: a new section takes the undo step at once and shows its guide; a
// delete asks first and takes no undo step; a move takes the undo step at
// the pick. Move: the guide follows the cursor in 401 and 411. Release:
// the section is placed (a new one at the end of the list as it then is,
// then sorted; a moved one in place), and the mode returns to 0.
DopoEvento PremiSezione(ContestoModi& c, int pulsante, float x, float y);
DopoEvento MuoviSezione(ContestoModi& c, int pulsante, float x, float y);
DopoEvento RilasciaSezione(ContestoModi& c, int pulsante, float x, float y);
