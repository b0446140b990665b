#pragma once

struct Parete;

// Recomputes Mancante of every node: the required area minus the distributed
// layers and every position (zone or ring beam) whose quadrilateral holds the
// node. escluso >= 0 leaves that position out, so that a position being edited
// shows the requirement it has to cover; -1 counts them all.
// The provided distributed areas (CalcolaAreeStrati) must be current.
void AggiornaAreeMancanti(Parete& parete, int escluso = -1);
