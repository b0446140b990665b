#pragma once

#include <functional>
#include <string>

struct Impostazioni;
struct Parete;
struct StatoInterfaccia;
struct Vista;
class TelaSchermo;

// Draws the legend of a map: the high and the low end of its range, the
// title, and the direction and face of the active layer.
using LegendaMappaColori = std::function<void(float alto, float basso, const std::string& titolo,
                                              int direzione, int lato)>;

// The colour map of stato.TipoMappa on the persistent image of the canvas:
// first the legend, then every triangle cut into the bands of eleven levels
// and filled in the colours of their classes, then a marker on every node
// (the node check in the maps of missing area, a small black box in the
// others). The fills are clipped to the reinforcement outline minus the
// openings (ForiArmatura), once the contours are built; the legend and the
// markers are not.
// The required-area and excess maps span ScalaMin-ScalaMax, taken
// with its ends exchanged when reversed (the state keeps them as they are);
// the missing-area maps their own range. A map whose range lies within
// 0.009 of 0 is filled in the lowest class without levels. Sets LatoAttivo
// and DirezioneAttiva to the map's layer; a TipoMappa without a map draws
// nothing. Screen only.
void MappaColori(const Parete& parete, const Impostazioni& imp, StatoInterfaccia& stato,
                 TelaSchermo& tela, const Vista& vista, const LegendaMappaColori& legenda);
