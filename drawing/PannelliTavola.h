#pragma once

#include <vector>

struct Parete;

// Space between the panels of the sheet, cm.
inline constexpr float DistanzaPannelli = 150.0f;

// One elevation of the sheet: the offsets added to its model coordinates and
// its view id (0, 1 distributed "lato +", "lato -"; 2, 3 zones "lato +", "lato -").
struct PannelloTavola {
    float OffX = 0.0f;
    float OffY = 0.0f;
    int Vista = 0;

    bool operator==(const PannelloTavola&) const = default;
};

// The elevations of the sheet in drawing order: distributed "lato +" top
// left, distributed "lato -" below it, the zones of "lato +" top right and of
// "lato -" below them. A single-mesh wall has only its "lato -" panels, both
// in the top row.
[[nodiscard]] std::vector<PannelloTavola> PannelliTavola(const Parete& parete);
