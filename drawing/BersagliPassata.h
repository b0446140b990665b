#pragma once

#include "drawing/Bersaglio.h"

// The two targets of one redraw pass, over the same canvas layer or stream:
// the drawing with the pass's layer mask, and the outlines (perimeters,
// openings, slabs, transverse walls), which show whatever the flags of their
// layer "PERIM_PARETI".
struct BersagliPassata {
    const Bersaglio& Disegno;
    const Bersaglio& Sagome;
};

// The pass's mask with the layer of the outlines on.
[[nodiscard]] MascheraLayer MascheraSagome(MascheraLayer maschera);
