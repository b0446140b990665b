#pragma once

#include "drawing/Bersaglio.h"

struct Impostazioni;

// Where a redraw pass goes: the screen canvas, or the DXF export.
enum class Passata { Schermo, Dxf };

// The layer mask a pass draws with, copied from the settings when the pass
// starts: LayerVisibili for the screen, LayerDxf for the DXF export. The
// drawing procedures of the pass see only this copy, through their target.
[[nodiscard]] MascheraLayer MascheraPassata(const Impostazioni& imp, Passata passata);
