#include "drawing/BersaglioDxf.h"

#include "drawing/Primitive.h"
#include "model/Geometria.h"

BersaglioDxf::BersaglioDxf(FlussoDxf& flusso, const StatoDxf& stato, const Impostazioni& imp,
                           const MascheraLayer& layerAttivi)
    : Bersaglio(Tipo::Dxf, imp, layerAttivi), flusso_(&flusso), stato_(&stato) {}

float BersaglioDxf::X(float x) const { return DxfX(x, *stato_, Imp()); }

float BersaglioDxf::Y(float y) const { return DxfY(y, *stato_, Imp()); }

void BersaglioDxf::Linea(float x1, float y1, float x2, float y2, int layer, int stile) const {
    flusso_->DxfLinea(X(x1), Y(y1), X(x2), Y(y2), Imp().NomiLayer[layer], stile);
}

void BersaglioDxf::Cerchio(float xc, float yc, float r, int layer, int stile) const {
    flusso_->DxfCerchio(X(xc), Y(yc), r * Imp().ScalaDxf, Imp().NomiLayer[layer], stile);
}

void BersaglioDxf::Testo(float x, float y, const std::string& testo, float altezza, int layer,
                         int allineaH, int allineaV, float angolo, float seno,
                         float coseno) const {
    float tx = X(x);
    float ty = Y(y);
    if (allineaV == Allinea::Alto) {
        // A hanging text keeps 2 cm from its anchor across the text direction.
        tx += 2.0f * Imp().ScalaDxf * seno;
        ty -= 2.0f * Imp().ScalaDxf * coseno;
    }
    flusso_->DxfTesto(Imp().NomiLayer[layer], TestoConDiametro(testo), tx, ty, altezza, angolo,
                      allineaH, allineaV + 1);
}

void BersaglioDxf::EtichettaFerro(float x1, float y1, float x2, float y2, int lato,
                                  int layerTesto, int lunghezza) const {
    if (!DxfR2000()) {
        Bersaglio::EtichettaFerro(x1, y1, x2, y2, lato, layerTesto, lunghezza);
        return;
    }
    OrdinaEstremi(x1, y1, x2, y2);
    const float h = AltezzaTesto(0, *this);
    const float scostamento = (lato != 0 ? 0.35f : -0.35f) * h;
    float qx1 = 0.0f, qy1 = 0.0f, qx2 = 0.0f, qy2 = 0.0f;
    SegmentoParallelo(x1, y1, x2, y2, qx1, qy1, qx2, qy2, scostamento);
    flusso_->DxfQuota(layerTesto, layerTesto, 1, h, 1.0f, 1, qx1, qy1, qx2, qy2, x1, y1, x2, y2,
                      1, "Ferri50");
}

void BersaglioDxf::Quota(float xa, float ya, float xb, float yb, float xp, float yp, float xq,
                         float yq) const {
    if (!DxfR2000()) {
        Bersaglio::Quota(xa, ya, xb, yb, xp, yp, xq, yq);
        return;
    }
    if (!LayerAttivo(Layer::Quote)) return;
    flusso_->DxfQuota(Layer::Quote, Layer::TestoQuote, 1, AltezzaTesto(0, *this), 1.0f, 0, xa,
                      ya, xb, yb, xp, yp, xq, yq, 1, "SC50");
}
