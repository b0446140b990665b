#pragma once

class Bersaglio;
struct Parete;

// The legend of an elevation, drawn into the drawing with its top-left corner
// at (x, y) model cm: view 0 the wall's title and the "lato +" distributed
// layers, view 1 the "lato -" layers, views 2 and 3 the table of the positions
// of face "lato +" and "lato -". Any other view draws nothing.
void LegendaTavola(float x, float y, int vista, const Parete& parete, const Bersaglio& b);
