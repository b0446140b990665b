#pragma once

#include "Fixture.h"

#include <string>
#include <vector>

// A batch of three wall files in the folder, for the bill of quantities:
// a two-face wall 500 x 300 (number 5) with a zone on each face and a ring
// beam 500 cm long (stirrups of 8 mm every 20 cm, bars of 16 mm, 30 cm wide)
// saved in its reinforcement file; a file the wall reader refuses; the
// single-mesh wall of the fixtures with a "lato -" zone.
std::vector<std::string> LottoComputo(const CartellaTemporanea& cartella);
