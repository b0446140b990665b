#pragma once

class BersaglioSchermo;
class TelaSchermo;
struct Parete;
struct StatoInterfaccia;

// What a colour map shows of the positions, over the perimeters: for every
// position of the active face and direction (LatoAttivo, DirezioneAttiva)
// and every ring beam, its grey bars (DisBarrePosizione), its zone polygon
// dotted light magenta, a circle of radius 20 cm on layer "PERIM_PILASTRI"
// at its centroid and its number (index + 1) there on layer "ARM_INTEGR2".
// The circle of the position open in its dialog (Modo 34, IndiceCorrente) is
// the highlight yellow. A zone polygon of fewer than two vertices is not
// drawn. tela is the canvas b draws on.
void DisPosizioniMappa(const Parete& parete, const StatoInterfaccia& stato, TelaSchermo& tela,
                       const BersaglioSchermo& b);
