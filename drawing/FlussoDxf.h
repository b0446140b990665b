#pragma once

#include "drawing/StiliDisegno.h"

#include <string>

// Switches and offsets of the DXF export in progress. The export sets them;
// the primitives read them to choose the dialect and to place each wall.
struct StatoDxf {
    int DxfR12 = 0;           // non-zero: R12 dialect (no handles, no dimension entities)
    float OffsetXDxf = 0.0f;  // cm added to model x before scaling (walls side by side)
    float OffsetYDxf = 0.0f;
};

// The DXF entity stream as the drawing primitives see it. The export's writer
// implements it; coordinates arrive in DXF units except for DxfQuota, which
// receives model points and converts them itself.
class FlussoDxf {
public:
    virtual ~FlussoDxf() = default;

    // stile (Stile::Tratto) Punteggiato, Continuo, Punteggiato2: linetype "DASHED",
    // "Continuous", "DASHED2"; any other: no linetype group.
    virtual void DxfLinea(float x1, float y1, float x2, float y2, const std::string& layer,
                          int stile) = 0;
    virtual void DxfCerchio(float x, float y, float r, const std::string& layer, int stile) = 0;
    // The text arrives with the diameter sign already as "Ø" (UTF-8 inside the program);
    // allineaH and allineaV are the DXF justification codes (groups 72 and 73).
    virtual void DxfTesto(const std::string& layer, const std::string& testo, float x, float y,
                          float altezza, float angoloGradi, int allineaH, int allineaV) = 0;
    // One DIMENSION entity with its anonymous block (R2000 only). The layers are
    // indexes into the layer table; (x1,y1)-(x2,y2) is the dimension line and
    // (x3,y3), (x4,y4) the measured points, all in model cm.
    virtual void DxfQuota(int layerQuota, int layerTesto, int decimali, float altezzaTesto,
                          float fattoreFreccia, int tipoFreccia, float x1, float y1, float x2,
                          float y2, float x3, float y3, float x4, float y4, int divisore,
                          const std::string& stile) = 0;
};
