#pragma once

struct Parete;
struct StatoInterfaccia;

// Sort code of position i: 0 "lato +" direction 1, 1 "lato +" direction 2,
// 2 "lato -" direction 1, 3 "lato -" direction 2, 4 any other kind along
// direction 1, 5 along direction 2. -1 for an index naming no position.
[[nodiscard]] int CodicePosizione(const Parete& parete, int i);

// Exchanges positions a and b with their zone polygons through the edit
// buffer, which then holds the position moved to b. An index naming no
// position changes nothing.
void ScambiaPosizioni(Parete& parete, StatoInterfaccia& stato, int a, int b);

// Puts the positions in ascending sort code with the exchange sort whose
// order among equal codes the position numbers follow (it is not stable).
void OrdinaPosizioni(Parete& parete, StatoInterfaccia& stato);
