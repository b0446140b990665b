#pragma once

#include "drawing/Bersaglio.h"

#include <string>
#include <vector>

struct Impostazioni;
struct Parete;

// Developed bar shapes: one bar laid out flat with its end legs, splits and
// laps, each segment labelled with its length, and the bar's description.
// Bars go on layer 10 ("ARMATURA_SEZ"), texts on layer 19 ("TESTO_FERRI").
// On the measure target nothing is drawn and the functions only sum lengths.
//
// The end legs of a two-mesh wall span the clear depth between the two
// direction-1 meshes (the anchorage length at most, for a numbered position);
// a single-mesh wall anchors with the anchorage length, drawn bent when
// PiegaAncoraggio is set. Laps are twice the anchorage length, clamped to
// SovrappMin..SovrappMax bar diameters. Bars longer than LungMaxFerri are split
// so that no last piece is shorter than 40 cm plus a lap.

// Label suffix of a face: " (-)" for any non-zero face, " (+)" for 0.
std::string SuffissoLato(int lato);

// The closed stirrup of a ring beam, top edge at y from x1 to x2, with its two
// hooks and labels. Screen or DXF only.
void DisStaffaCordolo(const Parete& parete, int posizione, float y, float x1, float x2,
                      int diametro, float passo, const Bersaglio& b);

// A horizontal bar at height y from x1 to x2 (posizione 0: no position number;
// lato 1 turns the legs downwards), with end legs at x1 / x2 when asked.
// Returns the bar's total cut length in whole cm; a span below 0.9 cm gives 0.
int DisFerroOrizz(const Parete& parete, const Impostazioni& imp, int posizione, int lato,
                  float y, float x1, float x2, int diametro, float passo, int gambaSinistra,
                  int gambaDestra, const Bersaglio& b);

// A vertical bar at abscissa x over the model heights y1..y2, drawn offY
// higher (lato 0: legs to the left, otherwise to the right). It is cut at the
// tops of the slabs solai[0..numSolai-1] (indexes into Solai, as
// SolaiNegliIntervalli gives them): at every one with taglio 0; with taglio
// non-zero only at the slabs whose level lies on the bar, the first of them
// closing the bottom piece. Slabs whose top is off the bar are ignored.
// Returns the total cut length in whole cm.
int DisFerroVert(const Parete& parete, const Impostazioni& imp, int posizione, int lato,
                 float x, float offY, float y1, float y2, int diametro, float passo,
                 int gambaInferiore, int gambaSuperiore, const std::vector<int>& solai,
                 int numSolai, int taglio, const Bersaglio& b);
