#pragma once

class Bersaglio;
struct ProgettoParete;

// The dimensions and level marks of view id vista (and those of every view),
// shifted by (offX, offY) cm. Nothing when the layer "QUOTE" is off in the
// target; the level marks are drawn also when no dimension exists.
void DisQuote(const ProgettoParete& progetto, float offX, float offY, int vista,
              const Bersaglio& b);

// One level mark at (x, y) cm: the level line, the triangle standing on its
// apex at the point, an upright and a leader to the left carrying the level
// with one decimal and a point.
void DisQuotaLivello(float x, float y, float valore, const Bersaglio& b);
