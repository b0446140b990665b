#include "model/CopiaImpostazioni.h"

#include "model/Sessione.h"

namespace {

// One list of the twenty fields serves both directions.
template <typename Imp, typename Par, typename Copia, typename F>
void Coppie(Imp& imp, Par& parete, Copia& c, F&& f) {
    f(imp.SovrappMin, c.SovrappMin);
    f(imp.SovrappMax, c.SovrappMax);
    f(parete.DiamIntegrativa, c.DiamIntegrativa);
    f(imp.PassoMaxIntegrativa, c.PassoMaxIntegrativa);
    f(imp.Riserva4, c.Riserva4);
    f(imp.Riserva5, c.Riserva5);
    f(imp.Riserva6, c.Riserva6);
    f(imp.DiamStaffeCordolo, c.DiamStaffeCordolo);
    f(imp.DiamReggistaffa, c.DiamReggistaffa);
    f(imp.LarghezzaCordolo, c.LarghezzaCordolo);
    f(imp.PassoStaffeCordolo, c.PassoStaffeCordolo);
    f(imp.Riserva10, c.Riserva10);
    f(imp.Riserva11, c.Riserva11);
    f(imp.Riserva12, c.Riserva12);
    f(imp.LungMaxFerri, c.LungMaxFerri);
    f(imp.Riserva30, c.Riserva30);
    f(imp.Riserva31, c.Riserva31);
    f(imp.ModoTolleranza, c.ModoTolleranza);
    f(imp.TolleranzaPerc, c.TolleranzaPerc);
    f(imp.TolleranzaFissa, c.TolleranzaFissa);
}

}  // namespace

CopiaImpostazioni CopiaImpostazioni::Prendi(const Sessione& sessione) {
    CopiaImpostazioni c;
    Coppie(sessione.imp, sessione.parete, c, [](const auto& valore, auto& copia) { copia = valore; });
    return c;
}

void CopiaImpostazioni::Rimetti(Sessione& sessione) const {
    Coppie(sessione.imp, sessione.parete, *this,
           [](auto& valore, const auto& copia) { valore = copia; });
}
