#include "interaction/ClickVertice.h"

#include "drawing/Evidenzia.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "interaction/EditorPerimetro.h"
#include "interaction/PuntoAmmesso.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/StatoInterfaccia.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr float Tolleranza = 4.0f;  // pixels

// The first and last grid multiple of the view window: its edge rounded to
// whole cm, then to the multiple of the step towards zero.
std::int64_t MultiploVersoZero(float bordo, int passo) {
    const auto intero = static_cast<std::int64_t>(std::nearbyint(static_cast<double>(bordo)));
    return intero / passo * passo;
}

// The grid indexes (multiples of passo) within [primo, ultimo] whose pixel
// may lie under the tolerance from the cursor: the model interval around the
// cursor, widened by one step either side for the rounding of the transform.
struct Intervallo {
    std::int64_t Da = 0, A = -1;
};

Intervallo Candidati(float bordoMin, float bordoMax, int passo, float centro, float scala) {
    constexpr double Limite = 1e15;
    if (!(std::fabs(bordoMin) < Limite && std::fabs(bordoMax) < Limite)) return {};
    if (!(std::fabs(centro) < Limite)) return {};
    const std::int64_t primo = MultiploVersoZero(bordoMin, passo) / passo;
    const std::int64_t ultimo = MultiploVersoZero(bordoMax, passo) / passo;
    const double raggio = Tolleranza / static_cast<double>(scala);
    const auto da = static_cast<std::int64_t>(std::floor((centro - raggio) / passo)) - 1;
    const auto a = static_cast<std::int64_t>(std::ceil((centro + raggio) / passo)) + 1;
    return {std::max(primo, da), std::min(ultimo, a)};
}

bool Vicino(float cursore, float pixel) { return std::fabs(cursore - pixel) < Tolleranza; }

}  // namespace

int TrovaVertice(const StatoInterfaccia& stato, const Vista& vista, float x, float y) {
    for (int i = 0; i <= stato.UltVerticeLista && i < static_cast<int>(stato.OrdineVertici.size());
         ++i) {
        const Punto p = PuntoVertice(stato, i);
        if (Vicino(x, XSchermo(vista, p.X)) && Vicino(y, YSchermo(vista, p.Y))) return i;
    }
    return -1;
}

bool AgganciaGriglia(StatoInterfaccia& stato, const Impostazioni& imp, const Vista& vista,
                     TelaSchermo& tela, float x, float y, int memorizza) {
    tela.Cancella(StratoTela::Transitorio);
    const int passoX = imp.PassoGrigliaX, passoY = imp.PassoGrigliaY;
    stato.SnapTrovato = 0;
    if (passoX <= 0 || passoY <= 0 || !(vista.Scala > 0.0f)) return false;
    // The model point under the cursor: the inverse of the transform the
    // nodes are compared through.
    const Intervallo colonne = Candidati(vista.FinXmin, vista.FinXmax, passoX,
                                         XModello(vista, x), vista.Scala);
    const Intervallo righe = Candidati(vista.FinYmin, vista.FinYmax, passoY,
                                       YModello(vista, y), vista.Scala);
    for (std::int64_t i = colonne.Da; i <= colonne.A; ++i) {
        const float sx = XSchermo(vista, static_cast<float>(i * passoX));
        if (!Vicino(x, sx)) continue;
        for (std::int64_t j = righe.Da; j <= righe.A; ++j) {
            const float sy = YSchermo(vista, static_cast<float>(j * passoY));
            if (!Vicino(y, sy)) continue;
            if (memorizza != 0) {
                stato.XSnap = sx;
                stato.YSnap = sy;
                stato.SnapTrovato = 1;
            } else {
                tela.ImpostaSpessoreTratto(3);
                tela.Riquadro(StratoTela::Transitorio, sx - 2, sy - 2, sx + 2, sy + 2,
                              ColoreMagenta, false);
                tela.ImpostaSpessoreTratto(1);
            }
            return true;
        }
    }
    return false;
}

EsitoClickVertice ClickVertice(StatoInterfaccia& stato, const Impostazioni& imp,
                               const Vista& vista, TelaSchermo& tela, int pulsante, float x,
                               float y) {
    if (stato.ModificaPoligono == 0) return EsitoClickVertice::Nulla;
    const int k = TrovaVertice(stato, vista, x, y);
    if (k != -1) {
        SelezionaVertice(stato, k);
        return EsitoClickVertice::Selezionato;
    }
    float px = x, py = y;
    if (stato.SnapGriglia != 0) {
        if (!AgganciaGriglia(stato, imp, vista, tela, x, y, pulsante) || stato.SnapTrovato != 1)
            return EsitoClickVertice::Nulla;
        px = stato.XSnap;
        py = stato.YSnap;
    }
    if (!PuntoTelaAmmesso(vista, px, py)) return EsitoClickVertice::Nulla;
    stato.Text1 = {FormatoDec(XModello(vista, px), 1), FormatoDec(YModello(vista, py), 1)};
    return EsitoClickVertice::Proposto;
}
