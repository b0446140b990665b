#pragma once

#include "model/Punto.h"
#include "model/SolaioParete.h"

#include <vector>

struct Parete;

// Slab levels (horizontal bands, list Solai) and transverse walls (vertical
// bands, list ParetiTrasversali) that cross the wall.

// Where the band of a slab or transverse wall (the one being placed, as a rule)
// lies inside the outer reinforcement perimeter and outside the openings. n := the upper bound of the end points
// (-1 none, 0 when the setbacks leave nothing); when n >= 1, punti holds points
// 0..n ordered along the band and the pairs (0, 1), (2, 3), ... are the
// stretches. With n <= 0 from the crossings punti is left as it was.
void IntervalliSolaio(const Parete& parete, const SolaioParete& solaio, std::vector<Punto>& punti,
                      int& n);
void IntervalliParete(const Parete& parete, const SolaioParete& pareteTrasversale,
                      std::vector<Punto>& punti, int& n);

// Moves the vertices of the outer and inner reinforcement perimeters that end
// an outline side lying on the band's reference line: the outer perimeter to
// the band's far face (the vertical bars run through the slab), the inner one
// to its near face (the horizontal bars stop there). Widths of 0 bring them
// back onto the line. Nothing happens unless the outline and both perimeters
// have the same vertex count.
void AggiornaPerimetriSolaio(Parete& parete, float coordinata, float spessore1,
                             float spessore2);
void AggiornaPerimetriParete(Parete& parete, float coordinata, float spessore1,
                             float spessore2);

// Sort the list by Coordinata, ascending.
void OrdinaSolai(Parete& parete);
void OrdinaPareti(Parete& parete);

// Removes element k and takes its band out of the perimeters; the geometry
// tail of the change rebuilds what follows from them. An index that names no
// element changes nothing.
void EliminaSolaio(Parete& parete, int k);
void EliminaParete(Parete& parete, int k);

// The slabs at which a vertical bar over the heights quote[0..n-1] (pairs
// start, end) is split: the indexes into Solai whose top lies within the pair,
// less a slab whose piece up to the next split is shorter than ten times the
// larger direction-1 diameter. Each pair restarts the list, so the result is
// that of the last complete pair; callers pass the bar's own two ends. With
// fewer than two heights elenco and m are left as they were.
void SolaiNegliIntervalli(const Parete& parete, const std::vector<float>& quote, int n,
                          std::vector<int>& elenco, int& m);
