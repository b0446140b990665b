#pragma once

struct Parete;

// Rebuilds Triangoli / UltimoTriangolo of the wall from its analysis nodes:
// incremental Delaunay insertion in the order of Nodi into a small
// super-triangle, then only the triangles whose centroid lies inside the
// outline and outside every opening, and whose corners are not exactly on one
// line, are kept. More than 3 N triangles, or a cavity with more edges than
// 9 N, stops the construction and leaves no triangle. The result is that of
// TriangolaNodiSemplice, found through an index of the circumcircles.
void TriangolaNodi(Parete& parete);

// True when (xp, yp) lies inside or on the circle through the three points;
// false when the three points are degenerate. Computed in float throughout.
bool InCerchio(float xp, float yp, float x1, float y1, float x2, float y2, float x3, float y3);
