#include "interaction/FormZonaDati.h"

#include "design/ArmaturaPosizioni.h"
#include "design/EtichettaPosizione.h"
#include "design/GeometriaZona.h"
#include "design/PassoZona.h"
#include "design/RitagliaZona.h"
#include "drawing/Vista.h"
#include "model/CampoNumerico.h"
#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/Geometria.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"
#include "model/Sovrapposizione.h"

#include <algorithm>
#include <cmath>

namespace {

// The limits of each number item as the values stand (the spacing bounds the
// bar length and the strip width from below), and the decimals its file
// keeps. The centre and the sizes are no field of the file; the corners they
// shape are.
std::optional<CampoNumerico> CampoVoceZona(int id, const DatiFormZona& dati, const PosizioneArm& p) {
    switch (id) {
        case VoceZona::Diametro: return CampoIntero(6.0f);
        case VoceZona::Passo: return CampoLunghezza(DecimaliPassoPosizione, 4.0f, 200.0f);
        case VoceZona::XCentro:
        case VoceZona::YCentro: return CampoCoordinata(SenzaFile);
        case VoceZona::LungFerri: {
            // Two anchorages or less would leave the zone no length (inverted).
            const float oltreAncoraggi = std::nextafter(2.0f * dati.Ancoraggio, SenzaLimite);
            return CampoLunghezza(SenzaFile, std::max(p.Passo, oltreAncoraggi));
        }
        case VoceZona::LarghezzaTratto: return CampoLunghezza(SenzaFile, p.Passo);
        default: return std::nullopt;
    }
}

}  // namespace

float LarghezzaSuPasso(float larghezza, float passo) {
    const float divisore = std::nearbyint(passo);
    if (divisore == 0.0f) return larghezza;
    const float q = std::trunc(std::nearbyint(larghezza) / divisore);
    const float m = passo * q;
    const float resto = larghezza - m;
    return passo / 2.5f < resto ? m + passo : m;
}

DatiFormZona ApriFormZona(StatoInterfaccia& stato, const Impostazioni& imp) {
    stato.PosAccettata = 0;
    stato.DuplicaOpposto = 0;
    stato.ErroreOperazione = -1;
    DatiFormZona d;
    const PosizioneArm& p = stato.PosCorrente;
    if (p.Tipo >= Cordolo) return d;
    const auto& v = p.Vertici;
    d.Ancoraggio = static_cast<float>(LunghezzaSovrapposizione(imp, p.Diametro, 0));
    const float l01 = Distanza(v[0].X, v[0].Y, v[1].X, v[1].Y);
    const float l12 = Distanza(v[1].X, v[1].Y, v[2].X, v[2].Y);
    const bool dir1 = stato.DirezioneAttiva == 0;
    d.LungFerri = (dir1 ? l01 : l12) + 2.0f * d.Ancoraggio;
    d.LarghezzaTratto = LarghezzaSuPasso(dir1 ? l12 : l01, p.Passo);
    d.XCentro = (v[0].X + v[2].X) / 2.0f;
    d.YCentro = (v[0].Y + v[2].Y) / 2.0f;
    return d;
}


bool DuplicaOffertaZona(const Parete& parete, const StatoInterfaccia& stato) {
    return parete.MagliaUnica == 0 && stato.IndiceCorrente > parete.UltPosizione &&
           stato.Modo != ModoInput::CopiaLatoOpposto;
}

std::vector<VoceForm> VociFormZona(const DatiFormZona& dati, const Parete& parete,
                                   const StatoInterfaccia& stato) {
    const PosizioneArm& p = stato.PosCorrente;
    std::vector<VoceForm> voci{
        {VoceZona::Diametro, "Diametro [mm]", false, NumeroSemplice(p.Diametro)},
        {VoceZona::Passo, "Passo [cm]", false, FormatoDec(p.Passo, 1)},
        {VoceZona::XCentro, "Coordinata X centro [cm]", false, FormatoDec(dati.XCentro, 1)},
        {VoceZona::YCentro, "Coordinata Y centro [cm]", false, FormatoDec(dati.YCentro, 1)},
        {VoceZona::LungFerri, "Lunghezza ferri [cm]", false, FormatoDec(dati.LungFerri, 1)},
        {VoceZona::LarghezzaTratto, "Larghezza tratto [cm]", false, FormatoDec(dati.LarghezzaTratto, 1)},
    };
    if (DuplicaOffertaZona(parete, stato))
        voci.push_back({VoceZona::DuplicaOpposto, "Armatura uguale sull'altro opposto", true,
                        stato.DuplicaOpposto != 0 ? "1" : "0"});
    return voci;
}

void ManiglieDaZona(StatoInterfaccia& stato, const Vista& vista) {
    const auto& v = stato.PosCorrente.Vertici;
    stato.XA = XSchermo(vista, v[0].X);
    stato.YA = YSchermo(vista, v[0].Y);
    stato.XB = XSchermo(vista, v[2].X);
    stato.YB = YSchermo(vista, v[2].Y);
    stato.XMedio = (stato.XA + stato.XB) / 2.0f;
    stato.YMedio = (stato.YA + stato.YB) / 2.0f;
}

EsitoVoceZona ValidaVoceZona(DatiFormZona& dati, StatoInterfaccia& stato, const Vista& vista, int id,
                             std::string& testo, const std::string& attuale) {
    PosizioneArm& p = stato.PosCorrente;
    if (id == VoceZona::DuplicaOpposto) {
        stato.DuplicaOpposto = (testo == "1" || testo == "true" || testo == "True") ? 1 : 0;
        return EsitoVoceZona::Accettata;
    }
    const std::optional<CampoNumerico> campo = CampoVoceZona(id, dati, p);
    const std::optional<float> valore = campo ? ValoreCampo(*campo, ValoreTesto(testo)) : std::nullopt;
    if (!valore) {
        testo = attuale;
        return EsitoVoceZona::Rifiutata;
    }
    switch (id) {
        case VoceZona::Diametro:
            p.Diametro = static_cast<int>(*valore);
            ManiglieDaZona(stato, vista);
            stato.MostraManiglie = 1;
            return EsitoVoceZona::DiametroCambiato;
        case VoceZona::Passo: p.Passo = *valore; break;
        case VoceZona::XCentro: dati.XCentro = *valore; break;
        case VoceZona::YCentro: dati.YCentro = *valore; break;
        case VoceZona::LungFerri: dati.LungFerri = *valore; break;
        case VoceZona::LarghezzaTratto: dati.LarghezzaTratto = *valore; break;
        default: break;
    }
    return EsitoVoceZona::Accettata;
}

void RicalcolaPassoZona(StatoInterfaccia& stato, const Impostazioni& imp) {
    stato.PosCorrente.Passo = PassoArrotondato(imp, stato.PosCorrente.Diametro, stato.AreaRichiestaMax);
}

namespace {

// The zone of the edit buffer rebuilt from the dialog's values: the strip
// snapped to the spacing, the corners about the centre, then the zone from
// its two opposite corners, widened.
void RicostruisciZona(DatiFormZona& dati, StatoInterfaccia& st, const Parete& parete,
                      const Impostazioni& imp) {
    PosizioneArm& p = st.PosCorrente;
    dati.LarghezzaTratto = LarghezzaSuPasso(dati.LarghezzaTratto, p.Passo);
    const float h = (dati.LungFerri - 2.0f * dati.Ancoraggio) / 2.0f;
    const float w = dati.LarghezzaTratto / 2.0f;
    const bool dir1 = st.DirezioneAttiva == 0;
    const float semiX = dir1 ? w : h, semiY = dir1 ? h : w;
    auto& v = p.Vertici;
    const auto ricostruisci = [](float& a, float& b, float centro, float semi) {
        if (a > b) {
            a = centro + semi;
            b = centro - semi;
        } else {
            b = centro + semi;
            a = centro - semi;
        }
    };
    ricostruisci(v[0].X, v[2].X, dati.XCentro, semiX);
    ricostruisci(v[0].Y, v[2].Y, dati.YCentro, semiY);
    ImpostaZonaDaPunti(st, parete, imp, v[0].X, v[0].Y, v[2].X, v[2].Y);
}

// ... and clipped into PoligonoCorrente.
bool ZonaDaiDati(DatiFormZona& dati, StatoInterfaccia& st, const Parete& parete, const Impostazioni& imp) {
    RicostruisciZona(dati, st, parete, imp);
    return RitagliaZona(st, parete, imp);
}

// Whether the zone rebuilt from the dialog's values keeps its corners within
// the coordinate range: a centre near its edge can push a corner past it.
bool ZonaNelCampo(const DatiFormZona& dati, const Sessione& sessione) {
    DatiFormZona copia = dati;
    StatoInterfaccia st = sessione.stato;
    RicostruisciZona(copia, st, sessione.parete, sessione.imp);
    return PuntiAmmessi(st.PosCorrente.Vertici);
}

}  // namespace

BarreZona BarreZonaDaMemorizzare(const DatiFormZona& dati, const Sessione& sessione) {
    DatiFormZona copia = dati;
    StatoInterfaccia st = sessione.stato;
    if (st.PosCorrente.Tipo >= Cordolo || !ZonaDaiDati(copia, st, sessione.parete, sessione.imp)) return {};
    st.PosCorrente.UltVerticeZona = st.UltPuntoCorrente;
    EstremiZonaDirezioni(st);
    return ContaBarreZona(sessione.parete, st.PosCorrente, st.PoligonoCorrente);
}

void OkFormZona(DatiFormZona& dati, Sessione& sessione, InterfacciaFinestra& finestra) {
    StatoInterfaccia& st = sessione.stato;
    PosizioneArm& p = st.PosCorrente;
    st.PosAccettata = 1;
    st.Modo = ModoInput::Inattivo;
    st.ErroreOperazione = 0;
    if (p.Tipo >= Cordolo) return;
    if (!ZonaNelCampo(dati, sessione)) {
        finestra.Messaggio(MessaggioFuoriCampo(), "Attenzione!", IconaMessaggio::Esclamazione);
        st.PosAccettata = 0;
        return;
    }
    const int barre = BarreZonaDaMemorizzare(dati, sessione).Numero;
    // A zone the clipping refuses is told by the caller, which clips again
    // before storing: not as a strip narrower than the spacing.
    if (ZonaDaiDati(dati, st, sessione.parete, sessione.imp) && barre < 2) {
        finestra.Messaggio("La larghezza del tratto di armatura integrativa è minore del passo!",
                           "Attenzione!", IconaMessaggio::Esclamazione);
        st.PosAccettata = 0;
    }
}

void AnnullaFormZona(StatoInterfaccia& stato) { stato.Modo = ModoInput::Inattivo; }

void ModificaPerimetroZona(StatoInterfaccia& stato, const Vista& vista) {
    ManiglieDaZona(stato, vista);
    stato.Modo = ModoInput::ModificaZona;
    stato.NuovoElemento = 1;
}
