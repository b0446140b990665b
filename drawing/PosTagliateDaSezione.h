#pragma once

#include <vector>

struct Parete;

// Crossings of section k with the zone polygon of position j (vertices 0 to
// UltVerticeZona of its row of PoligoniPos), in the form and by the rule of
// drawing/IntersezSezione.h. Additional-reinforcement zones and ring beams are
// crossed; shear reinforcement (Tipo above 2) never is. A k or j outside its
// list gives none.
std::vector<float> PosTagliateDaSezione(const Parete& parete, int k, int j);
