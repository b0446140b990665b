#pragma once

#include "model/Parete.h"
#include "model/Punto.h"
#include "model/StatoInterfaccia.h"

#include <vector>

// Polygon orientation, reversal, point-in-polygon and vertex-list edits.
// Clockwise is what the outline and every contour are kept in.

// Reverses the whole array in place; a closed array stays closed.
void InvertiPunti(std::vector<Punto>& p);

// p is closed (last element repeats the first). Zero area and arrays of fewer
// than three elements count as clockwise.
bool PuntiInSensoOrario(const std::vector<Punto>& p);

// Reverses the whole array in place, tags included.
void InvertiVertici(std::vector<Vertice>& v);

// v is open (closes from its last element to the first). Zero area and an
// empty array count as not clockwise.
bool VerticiInSensoOrario(const std::vector<Vertice>& v);

// How far outside a zone quadrilateral, along each axis, a point may lie and
// still be judged by the ray test (the end tolerance of IntersezioneSegmenti).
constexpr double ToleranzaZona = 0.001;

// The box of a zone's four corners grown by ToleranzaZona: PuntoInZona is
// false outside it.
struct RiquadroZonaVicina {
    double XMin, YMin, XMax, YMax;
};
[[nodiscard]] RiquadroZonaVicina RiquadroVicino(const PosizioneArm& zona);

// The ray test of a zone quadrilateral alone: the reference point lies left
// of the record's box, and a side counts only where the ray crosses it away
// from the ends.
[[nodiscard]] bool RaggioInZona(const PosizioneArm& zona, float x, float y);

// The far end of every ray of RaggioInZona for the zone.
[[nodiscard]] Punto RiferimentoRaggioZona(const PosizioneArm& zona);

// RaggioInZona, except that a point outside the quadrilateral by more than
// ToleranzaZona (along either axis) is always outside; on and near the sides
// the ray decides.
[[nodiscard]] bool PuntoInZona(const PosizioneArm& zona, float x, float y);

// Inside the zone quadrilateral of the edit buffer PosCorrente.
bool PuntoInZonaCorrente(const StatoInterfaccia& stato, float x, float y);

// Inside the zone quadrilateral of Posizioni[i]; false for an index that
// names no position.
bool PuntoInZonaPos(const Parete& parete, int i, float x, float y);

// k = -1: inside the wall outline (openings ignored); k >= 0: inside opening k.
// False for an opening index that names no opening.
bool PuntoInPerimetro(const Parete& parete, float x, float y, int k);

// Inside the open polygon v.
bool PuntoInPoligono(const Parete& parete, const std::vector<Vertice>& v, float x, float y);

// Removes element i; an index outside the array changes nothing. Removing the
// only vertex leaves an empty array.
void EliminaVertice(int i, std::vector<Vertice>& v);

// Stores w at i and moves later elements up by one, dropping the last one:
// the caller enlarges the array first. An index outside the array changes
// nothing.
void InserisciVertice(int i, std::vector<Vertice>& v, const Vertice& w);

// Elements 0 to ultimo of da into a, which grows when shorter; elements that
// da lacks become (0, 0). Rows of the zone-polygon table are copied this way.
void CopiaVertici(const std::vector<Punto>& da, int ultimo, std::vector<Punto>& a);
