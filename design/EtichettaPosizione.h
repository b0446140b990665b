#pragma once

struct Parete;
struct DerivatiParete;
struct StatoInterfaccia;
struct Vista;

// Geometry stored with a position when it is committed, computed on the edit
// buffer once the clipped polygon is in PoligonoCorrente: the extreme
// corners in the two bar frames, the centroid, the leader across the bars and
// the label point. A new position (NuovoElemento) gets them afresh; an edited
// one keeps its leader at the same place along the bars and its label next
// to the same point of the leader.

// PosCorrente.EstDir from PoligonoCorrente.
void EstremiZonaDirezioni(StatoInterfaccia& stato);

// Additional reinforcement (Tipo 0 and 1).
void CalcolaPosDirezioni(StatoInterfaccia& stato, const DerivatiParete& dir);

// Ring beams and shear reinforcement, in the band frame of Angolo.
void CalcolaPosRuotata(StatoInterfaccia& stato);

// Moves the leader and the label of the stored position IndiceCorrente to the
// mouse at canvas pixels (x, y); an index naming no position changes nothing.
void TrascinaEtichettaPos(Parete& parete, const StatoInterfaccia& stato, const Vista& vista,
                          float x, float y);
