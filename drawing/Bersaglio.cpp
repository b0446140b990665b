#include "drawing/Bersaglio.h"

#include "drawing/Primitive.h"
#include "model/Numeri.h"

Bersaglio::Bersaglio(Tipo tipo, const Impostazioni& imp, const MascheraLayer& layerAttivi)
    : tipo_(tipo), imp_(&imp), layerAttivi_(layerAttivi) {}

bool Bersaglio::LayerAttivo(int layer) const {
    return LayerValido(layer) && layerAttivi_[layer] != 0;
}

float Bersaglio::ScalaTesti() const { return imp_->ScalaTestiDxf; }

void Bersaglio::Evidenziazione(float, float, float, float, int) const {}

void Bersaglio::EtichettaFerro(float x1, float y1, float x2, float y2, int lato, int layerTesto,
                               int lunghezza) const {
    ScriviTesto((x1 + x2) / 2.0f, (y1 + y2) / 2.0f, FormatoDec(static_cast<float>(lunghezza), 0),
                0, layerTesto, Allinea::Centro, lato == 0 ? Allinea::Alto : Allinea::Basso,
                AngoloGradi(x1, y1, x2, y2), *this);
}

void Bersaglio::Quota(float xa, float ya, float xb, float yb, float, float, float,
                      float) const {
    DisQuotaSemplice(xa, ya, xb, yb, Layer::Quote, Layer::TestoQuote, *this);
}
