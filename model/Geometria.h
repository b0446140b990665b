#pragma once

// Plane geometry on model coordinates (cm, x to the right, y up). Inputs are
// taken by value, so an output may name the same variable as an input.
// Arithmetic runs in double; results are rounded to float where stored.

// Outcome of IntersezioneSegmenti, in the order the checks are made.
namespace StatoIntersezione {
constexpr int Parallele = 0;          // parallel, distinct lines; (xi, yi) untouched
constexpr int Sovrapposti = -1;       // one line, overlapping or touching; (xi, yi) untouched
constexpr int AllineatiDisgiunti = -2;  // one line, disjoint; (xi, yi) = P1
constexpr int Esterna = 1;            // lines cross outside at least one segment
constexpr int Interna = 2;            // crossing on both segments (touching counts)
constexpr int InP1 = 3;               // crossing point is P1 (not checked against P3P4)
constexpr int InP2 = 4;
constexpr int InP3 = 5;
constexpr int InP4 = 6;
constexpr int QuasiParallele = 7;     // as Esterna, directions within half a degree
}  // namespace StatoIntersezione

// Turn test of P0, P1, P2: +1 left turn, -1 right turn; for collinear points
// -1 when P2 lies behind P0, +1 beyond P1, 0 between P0 and P1 (ends included).
int Orientamento(float x0, float y0, float x1, float y1, float x2, float y2);

// True when the closed segments P1P2 and P3P4 cross or touch.
bool SegmentiSiIntersecano(float x1, float y1, float x2, float y2,
                           float x3, float y3, float x4, float y4);

// Intersection of the line through P1P2 with the line through P3P4.
// (xo, yo) is always set: (-1, -1), or for QuasiParallele with far apart ends
// the end of segment 2 nearest to segment 1 (then (xi, yi) is its partner).
void IntersezioneSegmenti(float x1, float y1, float x2, float y2,
                          float x3, float y3, float x4, float y4,
                          float& xi, float& yi, int& stato, float& xo, float& yo);

// True exactly when IntersezioneSegmenti gives Interna, without the angles
// that the near-parallel rule needs: what the ray tests count.
bool IncrocioInterno(float x1, float y1, float x2, float y2,
                     float x3, float y3, float x4, float y4);

// IntersezioneSegmenti on double coordinates, for points that must stay on
// both lines to the collinearity tolerance (the zone clipping).
void IntersezioneSegmentiPrecisa(double x1, double y1, double x2, double y2,
                                 double x3, double y3, double x4, double y4,
                                 double& xi, double& yi, int& stato);

// True when P3 lies on the line through P1 and P2.
bool PuntiAllineati(float x1, float y1, float x2, float y2, float x3, float y3);

// True when P lies on segment AB and is not one of its ends.
bool PuntoInternoSegmento(float px, float py, float ax, float ay, float bx, float by);
bool PuntoInternoSegmentoPreciso(double px, double py, double ax, double ay, double bx, double by);

// Direction of P1->P2 in radians, [0, 2pi); a zero-length segment gives pi/2.
double AngoloSegmentoRad(float x1, float y1, float x2, float y2);

// Direction of P1->P2 in degrees, [0, 360), rounded to two decimals.
float AngoloSegmentoGradi(float x1, float y1, float x2, float y2);

// Direction of P1->P2 in radians, [0, 2pi), with its own axis tolerance; a
// zero vector gives 0.
float AngoloVettore(float x1, float y1, float x2, float y2);

float Distanza(float x1, float y1, float x2, float y2);

// (x, y) := the point at distance d from P1 on the line towards P2 (not
// clamped to the segment); P1 itself for a zero-length segment.
void PuntoADistanza(float x1, float y1, float x2, float y2, float& x, float& y, float d);

// (qx, qy) := foot of the perpendicular from P onto the line P1P2.
void ProiezionePunto(float x1, float y1, float x2, float y2, float px, float py,
                     float& qx, float& qy);

// Segment P1P2 moved by d to the left of its direction (negative d: right).
void SegmentoParallelo(float x1, float y1, float x2, float y2,
                       float& ox1, float& oy1, float& ox2, float& oy2, float d);

// Segment P1P2 moved by d to the left (lato != 0) or to the right (lato == 0).
// Returns false, writing nothing, for a segment shorter than 1e-6.
bool TraslaSegmento(float x1, float y1, float x2, float y2,
                    float& ox1, float& oy1, float& ox2, float& oy2, float d, int lato);

// Quarter turn into the bar frame of a reinforcement direction and back:
// direction 0 lays its bars along x; any other direction is left as it is.
void RuotaInDirezione(int dir, float x, float y, float& xo, float& yo);
void RuotaDaDirezione(int dir, float x, float y, float& xo, float& yo);
