#include "interaction/AssegnaSez.h"

#include "drawing/Palette.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "interaction/PuntoAmmesso.h"
#include "model/Finestra.h"
#include "model/LineaSezione.h"
#include "model/Sessione.h"
#include "model/Sezioni.h"

#include <optional>

namespace {

constexpr float FineGuida = 5000.0f;
constexpr int Giallo = 14;

void Guida(TelaSchermo& tela, float x1, float y1, float x2, float y2) {
    tela.Cancella(StratoTela::Transitorio);
    tela.ImpostaStileTratto(StileTratto::Punteggiato);
    tela.Linea(StratoTela::Transitorio, x1, y1, x2, y2, ColoreBase(Giallo));
    tela.ImpostaStileTratto(StileTratto::Continuo);
}

}  // namespace

void DisSolTmp(TelaSchermo& tela, float y) { Guida(tela, -FineGuida, y, FineGuida, y); }

void DisPareteTmp(TelaSchermo& tela, float x) { Guida(tela, x, -FineGuida, x, FineGuida); }

void DisSezTmp(const Sessione& sessione, TelaSchermo& tela, float x, float y) {
    if (sessione.stato.OrientSezione != 0)
        DisSolTmp(tela, y);
    else
        DisPareteTmp(tela, x);
}

void AssegnaSez(Sessione& sessione, const Vista& v, InterfacciaFinestra& finestra, float x,
                float y) {
    Parete& parete = sessione.parete;
    StatoInterfaccia& stato = sessione.stato;
    stato.ErroreOperazione = 0;
    const Punto p{XModello(v, x), YModello(v, y)};
    // A point out of the range lies far off the wall: it crosses nothing.
    std::optional<LineaSezione> sezione;
    if (stato.IndiceSezione >= 0 && PuntoAmmesso(p)) {
        sezione = LineaDiProva(parete, stato.OrientSezione, p);
        if (!RitagliaSezione(parete, *sezione)) sezione.reset();
    }
    if (!sezione) {
        finestra.Messaggio("la sezione non interseca la parete.\nOperazione annullata.",
                           "Attenzione!", IconaMessaggio::Esclamazione);
        stato.ErroreOperazione = -1;
        return;
    }
    if (stato.IndiceSezione >= static_cast<int>(parete.Sezioni.size()))
        parete.Sezioni.resize(stato.IndiceSezione + 1);
    parete.Sezioni[stato.IndiceSezione] = *sezione;
}
