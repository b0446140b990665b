#pragma once

struct Parete;
struct StatoInterfaccia;
class RiquadroLegenda;

// Fills the legend box beside a wall view: the symbols of the two
// reinforcement directions, then the diameter, spacing and area per metre of
// the distributed layers of the face shown: the face of the elevation drawn
// (display states 0 and 14 "lato +", 1 and 15 "lato -"), in the sheet and
// the other states the face of the selector (LatoCorrente); a single-mesh
// wall always shows its only mesh (the "lato -" layers) in every state.
void LegendaVideo(const Parete& parete, const StatoInterfaccia& stato, RiquadroLegenda& riquadro);
