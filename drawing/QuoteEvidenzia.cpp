#include "drawing/QuoteEvidenzia.h"

#include "drawing/BersaglioSchermo.h"
#include "drawing/Primitive.h"
#include "drawing/QuoteRicerca.h"
#include "drawing/Vista.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <cstddef>
#include <initializer_list>
#include <iterator>

namespace {

// Draws the closed outline through the model points in yellow on the
// transient layer, spessore pixels wide, and leaves the canvas 1 pixel wide.
void ContornoGiallo(TelaSchermo& tela, const Vista& v, const Impostazioni& imp,
                    std::initializer_list<Punto> vertici, int spessore) {
    const BersaglioSchermo transitorio(tela, StratoTela::Transitorio, v, imp);
    tela.ImpostaSpessoreTratto(spessore);
    const Punto* v0 = std::data(vertici);
    const std::size_t n = vertici.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Punto& da = v0[i];
        const Punto& a = v0[(i + 1) % n];
        DisLinea(da.X, da.Y, a.X, a.Y, LayerEvidenziaGiallo, Stile::Pieno, transitorio);
    }
    tela.ImpostaSpessoreTratto(1);
}

}  // namespace

void EvidenziaQuotaLivello(const ProgettoParete& progetto, StatoInterfaccia& stato,
                           TelaSchermo& tela, const Vista& v, const Impostazioni& imp, float x,
                           float y) {
    const int k = TrovaQuotaLivello(progetto, stato.VistaCorrente, v, x, y);
    int& ultima = stato.QuotaLivelloEvidenziata;
    if (ultima != -1 && ultima != k) tela.Cancella(StratoTela::Transitorio);
    if (k < 0) return;
    const QuotaLivello& l = progetto.QuoteLivello[k];
    ContornoGiallo(tela, v, imp,
                   {{l.X, l.Y}, {l.X + 10.0f, l.Y + 10.0f}, {l.X - 10.0f, l.Y + 10.0f}}, 2);
    ultima = k;
}

void EvidenziaQuotaCursore(const ProgettoParete& progetto, TelaSchermo& tela, const Vista& v,
                           const Impostazioni& imp, float x, float y) {
    if (progetto.UltQuota < 0) return;
    const EstremoAgganciato estremo = AgganciaEstremoQuota(progetto, v, x, y);
    if (estremo.Quota < 0) return;
    constexpr float Lato = 6.0f;  // pixels either side of the end
    const float px = XSchermo(v, estremo.M.X);
    const float py = YSchermo(v, estremo.M.Y);
    const float x1 = XModello(v, px - Lato), x2 = XModello(v, px + Lato);
    const float y1 = YModello(v, py - Lato), y2 = YModello(v, py + Lato);
    ContornoGiallo(tela, v, imp, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, 3);
}
