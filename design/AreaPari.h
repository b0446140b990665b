#pragma once

#include "design/PredicatiEsatti.h"

#include <span>
#include <vector>

// Area (cm2) of the points that lie inside an odd number of the given rings
// (each closed from its last vertex back to the first): the area where a
// zone polygon lays bars, since the bar sweep pairs its crossings the same
// way. Sides traced twice (the slits that join holes and pieces) and the
// orientation of each ring do not count; rings may cross themselves.
[[nodiscard]] double AreaPari(std::span<const std::vector<PuntoPreciso>> anelli);
