#include "interaction/FormCordoloDati.h"

#include "design/AccessoriStrato.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "model/BandaCordolo.h"
#include "model/CampoNumerico.h"
#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Poligoni.h"
#include "model/Sessione.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Confirmed with nothing changed that shapes the band (its side, width,
// cover, bar diameter), a ring beam whose side is gone, or whose band built
// on its side is the stored one, keeps its stored band exactly.
bool TieneBandaMemorizzata(const Parete& parete, const StatoInterfaccia& stato) {
    const int i = stato.IndiceCorrente;
    if (!EsistePosizione(parete, i)) return false;
    const PosizioneArm& prima = parete.Posizioni[i];
    const PosizioneArm& pos = stato.PosCorrente;
    if (pos.LatoPerimetro != prima.LatoPerimetro || pos.PoligonoLato != prima.PoligonoLato ||
        pos.Larghezza != prima.Larghezza || pos.CopriferroCordolo != prima.CopriferroCordolo ||
        pos.DiamCorrenti != prima.DiamCorrenti)
        return false;
    return !LatoCordoloEsiste(parete, prima) ||
           BandaUguale(prima, parete.PoligoniPos[i], CalcolaBandaCordolo(parete, prima));
}

void RiprendiBanda(StatoInterfaccia& stato, const Parete& parete) {
    const int i = stato.IndiceCorrente;
    const PosizioneArm& prima = parete.Posizioni[i];
    PosizioneArm& pos = stato.PosCorrente;
    pos.XMin = prima.XMin;
    pos.YMin = prima.YMin;
    pos.XMax = prima.XMax;
    pos.YMax = prima.YMax;
    pos.Vertici = prima.Vertici;
    pos.Angolo = prima.Angolo;
    const auto& poligono = parete.PoligoniPos[i];
    stato.UltPuntoCorrente = prima.UltVerticeZona;
    stato.PoligonoCorrente.assign(
        poligono.begin(),
        poligono.begin() + std::min<std::size_t>(poligono.size(), prima.UltVerticeZona + 1));
}

// The files keep no cover: reading takes it back from the band's far edge
// to the hundredth (TrovaLatiCordoli).
constexpr int DecimaliCopriferro = 2;
// Far from the side a float no longer holds that hundredth of the band's far
// edge, so the width and the cover stay well within a few thousand cm.
constexpr float LarghezzaMassimaCordolo = 1000.0f;
constexpr float CopriferroMassimoCordolo = 100.0f;

// The limits of each number item, and the decimals its file keeps.
std::optional<CampoNumerico> CampoVoceCordolo(int id) {
    switch (id) {
        case VoceCordolo::Diametro: return CampoIntero(6.0f);
        case VoceCordolo::Passo: return CampoLunghezza(DecimaliPassoPosizione, 4.0f, 50.0f);
        case VoceCordolo::Copriferro:
            return CampoLunghezza(DecimaliCopriferro, 2.0f, CopriferroMassimoCordolo);
        // The longitudinal bars may be thinner than the stirrups.
        case VoceCordolo::DiamCorrenti: return CampoIntero(2.0f);
        case VoceCordolo::Larghezza:
            return CampoLunghezza(DecimaliLarghezzaCordolo, 10.0f, LarghezzaMassimaCordolo);
        default: return std::nullopt;  // the legs go through their list
    }
}

void ImpostaVoceCordolo(PosizioneArm& pos, int id, float valore) {
    switch (id) {
        case VoceCordolo::Diametro: pos.Diametro = static_cast<int>(valore); break;
        case VoceCordolo::Passo: pos.Passo = valore; break;
        case VoceCordolo::Copriferro: pos.CopriferroCordolo = valore; break;
        case VoceCordolo::DiamCorrenti: pos.DiamCorrenti = static_cast<int>(valore); break;
        case VoceCordolo::Larghezza: pos.Larghezza = valore; break;
        default: break;
    }
}

}  // namespace

void ApriFormCordolo(StatoInterfaccia& stato, const Parete& parete) {
    AnnullaFormCordolo(stato);
    stato.DuplicaOpposto = 0;
    if (stato.PosCorrente.NumBracci < 2) stato.PosCorrente.NumBracci = 2;
    (void)CalcParalle(stato, parete);
}

bool CalcParalle(StatoInterfaccia& stato, const Parete& parete) {
    PosizioneArm& pos = stato.PosCorrente;
    if (!LatoCordoloEsiste(parete, pos)) return false;
    const BandaCordolo banda = CalcolaBandaCordolo(parete, pos);
    pos.Vertici = banda.Vertici;
    RiquadroZona(pos);
    stato.PoligonoCorrente.assign(banda.Poligono.begin(), banda.Poligono.end());
    stato.UltPuntoCorrente = 4;

    pos.Angolo = banda.Angolo;
    stato.AreaRichiestaMax = 0.0f;
    for (int i = 0; i < parete.NumNodi; ++i) {
        const float carenza = CarenzaNodo(parete, 4, i);
        if (PuntoInZonaCorrente(stato, parete.Nodi[i].X, parete.Nodi[i].Y) && carenza > stato.AreaRichiestaMax)
            stato.AreaRichiestaMax = carenza;
    }
    return true;
}

std::vector<VoceForm> VociFormCordolo(const PosizioneArm& pos) {
    return {
        {VoceCordolo::Diametro, "Diametro staffe [mm]", false, NumeroSemplice(pos.Diametro)},
        {VoceCordolo::Passo, "Passo staffe [cm]", false, FormatoDec(pos.Passo, 1)},
        {VoceCordolo::NumBracci, "Numero di bracci", false, std::to_string(pos.NumBracci)},
        {VoceCordolo::Copriferro, "Copriferro [cm]", false, FormatoDec(pos.CopriferroCordolo, 1)},
        {VoceCordolo::DiamCorrenti, "Diametro correnti [mm]", false, NumeroSemplice(pos.DiamCorrenti)},
        {VoceCordolo::Larghezza, "Larghezza cordolo [cm]", false, NumeroSemplice(pos.Larghezza)},
    };
}

bool ValidaVoceCordolo(PosizioneArm& pos, int id, std::string& testo, const std::string& attuale) {
    const std::optional<CampoNumerico> campo = CampoVoceCordolo(id);
    const std::optional<float> valore = campo ? ValoreCampo(*campo, ValoreTesto(testo)) : std::nullopt;
    if (!valore) {
        testo = attuale;
        return false;
    }
    ImpostaVoceCordolo(pos, id, *valore);
    return true;
}

void CambiaBracciCordolo(PosizioneArm& pos, int bracci) { pos.NumBracci = bracci; }

bool OkFormCordolo(Sessione& sessione, InterfacciaFinestra& finestra) {
    StatoInterfaccia& st = sessione.stato;
    AnnullaFormCordolo(st);
    if (TieneBandaMemorizzata(sessione.parete, st)) {
        RiprendiBanda(st, sessione.parete);
        // Nothing changed: nothing to store, no undo step.
        if (st.PosCorrente == sessione.parete.Posizioni[st.IndiceCorrente]) return true;
        return ConfermaPosizione(sessione, finestra);
    }
    if (!CalcParalle(st, sessione.parete)) {
        finestra.Messaggio("Il lato del cordolo non esiste più.\nOperazione annullata.", "Attenzione!",
                           IconaMessaggio::Esclamazione);
        return false;
    }
    // The band reaches past the side by the width, the cover and, at an
    // acute corner, forty bar diameters: the file must keep it in range.
    if (!PuntiAmmessi(st.PosCorrente.Vertici) || !PuntiAmmessi(st.PoligonoCorrente)) {
        finestra.Messaggio(MessaggioFuoriCampo(), "Attenzione!", IconaMessaggio::Esclamazione);
        return false;
    }
    return ConfermaPosizione(sessione, finestra);
}

void AnnullaFormCordolo(StatoInterfaccia& stato) {
    stato.PosAccettata = 0;
    stato.ErroreOperazione = -1;
}
