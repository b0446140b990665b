#include "interaction/ModificaDiffusa.h"

#include "design/AccessoriStrato.h"
#include "design/Modifica.h"
#include "model/CampoNumerico.h"
#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"

#include <array>
#include <optional>

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

// The limits of an item: from 2 for a diameter (mm, in a 16-bit field of
// the reinforcement file) and for a spacing (cm, as the file keeps it).
constexpr CampoNumerico CampoDiametro = CampoIntero(2.0f);
constexpr CampoNumerico CampoPasso = CampoLunghezza(DecimaliPassoDiffusa, 2.0f);

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
    const std::optional<float> valore = ValoreCampo(item.Diametro ? CampoDiametro : CampoPasso, v);
    if (!valore) {
        testo = testoCorrente;
        return EsitoModificaDiffusa::Rifiutata;
    }
    const float inModello =
        item.Diametro ? DiamStrato(parete, item.Strato) : PassoStrato(parete, item.Strato);
    if (v != inModello) AvvisoModificaDiffusa(finestra);

    Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::No);
    if (item.Diametro)
        ImpostaDiamStrato(parete, item.Strato, static_cast<int>(*valore));
    else
        ImpostaPassoStrato(parete, item.Strato, *valore);
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
