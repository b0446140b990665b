#pragma once

#include "model/Esito.h"

#include <string>
#include <vector>

struct Parete;
struct Impostazioni;

// What cutting the zones to a changed wall did.
struct ZoneTagliate {
    Esito Risultato;              // failed when a region could not be computed
    bool Modificate = false;      // some zone was cut or removed
    std::vector<int> Eliminate;   // numbers (index + 1 before the cut) of the zones removed
};

// After the reinforcement outline or the openings changed (prima is the wall
// before the change): cuts the zone of every additional-reinforcement
// position to the new wall, never extending it; a zone left with no area is
// removed. A cut zone keeps its corners, bars, leader and label place; its
// extremes and centroid follow the new polygon. A zone whose polygon is no
// simple ring (pieces and holes joined by slits) is cut from its region in
// the old wall. An outline or opening that is no simple polygon leaves
// every zone as it is. It runs inside a change, whose guard turns a library
// fault into a refused change.
[[nodiscard]] ZoneTagliate TagliaZoneAllaParete(Parete& parete, const Parete& prima,
                                                const Impostazioni& imp);

// True when the outline or the openings that the zones are cut to differ.
[[nodiscard]] bool CambiatiConfiniZone(const Parete& parete, const Parete& prima);

// The message that tells that the zone of position numero was removed.
[[nodiscard]] std::string MessaggioZonaEliminata(int numero);
