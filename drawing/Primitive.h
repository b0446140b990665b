#pragma once

#include "drawing/Bersaglio.h"
#include "drawing/FlussoDxf.h"
#include "drawing/StiliDisegno.h"

#include <string>

struct Impostazioni;

// Drawing texts carry the diameter sign as character 157 (U+009D in UTF-8);
// the screen shows it as the sign and DXF output writes "Ø".
inline constexpr char SegnoDiametro[] = "\xC2\x9D";
// The text with every character 157 replaced by "Ø".
std::string TestoConDiametro(const std::string& testo);
// Number of characters (not bytes) of a UTF-8 text.
int NumeroCaratteri(const std::string& testo);

// Layers are indexes 0-24 into the layer table (Layer::Indice). Screen lines
// also accept the highlight pseudo-layers below, always solid and drawn on the
// screen only.
inline constexpr int LayerEvidenziaCiano = -1;
inline constexpr int LayerEvidenziaGiallo = -2;
// True for an index of the layer table; a primitive given any other layer
// (or a pseudo-layer where none is accepted) draws nothing, and so does a
// primitive whose layer is off in the target's mask.
bool LayerValido(int layer);

// Line styles of lines and circles: Stile::Tratto. Text alignments:
// Allinea::Orizzontale and Allinea::Verticale. Angles of texts in degrees,
// counter-clockwise.

// Every primitive draws nothing on the measure-only target.
void DisLinea(float x1, float y1, float x2, float y2, int layer, int stile, const Bersaglio& b);
void DisCerchio(float xc, float yc, float r, int layer, int stile, const Bersaglio& b);
void ScriviTesto(float x, float y, const std::string& testo, int tipo, int layer, int allineaH,
                 int allineaV, float angolo, const Bersaglio& b);

// Text height of a size class (0: 20, 1: 25, 2: 42, 3: 22 drawing units, any
// other 0), times ScalaTestiDxf off the screen.
float AltezzaTesto(int tipo, const Bersaglio& b);

// Draws a bar with its length label (lato 0 below the bar, any other value
// above) and returns its length rounded to whole cm, also on the measure target.
int DisFerro(float x1, float y1, float x2, float y2, int lato, int layerLinea, int layerTesto,
             const Bersaglio& b);

// A dimension whose line runs from A to B and which measures P and Q.
void DisQuota(float xa, float ya, float xb, float yb, float xp, float yp, float xq, float yq,
              const Bersaglio& b);
// A dimension built from lines, ticks, circles and a text (screen and R12).
void DisQuotaSemplice(float x1, float y1, float x2, float y2, int layer, int layerTesto,
                      const Bersaglio& b);
// A cross with 2 cm arms on layer "QUOTE" and a circle of radius r on layer "ARM_DIFFUSA1".
void DisMirino(float x, float y, float r, const Bersaglio& b);

// Left to right; a vertical segment bottom to top. Texts along the segment
// then never read upside down.
void OrdinaEstremi(float& x1, float& y1, float& x2, float& y2);

// Reading angle of a segment: steep texts read upwards (-1.04 to about 2.10 rad).
float AngoloRad(float x1, float y1, float x2, float y2);
float AngoloGradi(float x1, float y1, float x2, float y2);
void AngoloSinCos(float x1, float y1, float x2, float y2, float& gradi, float& seno,
                  float& coseno);
// a + 180, less 360 when the sum reaches 360 (degrees).
float AngoloOpposto(float a);

// Model cm to DXF units: the wall's offset, then the print scale.
float DxfX(float x, const StatoDxf& stato, const Impostazioni& imp);
float DxfY(float y, const StatoDxf& stato, const Impostazioni& imp);
