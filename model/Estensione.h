#pragma once

struct Parete;

// Wall extents (bounding box of the outer perimeter; kept when that perimeter
// has fewer than three elements), the frame of one elevation view around it,
// the sheet width with the strip of the vertical sections, and the view
// extents EstPianta, EstTavola and Estensione.
void CalcolaEstensione(Parete& parete);
