#include "interaction/FormCordoloDati.h"

#include "design/AccessoriStrato.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "model/BandaCordolo.h"
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

constexpr float DiametroMinimoStaffe = 6.0f;
// The longitudinal bars may be thinner than the stirrups.
constexpr float DiametroMinimoCorrenti = 2.0f;

bool AccettaDiametro(int& campo, std::optional<int> diametro) {
    if (diametro) campo = *diametro;
    return diametro.has_value();
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
    const float x = ValoreTesto(testo);
    bool accettato = false;
    switch (id) {
        case VoceCordolo::Diametro:
            accettato = AccettaDiametro(pos.Diametro, DiametroDigitato(x, DiametroMinimoStaffe));
            break;
        case VoceCordolo::Passo:
            if ((accettato = x >= 4.0f && x <= 50.0f)) pos.Passo = x;
            break;
        case VoceCordolo::Copriferro:
            if ((accettato = x >= 2.0f)) pos.CopriferroCordolo = x;
            break;
        case VoceCordolo::DiamCorrenti:
            accettato = AccettaDiametro(pos.DiamCorrenti, DiametroDigitato(x, DiametroMinimoCorrenti));
            break;
        case VoceCordolo::Larghezza:
            if ((accettato = x >= 10.0f)) pos.Larghezza = x;
            break;
        default: break;
    }
    if (!accettato) testo = attuale;
    return accettato;
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
    return ConfermaPosizione(sessione, finestra);
}

void AnnullaFormCordolo(StatoInterfaccia& stato) {
    stato.PosAccettata = 0;
    stato.ErroreOperazione = -1;
}
