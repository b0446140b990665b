#pragma once

#include "drawing/TelaSchermo.h"

struct Parete;
struct Vista;

// Grey screen preview of the bars of position p when its Tipo is lato and
// its Direzione is direzione: the sweep of its bars, with a last line laid on
// the upper edge of the zone (0.5 cm inside it), drawn straight onto the
// canvas layer in colour 8 of the sixteen-colour palette. Nothing for an
// index naming no position.
void DisBarrePosizione(const Parete& parete, int p, int direzione, int lato, TelaSchermo& tela,
                       StratoTela strato, const Vista& vista);
