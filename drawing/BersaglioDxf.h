#pragma once

#include "drawing/Bersaglio.h"
#include "drawing/FlussoDxf.h"

#include <string>

// The DXF entity stream: model cm become DXF units through the wall's offset
// and the print scale, texts carry "Ø" for the diameter sign. In the R2000
// dialect bar labels and dimensions are DIMENSION entities, each on its
// dimension layer and drawn when that layer is on; in R12 they are drawn from
// lines, circles and texts like on the screen. Highlights are never written.
class BersaglioDxf final : public Bersaglio {
public:
    BersaglioDxf(FlussoDxf& flusso, const StatoDxf& stato, const Impostazioni& imp,
                 const MascheraLayer& layerAttivi = TuttiILayer());

    bool DxfR2000() const override { return stato_->DxfR12 == 0; }
    const StatoDxf& Dxf() const { return *stato_; }

private:
    void Linea(float x1, float y1, float x2, float y2, int layer, int stile) const override;
    void Cerchio(float xc, float yc, float r, int layer, int stile) const override;
    void Testo(float x, float y, const std::string& testo, float altezza, int layer,
               int allineaH, int allineaV, float angolo, float seno,
               float coseno) const override;
    void EtichettaFerro(float x1, float y1, float x2, float y2, int lato, int layerTesto,
                        int lunghezza) const override;
    void Quota(float xa, float ya, float xb, float yb, float xp, float yp, float xq,
               float yq) const override;

    float X(float x) const;
    float Y(float y) const;

    FlussoDxf* flusso_;
    const StatoDxf* stato_;
};
