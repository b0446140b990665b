#pragma once

struct Parete;

// Dimension chains on the four sides of the outer perimeter and level marks
// along the left chain, for a wall opened without a reinforcement file.
void QuotaturaAutomatica(Parete& parete);
