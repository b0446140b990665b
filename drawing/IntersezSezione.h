#pragma once

#include "model/Punto.h"

#include <span>
#include <vector>

struct LineaSezione;
struct Parete;

// Where a section line crosses the wall or a zone, for the sheet of sections.
//
// A crossing is given by its abscissa along the section: the model x of a
// horizontal section line, the model y of a vertical one (the first
// coordinate of RuotaInDirezione with the line's Orizzontale). The lists come
// ascending; entries (0, 1), (2, 3), ... are the pieces of the section that
// lie inside, and an odd last entry (a cut line ending inside) belongs to no
// piece.
//
// Every vertex lies on one side of the line through P0-P1; a vertex within
// 0.001 cm of the line counts on the side of the end marks (below a
// horizontal line, right of a vertical one). A polygon side whose two ends lie
// on different sides gives one crossing, kept when it falls on the cut line
// P0-P1 itself. So a line passing through a vertex crosses there once, a line
// touching a vertex crosses there 0 or 2 times, and a side lying along the
// line gives none: the pieces stay inside the polygon. There is no limit on
// the number of crossings.

// Appends the crossings of the section line with the closed ring anello (its
// last side closes on the first vertex), unsorted.
void AggiungiAttraversamenti(const LineaSezione& sezione, std::span<const Punto> anello,
                             std::vector<float>& ascisse);

// Crossings of section k with the outer reinforcement perimeter and the
// openings. A view of the section needs at least two. A k outside
// 0..UltSezione gives none.
std::vector<float> IntersezSezPerimEst(const Parete& parete, int k);

// The same with the inner reinforcement perimeter and the openings: where the
// bars cut across by the section lie.
std::vector<float> IntersezSezPerimInt(const Parete& parete, int k);
