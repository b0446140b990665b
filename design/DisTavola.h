#pragma once

#include "drawing/BersagliPassata.h"

struct Parete;

// The sheet, as both the preview and the DXF export draw it: the four panels
// in the order top left, bottom left, top right, bottom right, each with its
// view, then the sheet of sections at their right when section lines exist.
void DisTavola(const Parete& parete, const BersagliPassata& b);
