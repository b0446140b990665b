#pragma once

struct Parete;

// Cosine and sine of direction 1 (AngoloArm1) and of the angle from
// direction 2 to direction 1, never with a negative sine; values within 1e-5
// of 0 or of 1 are stored as exactly 0 or 1.
void CalcolaDirezioni(Parete& parete);
