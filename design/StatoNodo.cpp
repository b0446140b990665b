#include "design/StatoNodo.h"

#include "design/AccessoriStrato.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

namespace {

// Below this missing area a node counts as covered whatever the tolerance.
constexpr float CarenzaTrascurabile = 0.009f;

StatoNodoArm EntroSe(bool entro) {
    return entro ? StatoNodoArm::EntroTolleranza : StatoNodoArm::NonVerificato;
}

}  // namespace

StatoNodoArm StatoNodo(const Parete& parete, const Impostazioni& imp, int k, int i) {
    const float m = CarenzaNodo(parete, k, i);
    if (m < CarenzaTrascurabile) return StatoNodoArm::Ok;
    if (imp.ModoTolleranza == 0) {
        const float residuo = m - imp.TolleranzaPerc * AreaRichiestaNodo(parete, k, i) / 100.0f;
        return EntroSe(imp.TolleranzaPerc > 0.0f && residuo <= 0.0f);
    }
    const float residuo = m - imp.TolleranzaFissa;
    return EntroSe(imp.TolleranzaFissa > 0.0f && residuo <= 0.0f);
}

int ColoreStatoNodo(StatoNodoArm stato) {
    switch (stato) {
        case StatoNodoArm::Ok: return Rgb(88, 88, 88);
        case StatoNodoArm::EntroTolleranza: return Rgb(192, 192, 192);
        case StatoNodoArm::NonVerificato: return Rgb(255, 0, 0);
    }
    return 0;
}
