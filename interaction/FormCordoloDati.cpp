#include "interaction/FormCordoloDati.h"

#include "design/AccessoriStrato.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioniModifiche.h"
#include "model/Finestra.h"
#include "model/Geometria.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Poligoni.h"
#include "model/Sessione.h"

#include <cmath>
#include <optional>

namespace {

struct Segmento {
    Punto A, B;
};

Segmento Sposta(const Segmento& s, float d) {
    Segmento r;
    SegmentoParallelo(s.A.X, s.A.Y, s.B.X, s.B.Y, r.A.X, r.A.Y, r.B.X, r.B.Y, d);
    return r;
}

struct Incrocio {
    Punto P;
    int Stato = 0;
};

// Lines that do not cross give riserva (the shifted side's end at that vertex).
Incrocio Incontra(const Segmento& l1, const Segmento& l2, Punto riserva) {
    Incrocio i{riserva, 0};
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(l1.A.X, l1.A.Y, l1.B.X, l1.B.Y, l2.A.X, l2.A.Y, l2.B.X, l2.B.Y, i.P.X, i.P.Y,
                         i.Stato, xo, yo);
    if (i.Stato == StatoIntersezione::Parallele || i.Stato == StatoIntersezione::Sovrapposti)
        i.P = riserva;
    return i;
}

// The side P to Q with the vertices R before P and S after Q.
struct LatoCordolo {
    Punto R, P, Q, S;
    bool Apertura = false;
};

LatoCordolo LatoDi(const Parete& parete, const PosizioneArm& pos) {
    const int j = pos.LatoPerimetro;
    LatoCordolo l;
    if (pos.PoligonoLato < 0) {
        const int n = parete.NumPuntiEst;
        const auto& v = parete.PerimetroEsterno;
        l.P = v[j];
        l.Q = v[j + 1];
        l.R = v[j == 0 ? n - 1 : j - 1];
        l.S = v[j + 1 == n ? 1 : j + 2];
        return l;
    }
    const int k = pos.PoligonoLato;
    const int m = parete.PuntiApertura[k];
    const auto vertice = [&](int i) { return Punto{parete.XApertura(k, i), parete.YApertura(k, i)}; };
    const int q = j == m - 1 ? 0 : j + 1;
    l.P = vertice(j);
    l.Q = vertice(q);
    l.R = vertice(j == 0 ? m - 1 : j - 1);
    l.S = vertice(q == m - 1 ? 0 : q + 1);
    l.Apertura = true;
    return l;
}

constexpr float DiametroMinimoStaffe = 6.0f;
// The longitudinal bars may be thinner than the stirrups.
constexpr float DiametroMinimoCorrenti = 2.0f;

bool AccettaDiametro(int& campo, std::optional<int> diametro) {
    if (diametro) campo = *diametro;
    return diametro.has_value();
}

}  // namespace

bool LatoCordoloEsiste(const Parete& parete, const PosizioneArm& pos) {
    const int j = pos.LatoPerimetro;
    if (j < 0) return false;
    if (pos.PoligonoLato < 0) {
        const int n = parete.NumPuntiEst;
        return n >= 3 && j < n && static_cast<int>(parete.PerimetroEsterno.size()) > n;
    }
    const int k = pos.PoligonoLato;
    if (k >= parete.NumAperture || k >= static_cast<int>(parete.PuntiApertura.size()) ||
        k >= static_cast<int>(parete.InizioApertura.size()))
        return false;
    const int m = parete.PuntiApertura[k];
    return m >= 3 && j < m &&
           parete.InizioApertura[k] + m <= static_cast<int>(parete.XAperture.size()) &&
           parete.InizioApertura[k] + m <= static_cast<int>(parete.YAperture.size());
}

void ApriFormCordolo(StatoInterfaccia& stato, const Parete& parete) {
    AnnullaFormCordolo(stato);
    stato.DuplicaOpposto = 0;
    if (stato.PosCorrente.NumBracci < 2) stato.PosCorrente.NumBracci = 2;
    (void)CalcParalle(stato, parete);
}

bool CalcParalle(StatoInterfaccia& stato, const Parete& parete) {
    PosizioneArm& pos = stato.PosCorrente;
    if (!LatoCordoloEsiste(parete, pos)) return false;
    const LatoCordolo l = LatoDi(parete, pos);
    const bool ap = l.Apertura;
    const float c = pos.CopriferroCordolo, w = pos.Larghezza, cw = parete.Copriferro;
    const float d = static_cast<float>(pos.DiamCorrenti);
    const Segmento lato{l.P, l.Q}, prec{l.R, l.P};
    const Segmento succ = ap ? Segmento{l.S, l.Q} : Segmento{l.Q, l.S};

    const Segmento lontana = Sposta(lato, ap ? -(c + w) : -(c + w + 5.0f));
    const Segmento vicina = Sposta(lato, 5.0f);
    const Segmento precBanda = Sposta(prec, ap ? -5.0f : 5.0f);
    const Segmento succBanda = Sposta(succ, 5.0f);
    auto& v = pos.Vertici;
    v[0] = Incontra(vicina, precBanda, vicina.A).P;
    v[3] = Incontra(vicina, succBanda, vicina.B).P;
    v[1] = Incontra(lontana, precBanda, lontana.A).P;
    v[2] = Incontra(lontana, succBanda, lontana.B).P;
    RiquadroZona(pos);

    const Segmento vicina2 = Sposta(lato, -c);
    Segmento l1 = Sposta(prec, -cw);
    Segmento l2 = Sposta(succ, ap ? cw : -cw);
    Incrocio p0 = Incontra(vicina2, l1, vicina2.A);
    if (p0.Stato == StatoIntersezione::Esterna) {
        l1 = Sposta(l1, -4.0f * d);
        p0 = Incontra(vicina2, l1, vicina2.A);
    }
    Incrocio p3 = Incontra(vicina2, l2, vicina2.B);
    if (p3.Stato == StatoIntersezione::Esterna) {
        l2 = Sposta(l2, ap ? 4.0f * d : -4.0f * d);
        p3 = Incontra(vicina2, l2, vicina2.B);
    }
    stato.PoligonoCorrente = {p0.P, Incontra(lontana, l1, lontana.A).P, Incontra(lontana, l2, lontana.B).P,
                              p3.P, p0.P};
    stato.UltPuntoCorrente = 4;

    pos.Angolo = AngoloVettore(l.P.X, l.P.Y, l.Q.X, l.Q.Y);
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
