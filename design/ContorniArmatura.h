#pragma once

struct Parete;

// Rebuilds the polygons inside which bars are laid, all moved inward by the
// concrete cover and stored clockwise: ContornoArmatura (zones), ContornoDir1
// and ContornoDir2 (distributed bars), ForiArmatura (openings enlarged), and
// the boxes EstArmDir1 / EstArmDir2 that bound the bar scan lines.
// Run after any change of the outline, a perimeter or the openings.
void CalcolaContorniArmatura(Parete& parete);

// The reinforcement contours are complete for the current outline.
[[nodiscard]] bool ContorniPronti(const Parete& parete);
