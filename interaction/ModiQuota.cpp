#include "interaction/ModiQuota.h"

#include "design/Modifica.h"
#include "drawing/Palette.h"
#include "drawing/Primitive.h"
#include "drawing/QuoteCostruzione.h"
#include "drawing/QuoteEvidenzia.h"
#include "drawing/QuoteFormato.h"
#include "drawing/QuoteLista.h"
#include "drawing/QuoteRicerca.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "interaction/PuntoAmmesso.h"
#include "interaction/SnapOggetti.h"
#include "model/Geometria.h"
#include "model/Numeri.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include <array>
#include <cmath>

namespace {

using namespace ModoInput;

constexpr float BraccioCroce = 6.0f;  // pixels
constexpr int Magenta = 13;
constexpr int CianoChiaro = 11;

bool PrimoPunto(int modo) {
    return modo == QuotaOrizzontale || modo == QuotaVerticale || modo == QuotaAllineata;
}
bool SecondoPunto(int modo) {
    return modo == SecondoPuntoQuota(QuotaOrizzontale) ||
           modo == SecondoPuntoQuota(QuotaVerticale) || modo == SecondoPuntoQuota(QuotaAllineata);
}
bool Linea(int modo) {
    return modo == LineaQuota(QuotaOrizzontale) || modo == LineaQuota(QuotaVerticale) ||
           modo == LineaQuota(QuotaAllineata);
}

bool QuotaEsiste(const ProgettoParete& progetto, int k) {
    return k >= 0 && k <= progetto.UltQuota && k < static_cast<int>(progetto.Quote.size());
}

// The ends of its line and its measured points within the coordinate range.
bool QuotaAmmessa(const Quota& q) {
    const std::array<Punto, 4> punti{Punto{q.X1, q.Y1}, Punto{q.X2, q.Y2}, Punto{q.XA, q.YA},
                                     Punto{q.XB, q.YB}};
    return PuntiAmmessi(punti);
}

// The snapped point of a click, when one was found within the range.
bool SnapAmmesso(const ContestoModi& c) {
    const StatoInterfaccia& stato = c.sessione.stato;
    return stato.SnapTrovato == 1 && PuntoTelaAmmesso(c.vista, stato.XSnap, stato.YSnap);
}

FormatoQuote Formato(const Sessione& s) { return FormatoQuoteDa(s.imp, s.stato.SeparatoreDecimale); }

void Direzione(StatoInterfaccia& stato) {
    const DirezioneQuota d =
        DirezioneMisura({stato.XQuota1, stato.YQuota1}, {stato.XQuota2, stato.YQuota2});
    stato.CosQuota = d.Cos;
    stato.SinQuota = d.Sin;
}

// The cross that marks a picked point: it stays in the image until the next redraw.
void Croce(TelaSchermo& tela, float x, float y) {
    const int colore = ColoreBase(Magenta);
    tela.Linea(StratoTela::Immagine, x - BraccioCroce, y, x + BraccioCroce, y, colore);
    tela.Linea(StratoTela::Immagine, x, y - BraccioCroce, x, y + BraccioCroce, colore);
}

DopoEvento Punto1(ContestoModi& c, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    BeccaOSNAP(c.sessione, c.vista, c.tela, x, y, 1);
    if (!SnapAmmesso(c)) return DopoEvento::Nulla;
    MemorizzaModifica(c.sessione, c.finestra);
    stato.XQuota1 = stato.XSnap;
    stato.YQuota1 = stato.YSnap;
    stato.MisuraQuota1 = {XModello(c.vista, stato.XQuota1), YModello(c.vista, stato.YQuota1)};
    Croce(c.tela, stato.XQuota1, stato.YQuota1);
    ++stato.Modo;
    return DopoEvento::Nulla;
}

DopoEvento Punto2(ContestoModi& c, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    BeccaOSNAP(c.sessione, c.vista, c.tela, x, y, 1);
    if (!SnapAmmesso(c)) return DopoEvento::Nulla;
    stato.XQuota2 = stato.XSnap;
    stato.YQuota2 = stato.YSnap;
    stato.MisuraQuota2 = {XModello(c.vista, stato.XQuota2), YModello(c.vista, stato.YQuota2)};
    Direzione(stato);
    Croce(c.tela, stato.XQuota2, stato.YQuota2);
    ++stato.Modo;
    return DopoEvento::Nulla;
}

// The dimension that the click would store: kept only within the range, else
// the change is dropped and the mode stays for another click.
DopoEvento ConfermaQuota(ContestoModi& c, Modifica& modifica, int modo, int k) {
    const Parete& parete = c.sessione.parete;
    if (QuotaEsiste(parete, k) && !QuotaAmmessa(parete.Quote[k])) {
        c.sessione.stato.Modo = modo;
        return DopoEvento::Ridisegna;
    }
    modifica.Conferma();
    return DopoEvento::Nulla;
}

DopoEvento Inserisci(ContestoModi& c, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    if (!PuntoTelaAmmesso(c.vista, x, y)) return DopoEvento::Nulla;
    const int modo = stato.Modo;
    Modifica modifica(c.sessione, c.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::No);
    if (!InserisciQuota(c.sessione.parete, stato, c.vista, Formato(c.sessione),
                        {stato.XQuota1, stato.YQuota1}, {stato.XQuota2, stato.YQuota2}, x, y))
        return DopoEvento::Ridisegna;
    return ConfermaQuota(c, modifica, modo, c.sessione.parete.UltQuota);
}

DopoEvento BaseCatena(ContestoModi& c, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    stato.QuotaSelezionata = TrovaQuota(c.sessione.parete, stato.VistaCorrente, c.vista, x, y);
    if (stato.QuotaSelezionata < 0) {
        stato.Modo = Inattivo;
        return DopoEvento::Nulla;
    }
    MemorizzaModifica(c.sessione, c.finestra);
    stato.Modo = QuotaturaContinuaPunto;
    return DopoEvento::Nulla;
}

// The next link of a chain: from the end of the dimension chosen before that
// is nearer to the foot of the new point on its line, to that foot. It
// measures from that dimension's measured point at the same end.
DopoEvento Anello(ContestoModi& c, float x, float y) {
    Parete& parete = c.sessione.parete;
    StatoInterfaccia& stato = c.sessione.stato;
    BeccaOSNAP(c.sessione, c.vista, c.tela, x, y, 1);
    if (!SnapAmmesso(c)) return DopoEvento::Nulla;
    if (!QuotaEsiste(parete, stato.QuotaSelezionata)) {
        stato.Modo = Inattivo;
        return DopoEvento::Ridisegna;
    }
    const Quota base = parete.Quote[stato.QuotaSelezionata];
    const float a = AngoloRad(base.X1, base.Y1, base.X2, base.Y2);
    const float cs = std::cos(a);
    const float sn = std::sin(a);
    const float xr = Arrotonda(XModello(c.vista, stato.XSnap), 2);
    const float yr = Arrotonda(YModello(c.vista, stato.YSnap), 2);
    stato.XQuota2 = xr;
    stato.YQuota2 = yr;
    Punto piede{xr, yr};
    int esito = 0;
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(base.X1, base.Y1, base.X2, base.Y2, xr, yr, xr + 10.0f * sn,
                         yr - 10.0f * cs, piede.X, piede.Y, esito, xo, yo);
    const float d1 = std::fabs(base.Y1 - piede.Y) + std::fabs(base.X1 - piede.X);
    const float d2 = std::fabs(base.X2 - piede.X) + std::fabs(base.Y2 - piede.Y);
    const bool dallaFine2 = d2 <= d1;
    const Punto inizio = dallaFine2 ? Punto{base.X2, base.Y2} : Punto{base.X1, base.Y1};
    const Punto misura1 = dallaFine2 ? Punto{base.XB, base.YB} : Punto{base.XA, base.YA};
    stato.XQuota1 = misura1.X;
    stato.YQuota1 = misura1.Y;
    Modifica modifica(c.sessione, c.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::No);
    const bool aggiunta = AggiungiQuota(parete, Formato(c.sessione), inizio, piede, misura1,
                                        {xr, yr}, stato.VistaCorrente);
    const int selezionata = stato.QuotaSelezionata;
    stato.QuotaSelezionata = parete.UltQuota;
    if (!aggiunta) return DopoEvento::Ridisegna;
    if (!QuotaAmmessa(parete.Quote[parete.UltQuota])) {
        // The chain stays on the dimension it was on.
        stato.QuotaSelezionata = selezionata;
        return DopoEvento::Ridisegna;
    }
    modifica.Conferma();
    return DopoEvento::Nulla;
}

DopoEvento Cancella(ContestoModi& c, float x, float y) {
    Parete& parete = c.sessione.parete;
    StatoInterfaccia& stato = c.sessione.stato;
    stato.Modo = Inattivo;
    const int k = TrovaQuota(parete, stato.VistaCorrente, c.vista, x, y);
    if (k >= 0) {
        Modifica modifica(c.sessione, c.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::Si);
        ::CancellaQuota(parete, k);
        modifica.Conferma();
        return DopoEvento::Nulla;
    }
    const int j = TrovaQuotaLivello(parete, stato.VistaCorrente, c.vista, x, y);
    if (j < 0) return DopoEvento::Ridisegna;
    Modifica modifica(c.sessione, c.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::No);
    CancellaQuotaLivello(parete, j);
    modifica.Conferma();
    return DopoEvento::Nulla;
}

DopoEvento Prendi(ContestoModi& c, float x, float y) {
    const Parete& parete = c.sessione.parete;
    StatoInterfaccia& stato = c.sessione.stato;
    stato.QuotaSelezionata = TrovaQuota(parete, stato.VistaCorrente, c.vista, x, y);
    if (stato.QuotaSelezionata < 0) {
        stato.Modo = Inattivo;
        return DopoEvento::Nulla;
    }
    MemorizzaModifica(c.sessione, c.finestra);
    stato.Modo = SpostaQuotaInCorso;
    const Quota& q = parete.Quote[stato.QuotaSelezionata];
    stato.MisuraQuota1 = {q.XA, q.YA};
    stato.MisuraQuota2 = {q.XB, q.YB};
    AggiornaPuntiQuota(stato, c.vista);
    return DopoEvento::Nulla;
}

DopoEvento Posiziona(ContestoModi& c, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    if (!PuntoTelaAmmesso(c.vista, x, y)) return DopoEvento::Nulla;
    const int modo = stato.Modo;
    Modifica modifica(c.sessione, c.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::No);
    if (!PosizionaQuota(c.sessione.parete, stato, c.vista, x, y)) return DopoEvento::Ridisegna;
    return ConfermaQuota(c, modifica, modo, stato.QuotaSelezionata);
}

DopoEvento Visibilita(ContestoModi& c, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    stato.QuotaSelezionata = TrovaQuota(c.sessione.parete, stato.VistaCorrente, c.vista, x, y);
    if (stato.QuotaSelezionata < 0) {
        stato.Modo = Inattivo;
        return DopoEvento::Nulla;
    }
    if (c.servizi.FrmPropQuote) c.servizi.FrmPropQuote(c.sessione, c.finestra);
    return DopoEvento::Nulla;
}

// The dimension as it would be placed through the cursor, dotted light cyan,
// with a tick across each end, and the end of a dimension line under the cursor.
void Elastico(ContestoModi& c, float x, float y) {
    const StatoInterfaccia& stato = c.sessione.stato;
    TelaSchermo& tela = c.tela;
    const float l = 10.0f * c.vista.Scala;
    const int colore = ColoreBase(CianoChiaro);
    const auto linea = [&](float x1, float y1, float x2, float y2) {
        tela.Linea(StratoTela::Transitorio, x1, y1, x2, y2, colore);
    };
    tela.Cancella(StratoTela::Transitorio);
    tela.ImpostaStileTratto(StileTratto::Punteggiato);
    if (stato.Modo == LineaQuota(QuotaOrizzontale)) {
        linea(stato.XQuota1, y, stato.XQuota2, y);
        linea(stato.XQuota1, y + l, stato.XQuota1, y - l);
        linea(stato.XQuota2, y + l, stato.XQuota2, y - l);
    } else if (stato.Modo == LineaQuota(QuotaVerticale)) {
        linea(x, stato.YQuota1, x, stato.YQuota2);
        linea(x + l, stato.YQuota1, x - l, stato.YQuota1);
        linea(x + l, stato.YQuota2, x - l, stato.YQuota2);
    } else {
        const float dx = stato.CosQuota, dy = stato.SinQuota;
        const float nx = stato.SinQuota, ny = -stato.CosQuota;
        const auto estremo = [&](float px, float py) {
            Punto e{px, py};
            int esito = 0;
            float xo = 0.0f, yo = 0.0f;
            IntersezioneSegmenti(x, y, x + 10.0f * dx, y + 10.0f * dy, px, py, px + 10.0f * nx,
                                 py + 10.0f * ny, e.X, e.Y, esito, xo, yo);
            return e;
        };
        const Punto e1 = estremo(stato.XQuota1, stato.YQuota1);
        const Punto e2 = estremo(stato.XQuota2, stato.YQuota2);
        linea(e1.X, e1.Y, e2.X, e2.Y);
        linea(e1.X + l * nx, e1.Y + l * ny, e1.X - l * nx, e1.Y - l * ny);
        linea(e2.X + l * nx, e2.Y + l * ny, e2.X - l * nx, e2.Y - l * ny);
    }
    tela.ImpostaStileTratto(StileTratto::Continuo);
    EvidenziaQuotaCursore(c.sessione.parete, tela, c.vista, c.sessione.imp, x, y);
}

}  // namespace

DopoEvento PremiQuota(ContestoModi& c, int /*pulsante*/, float x, float y) {
    const int modo = c.sessione.stato.Modo;
    if (PrimoPunto(modo)) return Punto1(c, x, y);
    if (SecondoPunto(modo)) return Punto2(c, x, y);
    if (Linea(modo)) return Inserisci(c, x, y);
    switch (modo) {
    case QuotaturaContinua: return BaseCatena(c, x, y);
    case QuotaturaContinuaPunto: return Anello(c, x, y);
    case ModoInput::CancellaQuota: return Cancella(c, x, y);
    case SpostaQuota: return Prendi(c, x, y);
    case SpostaQuotaInCorso: return Posiziona(c, x, y);
    case VisibilitaQuota: return Visibilita(c, x, y);
    default: return DopoEvento::Nulla;
    }
}

DopoEvento MuoviQuota(ContestoModi& c, int pulsanti, float x, float y) {
    const int modo = c.sessione.stato.Modo;
    if (PrimoPunto(modo) || SecondoPunto(modo) || modo == QuotaturaContinuaPunto) {
        BeccaOSNAP(c.sessione, c.vista, c.tela, x, y, pulsanti);
    } else if (Linea(modo) || modo == SpostaQuotaInCorso) {
        Elastico(c, x, y);
    } else if (modo == QuotaturaContinua) {
        c.tela.Cancella(StratoTela::Transitorio);
        EvidenziaQuotaCursore(c.sessione.parete, c.tela, c.vista, c.sessione.imp, x, y);
    }
    return DopoEvento::Nulla;
}

void AggiornaPuntiQuota(StatoInterfaccia& stato, const Vista& v) {
    const int modo = stato.Modo;
    const bool primo = SecondoPunto(modo) || Linea(modo) || modo == SpostaQuotaInCorso;
    const bool secondo = Linea(modo) || modo == SpostaQuotaInCorso;
    if (primo) {
        stato.XQuota1 = XSchermo(v, stato.MisuraQuota1.X);
        stato.YQuota1 = YSchermo(v, stato.MisuraQuota1.Y);
    }
    if (secondo) {
        stato.XQuota2 = XSchermo(v, stato.MisuraQuota2.X);
        stato.YQuota2 = YSchermo(v, stato.MisuraQuota2.Y);
        Direzione(stato);
    }
}
