#pragma once

#include "model/LineaSezione.h"

struct Parete;
struct StatoInterfaccia;

// Section lines of the wall: Sezioni(0 to UltSezione). The array keeps at
// least one element and is never shortened by a deletion.

// Cuts s along its own line P0-P1 with the outer perimeter: P0 and P1 go
// 25 cm beyond the outermost crossings inside both segments, with the end
// marks. False, with s untouched, when the line crosses no side.
[[nodiscard]] bool RitagliaSezione(const Parete& parete, LineaSezione& s);

// The trial cut of a new section through centro: 100 m either way along the
// reinforcement direction of its orientation (direction 2 when orizzontale
// is non-zero, else direction 1), or along the section's own axis when that
// direction runs square across it. Ready for RitagliaSezione.
[[nodiscard]] LineaSezione LineaDiProva(const Parete& parete, int orizzontale, Punto centro);

// Display order: the vertical section lines left to right, then the
// horizontal ones bottom to top. The section numbers on the drawings follow
// this order, so the exchange sort is kept as it is (not stable).
void OrdinaSezioni(Parete& parete);

// Removes record i; an index outside 0 to UltSezione changes nothing.
void EliminaSezione(Parete& parete, int i);

// Re-cuts every section line against the outer perimeter after the geometry
// changed, 25 cm beyond the outermost crossings, and deletes those that no
// longer cross it. Only crossings inside both segments count, never one at a
// vertex. Each line is cut afresh along its own cut line (the line through
// its crossings, whatever the reinforcement directions) through the middle
// of its ends, and as far as the outline reaches, so a section neither
// tilts nor turns and one the outline grew past reaches the new sides. A
// record that the re-cut finds where it is, to 0.01 cm, is left bit for
// bit. Uses OrientSezione and IndiceSezione as its working variables.
void AggiornaSezioni(Parete& parete, StatoInterfaccia& stato);
