#pragma once

struct Parete;

// The triangulation as plainly documented, with no search structure: every
// insertion tests every triangle, the cavity edges are cancelled pair by pair,
// and the centroid filter asks PuntoInPerimetro. Quadratic in the node count;
// TriangolaNodi must give the same triangles, and this is what it is checked
// and measured against.
void TriangolaNodiSemplice(Parete& parete);
