#include "interaction/ModiSolaio.h"

#include "design/Modifica.h"
#include "drawing/SolaiPareti.h"
#include "drawing/Vista.h"
#include "interaction/AssegnaSez.h"
#include "model/Numeri.h"
#include "model/Sessione.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace ModoInput;

constexpr float PortataBordo = 4.0f;      // cm
constexpr float TolleranzaBordo = 0.1f;   // cm

int Trova(const std::function<int(const Sessione&, const Vista&, float, float)>& ricerca,
          const ContestoModi& c, float x, float y) {
    return ricerca ? ricerca(c.sessione, c.vista, x, y) : -1;
}

DopoEvento ModificaOCancella(ContestoModi& c, float x, float y) {
    Sessione& s = c.sessione;
    StatoInterfaccia& stato = s.stato;
    const bool cancella = stato.Modo == CancellaSolaioParete;
    stato.Modo = Inattivo;
    int k = Trova(c.servizi.TrovaSolaio, c, x, y);
    bool solaio = k >= 0 && k <= s.parete.UltSolaio;
    if (!solaio) {
        k = Trova(c.servizi.TrovaParete, c, x, y);
        if (k < 0 || k > s.parete.UltParete) return DopoEvento::Ridisegna;
    }
    if (cancella) {
        // Like every other deletion, it can be undone.
        Modifica modifica(s, c.finestra, CodaRicalcolo::Completa, PuntoAnnullamento::Si);
        if (solaio)
            EliminaSolaio(s.parete, k);
        else
            EliminaParete(s.parete, k);
        modifica.Conferma();
        return DopoEvento::Nulla;
    }
    stato.IndiceCorrente = k;
    stato.SolaioCorrente = solaio ? s.parete.Solai[k] : s.parete.ParetiTrasversali[k];
    stato.Modo = solaio ? DialogoSolaio : DialogoParete;
    if (c.servizi.FormSolai) c.servizi.FormSolai(s, c.finestra);
    stato.Modo = Inattivo;
    return DopoEvento::Ridisegna;
}

DopoEvento Nuovo(ContestoModi& c, float x, float y) {
    Sessione& s = c.sessione;
    StatoInterfaccia& stato = s.stato;
    SolaioParete& nuovo = stato.SolaioCorrente;
    nuovo.Spessore1 = 15.0f;
    nuovo.Spessore2 = 15.0f;
    nuovo.LatoMeno = 1;
    nuovo.LatoPiu = 1;
    nuovo.ConStaffe = 0;
    nuovo.DiamStaffe = s.imp.DiamStaffeCordolo;
    nuovo.PassoStaffe = s.imp.PassoStaffeCordolo;
    nuovo.DiamCorrenti = s.imp.DiamReggistaffa;
    nuovo.LarghezzaStaffe = s.parete.SpessoreParete - 2.0f * s.parete.Copriferro;
    nuovo.Rientro1 = 0.0f;
    nuovo.Rientro2 = 0.0f;
    if (stato.Modo == NuovoSolaio) {
        DisSolTmp(c.tela, y);
        stato.Modo = NuovoSolaioInCorso;
        stato.IndiceCorrente = s.parete.UltSolaio + 1;
    } else {
        DisPareteTmp(c.tela, x);
        stato.Modo = NuovaPareteInCorso;
        stato.IndiceCorrente = s.parete.UltParete + 1;
    }
    return DopoEvento::Nulla;
}

}  // namespace

float AgganciaBordo(const Parete& parete, float valore, bool orizzontale) {
    const auto coordinata = [orizzontale](const Punto& p) { return orizzontale ? p.Y : p.X; };
    const int n = std::min({parete.NumPuntiContorno, parete.NumPuntiEst,
                            static_cast<int>(parete.Contorno.size()),
                            static_cast<int>(parete.PerimetroEsterno.size())});
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        const Punto& e = parete.PerimetroEsterno[i];
        const Punto& o = parete.Contorno[i];
        const bool lungo =
            std::fabs(coordinata(e) - coordinata(parete.PerimetroEsterno[j])) < TolleranzaBordo ||
            std::fabs(coordinata(o) - coordinata(parete.Contorno[j])) < TolleranzaBordo;
        if (!lungo) continue;
        if (std::fabs(valore - coordinata(e)) < PortataBordo) return coordinata(e);
        if (std::fabs(valore - coordinata(o)) < PortataBordo) return coordinata(o);
    }
    return valore;
}

DopoEvento PremiSolaio(ContestoModi& c, int /*pulsante*/, float x, float y) {
    switch (c.sessione.stato.Modo) {
    case ModificaSolaioParete:
    case CancellaSolaioParete: return ModificaOCancella(c, x, y);
    case NuovoSolaio:
    case NuovaParete: return Nuovo(c, x, y);
    default: return DopoEvento::Nulla;
    }
}

DopoEvento MuoviSolaio(ContestoModi& c, int /*pulsanti*/, float x, float y) {
    if (c.sessione.stato.Modo == NuovoSolaioInCorso) DisSolTmp(c.tela, y);
    if (c.sessione.stato.Modo == NuovaPareteInCorso) DisPareteTmp(c.tela, x);
    return DopoEvento::Nulla;
}

DopoEvento RilasciaSolaio(ContestoModi& c, int /*pulsante*/, float x, float y) {
    Sessione& s = c.sessione;
    StatoInterfaccia& stato = s.stato;
    const bool orizzontale = stato.Modo == NuovoSolaioInCorso;
    if (!orizzontale && stato.Modo != NuovaPareteInCorso) return DopoEvento::Nulla;
    const Parete& parete = s.parete;
    const float grezzo = orizzontale ? YModello(c.vista, y) : XModello(c.vista, x);
    const float valore = AgganciaBordo(parete, ArrotondaMezzo(grezzo), orizzontale);
    const float minimo = orizzontale ? parete.YminParete : parete.XminParete;
    const float massimo = orizzontale ? parete.YmaxParete : parete.XmaxParete;
    if (minimo - TolleranzaBordo < valore && valore < massimo + TolleranzaBordo) {
        stato.SolaioCorrente.Coordinata = valore;
        // An undo since the press may have changed the list.
        stato.IndiceCorrente = (orizzontale ? parete.UltSolaio : parete.UltParete) + 1;
        if (c.servizi.FormSolai) c.servizi.FormSolai(s, c.finestra);
    }
    stato.Modo = Inattivo;
    return DopoEvento::Ridisegna;
}
