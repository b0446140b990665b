#pragma once

#include <string>

struct Parete;

// The summary of the reinforcement provided, as the information panel shows
// it: the distributed layers, then the additional-reinforcement positions of
// each face (ring beams and shear positions are not listed). A wall without
// analysis nodes gives the empty text, which empties the panel.
[[nodiscard]] std::string TestoInfoArm(const Parete& parete);
