#include "drawing/Primitive.h"

#include "model/Geometria.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"

#include <cmath>

namespace {

constexpr int LayerQuote = 8;         // "QUOTE"
constexpr int LayerTestoQuote = 18;   // "TESTO_QUOTE"

// Left to right; a vertical segment bottom to top. Texts along the segment
// then never read upside down.
void OrdinaEstremi(float& x1, float& y1, float& x2, float& y2) {
    const bool scambia = std::fabs(x2 - x1) > 0.0001f ? x1 > x2 : y1 > y2;
    if (scambia) {
        Scambia(x1, x2);
        Scambia(y1, y2);
    }
}

}  // namespace

int DisFerro(float x1, float y1, float x2, float y2, int lato, int layerLinea, int layerTesto,
             const Bersaglio& b) {
    const int lunghezza = static_cast<int>(std::nearbyint(Distanza(x1, y1, x2, y2)));
    if (b.Misura() || lunghezza == 0) return lunghezza;
    const std::string etichetta = FormatoDec(static_cast<float>(lunghezza), 0);
    const float angolo = AngoloGradi(x1, y1, x2, y2);
    DisLinea(x1, y1, x2, y2, layerLinea, 0, b);
    if (b.DxfR2000()) {
        OrdinaEstremi(x1, y1, x2, y2);
        const float h = AltezzaTesto(0, b);
        const float scostamento = (lato != 0 ? 0.35f : -0.35f) * h;
        float qx1 = 0.0f, qy1 = 0.0f, qx2 = 0.0f, qy2 = 0.0f;
        SegmentoParallelo(x1, y1, x2, y2, qx1, qy1, qx2, qy2, scostamento);
        b.Flusso->DxfQuota(layerTesto, layerTesto, 1, h, 1.0f, 1, qx1, qy1, qx2, qy2, x1, y1, x2,
                           y2, 1, "Ferri50");
    } else {
        ScriviTesto((x1 + x2) / 2.0f, (y1 + y2) / 2.0f, etichetta, 0, layerTesto, 1,
                    lato == 0 ? 2 : 0, angolo, b);
    }
    return lunghezza;
}

void DisQuota(float xa, float ya, float xb, float yb, float xp, float yp, float xq, float yq,
              const Bersaglio& b) {
    if (b.DxfR2000()) {
        b.Flusso->DxfQuota(LayerQuote, LayerTestoQuote, 1, AltezzaTesto(0, b), 1.0f, 0, xa, ya,
                           xb, yb, xp, yp, xq, yq, 1, "SC50");
    } else {
        DisQuotaSemplice(xa, ya, xb, yb, LayerQuote, LayerTestoQuote, b);
    }
}

void DisQuotaSemplice(float x1, float y1, float x2, float y2, int layer, int layerTesto,
                      const Bersaglio& b) {
    if (b.Misura()) return;
    const float d = Distanza(x1, y1, x2, y2);
    if (d < 0.001f) return;
    const float frazione = d - std::floor(d);
    const int decimali = (frazione >= 0.1f && frazione <= 0.9f) ? 1 : 0;
    const std::string testo = FormatoDec(d, decimali);

    OrdinaEstremi(x1, y1, x2, y2);
    float gradi = 0.0f, s = 0.0f, c = 0.0f;
    AngoloSinCos(x1, y1, x2, y2, gradi, s, c);
    DisLinea(x1, y1, x2, y2, layer, 0, b);
    for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
        DisLinea(x + 8.0f * s, y - 8.0f * c, x - 8.0f * s, y + 8.0f * c, layer, 0, b);
        DisCerchio(x, y, 1.2f, layer, 0, b);
    }
    // A text longer than the dimension line moves aside so as not to cover the ticks.
    const float scarto = d < 8.0f * NumeroCaratteri(testo) ? 7.0f : 0.0f;
    ScriviTesto((x1 + x2) / 2.0f - s * scarto, (y1 + y2) / 2.0f + c * scarto, testo, 0,
                layerTesto, 1, 0, gradi, b);
}
