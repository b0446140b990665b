#include "interaction/ModificaDiffusa.h"

#include "design/AccessoriStrato.h"
#include "design/Modifica.h"
#include "model/Finestra.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"

#include <array>
#include <cmath>

namespace {

struct ItemDiffusa {
    int Id;
    int Strato;
    bool Diametro;  // false: the spacing
    const char* DidascaliaDueLati;
    const char* DidascaliaMagliaUnica;  // nullptr: not shown on a single mesh
};

constexpr std::array<ItemDiffusa, 8> Items{{
    {1, 0, true, "Diam. dir. 1 lato +", nullptr},
    {2, 0, false, "Passo dir. 1 lato +", nullptr},
    {3, 2, true, "Diam. dir. 2 lato +", nullptr},
    {4, 2, false, "Passo dir. 2 lato +", nullptr},
    {5, 1, true, "Diam. dir. 1 lato -", "Diam. dir. 1"},
    {6, 1, false, "Passo dir. 1 lato -", "Passo dir. 1"},
    {7, 3, true, "Diam. dir. 2 lato -", "Diam. dir. 2"},
    {8, 3, false, "Passo dir. 2 lato -", "Passo dir. 2"},
}};

constexpr float ValoreMinimo = 2.0f;
// A diameter is stored in a 16-bit field of the reinforcement file.
constexpr float DiametroMassimo = 32767.0f;

}  // namespace

std::vector<VoceDiffusa> VociDiffusa(const Parete& parete) {
    std::vector<VoceDiffusa> voci;
    for (const ItemDiffusa& item : Items) {
        const char* didascalia =
            parete.MagliaUnica != 0 ? item.DidascaliaMagliaUnica : item.DidascaliaDueLati;
        if (didascalia == nullptr) continue;
        voci.push_back({.Id = item.Id,
                        .Didascalia = didascalia,
                        .Valore = item.Diametro
                                      ? NumeroSemplice(static_cast<int>(DiamStrato(parete, item.Strato)))
                                      : FormatoDec(PassoStrato(parete, item.Strato), 1)});
    }
    return voci;
}

EsitoModificaDiffusa ValidaModificaDiffusa(Sessione& sessione, InterfacciaFinestra& finestra,
                                           int id, std::string& testo,
                                           std::string_view testoCorrente,
                                           const std::function<void()>& adattaVista) {
    if (id < 1 || id > static_cast<int>(Items.size())) return EsitoModificaDiffusa::Rifiutata;
    const ItemDiffusa& item = Items[id - 1];
    Parete& parete = sessione.parete;
    const float v = ValoreTesto(testo);
    if (v < ValoreMinimo || (item.Diametro && v > DiametroMassimo)) {
        testo = testoCorrente;
        return EsitoModificaDiffusa::Rifiutata;
    }
    const float inModello =
        item.Diametro ? DiamStrato(parete, item.Strato) : PassoStrato(parete, item.Strato);
    if (v != inModello) AvvisoModificaDiffusa(finestra);

    Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::No);
    if (item.Diametro)
        ImpostaDiamStrato(parete, item.Strato, static_cast<int>(std::nearbyint(v)));
    else
        ImpostaPassoStrato(parete, item.Strato, v);
    if (adattaVista) adattaVista();
    modifica.Conferma();
    return EsitoModificaDiffusa::Accettata;
}

void AvvisoModificaDiffusa(InterfacciaFinestra& finestra) {
    finestra.Messaggio(
        "La modifica dei diametri o passi dell'armatura diffusa attulmente non permette "
        "l'aggiornamento dei dati delle verifiche e della relazione. Pu\xC3\xB2 essere fatta "
        "allo scopo di ricercare un'armatura ottimale, che poi potr\xC3\xA0 essere riprogettata "
        "in Caldeno modificando i criteri di progetto.",
        "Attenzione!", IconaMessaggio::Esclamazione);
}
