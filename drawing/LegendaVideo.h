#pragma once

struct Parete;
struct StatoInterfaccia;
class RiquadroLegenda;

// Fills the legend box beside a wall view: the symbols of the two
// reinforcement directions, then the diameter, spacing and area per metre of
// the distributed layers of face "lato +" in display state 0, of face "lato -"
// in any other (the only mesh of a single-mesh wall).
void LegendaVideo(const Parete& parete, const StatoInterfaccia& stato, RiquadroLegenda& riquadro);
