#pragma once

#include "model/Parete.h"
#include "model/Punto.h"

#include <vector>

// A rectangular wall with the reinforcement directions along the axes, 30 cm
// thick with 3 cm cover and 10 mm distributed bars at 20 cm on all layers
// (end legs of 30 - 6 - 2 = 22 cm), its extents and contours computed.
Parete PareteAssiArmata(float larghezza, float altezza);

// Appends a position of additional reinforcement whose zone is the given
// clockwise open ring, with its extreme corners in both bar frames, a leader
// from richiamo0 to richiamo1 and its label at etichetta. Returns its index.
int AggiungiZona(Parete& parete, const std::vector<Punto>& poligono, int tipo, int direzione,
                 int diametro, float passo, Punto richiamo0, Punto richiamo1, Punto etichetta);

// Appends a ring beam whose band corners are the four given points.
int AggiungiCordolo(Parete& parete, const std::vector<Punto>& angoli, float angolo, float passo,
                    Punto richiamo0, Punto richiamo1, Punto etichetta);

// The ring beam the dialog tests edit, not stored: stirrups 8/10 with 2
// legs, 3 cm cover, 12 mm bars, 30 cm wide, along side lato of the outer
// perimeter.
PosizioneArm CordoloDiProva(int lato);

// Appends a slab at the level with its top 20 cm higher.
void AggiungiSolaio(Parete& parete, float livello);
