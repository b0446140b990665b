#pragma once

#include "model/Sessione.h"
#include "Fixture.h"

#include <vector>

// A session over a 400 x 300 wall, 30 cm thick with 3 cm cover, whose
// reinforcement directions are the axes (direction 1 vertical), 12/20 on
// every layer, additional zones of 12 mm, a node every 50 cm from (25, 25)
// (48 nodes), its geometry and reinforcement tails run, no position. The
// working folder is a fresh temporary one, where undo steps may go.
struct SessionePosizioni {
    SessionePosizioni();

    CartellaTemporanea Cartella;
    Sessione S;
};

// Appends pos as the last position with polygon as its zone polygon
// (UltVerticeZona follows the polygon).
void AccodaPosizione(Parete& parete, PosizioneArm pos, const std::vector<Punto>& poligono);

// A zone of additional bars with the given face and direction whose polygon
// is the box x1..x2, y1..y2 and whose centroid is its centre.
PosizioneArm ZonaRettangolare(int tipo, int direzione, float x1, float y1, float x2, float y2);
// The clockwise box x1..x2, y1..y2 from (x1, y1), open.
std::vector<Punto> Riquadro(float x1, float y1, float x2, float y2);
