#include "interaction/FamiglieModi.h"

#include "drawing/BersaglioSchermo.h"
#include "drawing/Evidenzia.h"
#include "drawing/TrovaOggetti.h"
#include "interaction/ModiQuota.h"
#include "interaction/ModiSezione.h"
#include "interaction/ModiSolaio.h"
#include "model/Sessione.h"

namespace {

// Levels may be highlighted only by the delete's hover.
bool MovimentoQuota(ContestoModi& c, int pulsanti, float x, float y) {
    Sessione& s = c.sessione;
    const int modo = s.stato.Modo;
    if (modo == ModoInput::CancellaQuota || modo == ModoInput::SpostaQuota ||
        modo == ModoInput::VisibilitaQuota) {
        EvidenziaQuota(s.parete, s.stato, c.vista, s.imp, c.tela, x, y,
                       modo != ModoInput::CancellaQuota);
        return true;
    }
    (void)MuoviQuota(c, pulsanti, x, y);
    return true;
}

bool MovimentoSezione(ContestoModi& c, int pulsanti, float x, float y) {
    Sessione& s = c.sessione;
    switch (s.stato.Modo) {
        case ModoInput::CancellaSezione:
        case ModoInput::SpostaSezione: EvidenziaSez(s.parete, s.stato, c.vista, c.tela, x, y); return true;
        case ModoInput::NuovaSezioneInCorso:
        case ModoInput::SpostaSezioneInCorso: (void)MuoviSezione(c, pulsanti, x, y); return true;
        default: return false;
    }
}

bool MovimentoSolaio(ContestoModi& c, int pulsanti, float x, float y) {
    Sessione& s = c.sessione;
    switch (s.stato.Modo) {
        case ModoInput::ModificaSolaioParete:
        case ModoInput::CancellaSolaioParete: EvidenziaSolaio(s.parete, c.vista, c.tela, x, y); return true;
        case ModoInput::NuovoSolaioInCorso:
        case ModoInput::NuovaPareteInCorso: (void)MuoviSolaio(c, pulsanti, x, y); return true;
        default: return false;
    }
}

// Dimensions have no release action.
DopoEvento NessunRilascio(ContestoModi&, int, float, float) { return DopoEvento::Nulla; }

template <typename Azione>
auto ConContesto(ContestoTela& c, const ServiziModi& servizi, Azione azione) {
    const BersaglioSchermo transitorio(c.tela, StratoTela::Transitorio, c.vista, c.sessione.imp);
    ContestoModi m{c.sessione, c.vista, c.tela, transitorio, c.finestra, servizi};
    return azione(m);
}

void Dopo(ContestoTela& c, DopoEvento esito) {
    if (esito == DopoEvento::Ridisegna) c.porta.Ridisegna();
}

}  // namespace

FamigliaModi::FamigliaModi(const ServiziModi& servizi, FunzioneModo premi,
                           FunzioneMovimento muovi, FunzioneModo rilascia)
    : servizi_(servizi), premi_(premi), muovi_(muovi), rilascia_(rilascia) {}

void FamigliaModi::Premi(ContestoTela& c, int pulsante, float x, float y) {
    Dopo(c, ConContesto(c, servizi_, [&](ContestoModi& m) { return premi_(m, pulsante, x, y); }));
}

bool FamigliaModi::Muovi(ContestoTela& c, int pulsanti, float x, float y) {
    return ConContesto(c, servizi_, [&](ContestoModi& m) { return muovi_(m, pulsanti, x, y); });
}

void FamigliaModi::Rilascia(ContestoTela& c, int pulsante, float x, float y) {
    Dopo(c, ConContesto(c, servizi_, [&](ContestoModi& m) { return rilascia_(m, pulsante, x, y); }));
}

ServiziModi ServiziTela() {
    ServiziModi servizi;
    servizi.TrovaSezione = [](const Sessione& s, const Vista& v, float x, float y) {
        return TrovaSezione(s.parete, v, x, y);
    };
    servizi.TrovaSolaio = [](const Sessione& s, const Vista& v, float x, float y) {
        return TrovaSolaio(s.parete, v, x, y).Indice;
    };
    servizi.TrovaParete = [](const Sessione& s, const Vista& v, float x, float y) {
        return TrovaParete(s.parete, v, x, y).Indice;
    };
    return servizi;
}

FamiglieModi::FamiglieModi(const ServiziModi& servizi)
    : Sezioni(servizi, PremiSezione, MovimentoSezione, RilasciaSezione),
      Quote(servizi, PremiQuota, MovimentoQuota, NessunRilascio),
      SolaiPareti(servizi, PremiSolaio, MovimentoSolaio, RilasciaSolaio) {}

ModiEsterni FamiglieModi::Esterni() {
    return ModiEsterni{.Sezioni = &Sezioni, .Quote = &Quote, .SolaiPareti = &SolaiPareti};
}
