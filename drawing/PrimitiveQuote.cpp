#include "drawing/Primitive.h"

#include "drawing/Vista.h"
#include "model/Geometria.h"
#include "model/Numeri.h"

#include <cmath>

void OrdinaEstremi(float& x1, float& y1, float& x2, float& y2) {
    const bool scambia = std::fabs(x2 - x1) > 0.0001f ? x1 > x2 : y1 > y2;
    if (scambia) {
        Scambia(x1, x2);
        Scambia(y1, y2);
    }
}

int DisFerro(float x1, float y1, float x2, float y2, int lato, int layerLinea, int layerTesto,
             const Bersaglio& b) {
    const int lunghezza = static_cast<int>(std::nearbyint(Distanza(x1, y1, x2, y2)));
    if (lunghezza == 0) return lunghezza;
    DisLinea(x1, y1, x2, y2, layerLinea, Stile::Pieno, b);
    if (b.LayerAttivo(layerTesto)) b.EtichettaFerro(x1, y1, x2, y2, lato, layerTesto, lunghezza);
    return lunghezza;
}

void DisQuota(float xa, float ya, float xb, float yb, float xp, float yp, float xq, float yq,
              const Bersaglio& b) {
    b.Quota(xa, ya, xb, yb, xp, yp, xq, yq);
}

void DisQuotaSemplice(float x1, float y1, float x2, float y2, int layer, int layerTesto,
                      const Bersaglio& b) {
    const float d = Distanza(x1, y1, x2, y2);
    if (d < 0.001f) return;
    const float frazione = d - std::floor(d);
    const int decimali = (frazione >= 0.1f && frazione <= 0.9f) ? 1 : 0;
    const std::string testo = FormatoDec(d, decimali);

    OrdinaEstremi(x1, y1, x2, y2);
    float gradi = 0.0f, s = 0.0f, c = 0.0f;
    AngoloSinCos(x1, y1, x2, y2, gradi, s, c);
    DisLinea(x1, y1, x2, y2, layer, Stile::Pieno, b);
    for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
        DisLinea(x + 8.0f * s, y - 8.0f * c, x - 8.0f * s, y + 8.0f * c, layer, Stile::Pieno,
                 b);
        DisCerchio(x, y, 1.2f, layer, Stile::Pieno, b);
    }
    // A text longer than the dimension line moves aside so as not to cover the ticks.
    const float scarto = d < 8.0f * NumeroCaratteri(testo) ? 7.0f : 0.0f;
    ScriviTesto((x1 + x2) / 2.0f - s * scarto, (y1 + y2) / 2.0f + c * scarto, testo, 0,
                layerTesto, Allinea::Centro, Allinea::Basso, gradi, b);
}
