#pragma once

#include "drawing/FlussoDxf.h"

#include <string>
#include <vector>

// One entity handed to the recording DXF stream.
struct EntitaDxf {
    std::string Tipo;           // "LINE", "CIRCLE", "TEXT", "DIMENSION"
    std::string Layer;          // LINE, CIRCLE, TEXT
    std::vector<float> Valori;  // coordinates and sizes in call order
    std::vector<int> Interi;    // styles, alignments, layer indexes, decimals, ...
    std::string Testo;          // TEXT: the text; DIMENSION: the style name
};

// Recording DXF stream: every entity writer call becomes one EntitaDxf.
class FlussoDxfRegistrato : public FlussoDxf {
public:
    std::vector<EntitaDxf> Entita;

    std::vector<EntitaDxf> DiTipo(const std::string& tipo) const;

    void DxfLinea(float x1, float y1, float x2, float y2, const std::string& layer,
                  int stile) override;
    void DxfCerchio(float x, float y, float r, const std::string& layer, int stile) override;
    void DxfTesto(const std::string& layer, const std::string& testo, float x, float y,
                  float altezza, float angoloGradi, int allineaH, int allineaV) override;
    void DxfQuota(int layerQuota, int layerTesto, int decimali, float altezzaTesto,
                  float fattoreFreccia, int tipoFreccia, float x1, float y1, float x2, float y2,
                  float x3, float y3, float x4, float y4, int divisore,
                  const std::string& stile) override;
};
