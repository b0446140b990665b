#pragma once

struct Parete;

// The side of the outer perimeter (poligono -1) or of opening poligono whose
// middle lies highest (alto) or lowest: the index of its first vertex.
int LatoEstremo(const Parete& p, int poligono, bool alto);
