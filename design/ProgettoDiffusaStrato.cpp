#include "design/ProgettoDiffusaStrato.h"

#include "design/AccessoriStrato.h"
#include "model/Finestra.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr const char* NomiStrato[4] = {"Arm. lato + dir. 1", "Arm. lato - dir. 1",
                                       "Arm. lato + dir. 2", "Arm. lato - dir. 2"};

// A relaxed spacing never goes above this, whatever PassoMax says.
constexpr float PassoRilassatoMax = 30.0f;

struct Limiti {
    int DiamMin = 0;
    int DiamMax = 0;
    float PassoMin = 0.0f;
    float PassoMax = 0.0f;
};

Limiti LimitiStrato(const Impostazioni& imp, int k) {
    if (k == 1 || k == 3)
        return {imp.DiamMinMeno, imp.DiamMaxMeno, static_cast<float>(imp.PassoMinMeno),
                static_cast<float>(imp.PassoMaxMeno)};
    return {imp.DiamMinPiu, imp.DiamMaxPiu, static_cast<float>(imp.PassoMinPiu),
            static_cast<float>(imp.PassoMaxPiu)};
}

struct Coppia {
    int Diametro = 0;
    float Passo = 0.0f;
};

bool VariaPasso(const Impostazioni& imp) { return imp.ModoProgetto == 1; }

// Whether the layer alone, with the candidate bars, covers the target share
// of the nodes. Judged in whole numbers, so that 58 nodes of 100 meet 58 %.
bool CoperturaRaggiunta(const Parete& p, int k, Coppia c, int coperturaMin) {
    if (p.NumNodi <= 0) return false;
    const float fornita = AreaAlMetro(c.Diametro, c.Passo);
    std::int64_t coperti = 0;
    for (int i = 0; i < p.NumNodi; ++i)
        if (AreaRichiestaNodo(p, k, i) - fornita <= 0.0f) ++coperti;
    return coperti * 100 >= static_cast<std::int64_t>(coperturaMin) * p.NumNodi;
}

// A layer in which every node has an excess starts from lighter bars.
void Rilassa(Parete& p, const Impostazioni& imp, int k, const Limiti& l) {
    if (p.NumNodi <= 0) return;
    float carenzaMax = CarenzaNodo(p, k, 0);
    for (int i = 1; i < p.NumNodi; ++i) carenzaMax = std::max(carenzaMax, CarenzaNodo(p, k, i));
    if (!(carenzaMax < 0.0f)) return;
    if (VariaPasso(imp))
        ImpostaPassoStrato(p, k, std::min(l.PassoMax, PassoRilassatoMax));
    else
        ImpostaDiamStrato(p, k, l.DiamMin);
}

// Spacings downwards at each diameter, diameters upwards; after the first
// diameter the spacings start again from the layer's stored spacing.
std::optional<Coppia> CercaVariandoPasso(const Parete& p, const Impostazioni& imp, int k,
                                         const Limiti& l, Coppia c) {
    const float passoMemorizzato = PassoStrato(p, k);
    bool spaziatureFinite = false;
    for (;;) {
        if (!spaziatureFinite && c.Passo > l.PassoMin) {
            const float passo = c.Passo - imp.IncrPasso;
            // A spacing that is not positive, or that the step no longer
            // lowers, cannot be tried: the spacings of this diameter are over.
            if (passo > 0.0f && passo < c.Passo) {
                c.Passo = passo;
                if (CoperturaRaggiunta(p, k, c, imp.CoperturaMin)) return c;
                continue;
            }
        }
        c.Diametro += imp.IncrDiam;
        if (c.Diametro > l.DiamMax) return std::nullopt;
        c.Passo = passoMemorizzato;
        spaziatureFinite = !(c.Passo > 0.0f);
        if (!spaziatureFinite && CoperturaRaggiunta(p, k, c, imp.CoperturaMin)) return c;
    }
}

// Diameters upwards at each spacing, spacings downwards; at every spacing
// after the first the diameters start again from DiamMin.
std::optional<Coppia> CercaVariandoDiametro(const Parete& p, const Impostazioni& imp, int k,
                                            const Limiti& l, Coppia c) {
    if (!(c.Passo > 0.0f)) return std::nullopt;
    for (;;) {
        if (c.Diametro < l.DiamMax) {
            c.Diametro += imp.IncrDiam;
        } else {
            const float passo = c.Passo - imp.IncrPasso;
            if (!(passo >= l.PassoMin) || !(passo > 0.0f) || !(passo < c.Passo)) return std::nullopt;
            c.Passo = passo;
            c.Diametro = l.DiamMin;
        }
        if (CoperturaRaggiunta(p, k, c, imp.CoperturaMin)) return c;
    }
}

std::string MessaggioFallimento(int k) {
    return std::string(NomiStrato[k]) + "\nImpossible raggiungere la percentuale di nodi coperti." +
           "\nAumentare il diam. max o diminuire il passo min.";
}

}  // namespace

void ProgettaStrato(Parete& parete, const Impostazioni& imp, InterfacciaFinestra& finestra, int k) {
    if (k < 0 || k > 3) return;
    const Limiti l = LimitiStrato(imp, k);
    Rilassa(parete, imp, k, l);

    const Coppia inizio = VariaPasso(imp)
                              ? Coppia{static_cast<int>(DiamStrato(parete, k)), l.PassoMax}
                              : Coppia{l.DiamMin, PassoStrato(parete, k)};
    std::optional<Coppia> scelta = inizio;
    if (imp.CoperturaMin > 0) {
        const bool passiValidi = imp.IncrDiam > 0 && imp.IncrPasso > 0.0f;
        scelta = !passiValidi         ? std::nullopt
                 : VariaPasso(imp) ? CercaVariandoPasso(parete, imp, k, l, inizio)
                                   : CercaVariandoDiametro(parete, imp, k, l, inizio);
    }
    if (!scelta) {
        scelta = Coppia{l.DiamMax, l.PassoMin};
        finestra.Messaggio(MessaggioFallimento(k), "Attenzione!", IconaMessaggio::Esclamazione);
    }
    ImpostaDiamStrato(parete, k, scelta->Diametro);
    ImpostaPassoStrato(parete, k, scelta->Passo);
}
