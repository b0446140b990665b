#pragma once

struct Parete;

// Area per metre provided by each distributed layer (AreaDir1Piu, ...), from
// its diameter and spacing. A layer without a positive spacing provides 0.
void CalcolaAreeStrati(Parete& parete);

// Largest and smallest required area of each slot over all nodes
// (MaxRichiesta, MinRichiesta). Leaves them as they were when there is no node.
void StatisticheAree(Parete& parete);
