#pragma once

#include "model/Parete.h"
#include "model/Punto.h"

#include <vector>

// Closed copy of an open ring: the first point repeated at the end.
std::vector<Punto> Chiuso(std::vector<Punto> anello);

// The clockwise rectangle 0..larghezza x 0..altezza as an open ring from the origin.
std::vector<Punto> AnelloRettangolare(float larghezza, float altezza);

// A wall whose outline and both perimeters are the given clockwise open ring,
// closed and counted as the wall reader leaves them.
Parete PareteDaContorno(const std::vector<Punto>& vertici);

// PareteDaContorno of AnelloRettangolare.
Parete PareteRettangolare(float larghezza, float altezza);

// Appends an opening with the given vertices (open ring); its entry in
// PuntiApertura ends as the count, as the wall reader leaves it.
void AggiungiApertura(Parete& parete, const std::vector<Punto>& vertici);

// Appends the rectangular opening x1..x2, y1..y2, from (x1, y1) clockwise.
void AggiungiApertura(Parete& parete, float x1, float y1, float x2, float y2);

// An empty wall whose reinforcement directions are the axes: direction 1
// vertical, direction 2 horizontal (direction cosines); GradiArm1 and
// GradiArm2 are 90.
Parete PareteAssi();

// The reinforcement angles of a wall file (degrees) turned into the wall's
// angles and directions as the wall reader turns them for the wall's
// TipoStruttura.
void ImpostaAngoli(Parete& parete, float angolo1, float angolo2);
