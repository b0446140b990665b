#pragma once

class InterfacciaFinestra;
struct Impostazioni;
struct Parete;

// Automatic design of one distributed layer k (0 direction 1 "lato +",
// 1 direction 1 "lato -", 2 direction 2 "lato +", 3 direction 2 "lato -"):
// looks for a diameter and a spacing within the limits of its face with which
// the layer alone covers at least CoperturaMin % of the nodes, and stores them.
//
// When every node already has an excess in the layer, the layer is first
// relaxed (ModoProgetto 1: spacing PassoMax, at most 30 cm; otherwise:
// diameter DiamMin). The search starts one step away from (current diameter,
// PassoMax) when ModoProgetto is 1 and from (DiamMin, current spacing)
// otherwise; the starting pair itself is stored untested when CoperturaMin is
// 0 or less. A spacing of 0 or less is never tried: varying the spacing it
// ends the spacings of that diameter, varying the diameter it ends the search.
// A failed search stores DiamMax and PassoMin and warns with the layer's name.
// With no nodes, or a step of 0 or less, the search fails. A k outside 0..3
// does nothing.
void ProgettaStrato(Parete& parete, const Impostazioni& imp, InterfacciaFinestra& finestra, int k);
