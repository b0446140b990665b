#include "drawing/QuoteRicerca.h"

#include "drawing/ComandiVista.h"
#include "drawing/QuoteLista.h"
#include "drawing/Vista.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>

namespace {

// Index of the last valid record of a list whose upper bound is ultimo.
int UltimoValido(int ultimo, std::size_t dimensione) {
    return std::min(ultimo, static_cast<int>(dimensione) - 1);
}

bool VicinoLineaQuota(const Vista& v, const Quota& q, float x, float y) {
    return VicinoSegmento(v, x, y, q.X1, q.Y1, q.X2, q.Y2, TolleranzaQuota);
}

}  // namespace

int TrovaQuota(const ProgettoParete& progetto, int vistaCorrente, const Vista& v, float x,
               float y) {
    const int ultima = UltimoValido(progetto.UltQuota, progetto.Quote.size());
    for (int i = 0; i <= ultima; ++i) {
        const Quota& q = progetto.Quote[i];
        if (MostraInVista(q.Vista, vistaCorrente) && VicinoLineaQuota(v, q, x, y)) return i;
    }
    return -1;
}

int TrovaQuotaLivello(const ProgettoParete& progetto, int vistaCorrente, const Vista& v,
                      float x, float y) {
    const int ultimo = UltimoValido(progetto.NumQuoteLivello - 1, progetto.QuoteLivello.size());
    for (int i = 0; i <= ultimo; ++i) {
        const QuotaLivello& l = progetto.QuoteLivello[i];
        if (!MostraInVista(l.Vista, vistaCorrente)) continue;
        if (std::fabs(x - XSchermo(v, l.X)) < TolleranzaQuotaLivello &&
            std::fabs(y - YSchermo(v, l.Y)) < TolleranzaQuotaLivello)
            return i;
    }
    return -1;
}

EstremoAgganciato AgganciaEstremoQuota(const ProgettoParete& progetto, const Vista& v, float x,
                                       float y) {
    EstremoAgganciato risultato{.M = {XModello(v, x), YModello(v, y)}};
    const Punto& m = risultato.M;
    const int ultima = UltimoValido(progetto.UltQuota, progetto.Quote.size());
    for (int i = 0; i <= ultima; ++i) {
        const Quota& q = progetto.Quote[i];
        if (!VicinoLineaQuota(v, q, x, y)) continue;
        const float d1 = std::fabs(m.Y - q.Y1) + std::fabs(m.X - q.X1);
        const float d2 = std::fabs(m.Y - q.Y2) + std::fabs(m.X - q.X2);
        risultato.M = d2 <= d1 ? Punto{q.X2, q.Y2} : Punto{q.X1, q.Y1};
        risultato.Quota = i;
        break;
    }
    return risultato;
}
