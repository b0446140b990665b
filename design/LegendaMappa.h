#pragma once

#include <string>

struct Parete;
struct StatoInterfaccia;
class RiquadroLegenda;

// Fills the legend box for a colour map: the title, the ten colour classes
// from the high end alto (top) to the low end basso with the value at each
// class boundary in the user's decimal separator, or a message when the range
// is nil; the key of the node markers in the maps of missing area; the symbol
// of the active direction and the face. Leaves the box's persistent image off
// and its pen width 1.
void LegendaMappa(float alto, float basso, const std::string& titolo, int direzione, int lato,
                  const Parete& parete, const StatoInterfaccia& stato, RiquadroLegenda& riquadro);
