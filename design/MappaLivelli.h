#pragma once

#include <array>

// Number of levels of a colour map: ten colour classes between them.
inline constexpr int NumLivelliMappa = 11;

// The levels of a map over vmin-vmax, times 100, ascending from vmin: level i
// is 100 x (vmin - (vmin - vmax) x i / 10) with the bracket in float, and the
// last is exactly 100 x vmax.
[[nodiscard]] std::array<double, NumLivelliMappa> LivelliMappa(float vmin, float vmax);
