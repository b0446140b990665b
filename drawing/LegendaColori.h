#pragma once

// Colours of the map legend: class -1 to 10 of the colour scale (class 0 the
// lowest band, 9 the highest; -1 and 10 as their neighbours, any other black)
// and the node-check states 0 covered, 1 within tolerance, 2 not verified.
int ColoreClasseLegenda(int classe);
int ColoreStatoLegenda(int stato);
