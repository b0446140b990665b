#include "drawing/QuoteDisegno.h"

#include "drawing/Primitive.h"
#include "drawing/QuoteLista.h"
#include "model/Layer.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <algorithm>

void DisQuote(const ProgettoParete& progetto, float offX, float offY, int vista,
              const Bersaglio& b) {
    if (!b.LayerAttivo(Layer::Quote)) return;
    const int ultima = std::min(progetto.UltQuota, static_cast<int>(progetto.Quote.size()) - 1);
    for (int i = 0; i <= ultima; ++i) {
        const Quota& q = progetto.Quote[i];
        if (!MostraInVista(q.Vista, vista)) continue;
        DisQuota(q.X1 + offX, q.Y1 + offY, q.X2 + offX, q.Y2 + offY, q.XA + offX, q.YA + offY,
                 q.XB + offX, q.YB + offY, b);
    }
    const int livelli =
        std::min(progetto.NumQuoteLivello, static_cast<int>(progetto.QuoteLivello.size()));
    for (int i = 0; i < livelli; ++i) {
        const QuotaLivello& l = progetto.QuoteLivello[i];
        if (MostraInVista(l.Vista, vista)) DisQuotaLivello(l.X + offX, l.Y + offY, l.Valore, b);
    }
}

void DisQuotaLivello(float x, float y, float valore, const Bersaglio& b) {
    const auto linea = [&b](float x1, float y1, float x2, float y2) {
        DisLinea(x1, y1, x2, y2, Layer::Quote, Stile::Pieno, b);
    };
    linea(x - 10.0f, y, x + 10.0f, y);
    linea(x - 10.0f, y + 10.0f, x, y);
    linea(x, y + 13.0f, x, y);
    linea(x + 10.0f, y + 10.0f, x, y);
    linea(x - 10.0f, y + 10.0f, x + 10.0f, y + 10.0f);
    linea(x, y + 13.0f, x - 30.0f, y + 13.0f);
    ScriviTesto(x - 30.0f, y + 14.0f, FormatoDec(valore, 1), 0, Layer::TestoQuote,
                Allinea::Sinistra, Allinea::Basso, 0.0f, b);
}
