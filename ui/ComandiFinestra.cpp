#include "ui/ComandiFinestra.h"

#include "model/Sessione.h"
#include "ui/AggiornaComandi.h"
#include "ui/AzioniFinestra.h"
#include "ui/BarreComandi.h"
#include "ui/CreaBarreComandi.h"

ComandiFinestra::ComandiFinestra(QMainWindow* finestra, Sessione& sessione, Vista& vista,
                                 InterfacciaFinestra& interfaccia, AzioniFinestra& azioni)
    : sessione_(sessione),
      azioni_(azioni),
      contesto_{sessione, vista, interfaccia, azioni, ids_},
      recentiMostrati_(sessione.recenti) {
    const int iconeGrandi = sessione.imp.IconeGrandi != 0 ? 1 : 0;
    InizializzaIdComandi(ids_, iconeGrandi + 1);
    barre_ = CreaBarreComandi(finestra, ids_, sessione.recenti, iconeGrandi);
    barre_->Esecuzione = [this](const ControlloComando& c) { Esegui(c.Id()); };
    barre_->Aggiornamento = [this](ControlloComando& c) { Aggiorna(c); };
    barre_->FinePassaggio = [this] { FinePassaggio(); };
    barre_->RichiediAggiornamento();
}

ComandiFinestra::~ComandiFinestra() {
    if (!barre_) return;
    barre_->Esecuzione = nullptr;
    barre_->Aggiornamento = nullptr;
    barre_->FinePassaggio = nullptr;
}

void ComandiFinestra::Esegui(int id) {
    CommandBars_EseguiComando(id, contesto_);
    // The items must name what they open before anything else can be chosen.
    SincronizzaRecenti();
    barre_->RichiediAggiornamento();
}

void ComandiFinestra::RipetiUltimoComando() {
    (void)ComandiRipetibili(sessione_.stato.UltimoComando, contesto_);
    barre_->RichiediAggiornamento();
}

void ComandiFinestra::RichiediAggiornamento() { barre_->RichiediAggiornamento(); }
void ComandiFinestra::AggiornaOra() { barre_->AggiornaTutti(); }
void ComandiFinestra::ServiAggiornamento() { barre_->ServiAggiornamento(); }

void ComandiFinestra::Aggiorna(ControlloComando& controllo) {
    const StatoComando stato = CommandBars_AggiornaComando(
        controllo.Id(), ids_, sessione_.parete, sessione_.storia, sessione_.stato);
    if (stato.Abilitato) controllo.ImpostaAbilitato(*stato.Abilitato);
    if (stato.Selezionato) controllo.ImpostaSelezionato(*stato.Selezionato);
    ricostruisciInfo_ = ricostruisciInfo_ || stato.RicostruisciInfoArm;
    editorChiuso_ = editorChiuso_ || stato.EditorChiuso;
}

// The panel is rebuilt once per pass, however many controls asked for it.
void ComandiFinestra::FinePassaggio() {
    if (editorChiuso_) azioni_.ChiudiEditorPerimetro();
    if (ricostruisciInfo_) azioni_.InfoArm();
    editorChiuso_ = ricostruisciInfo_ = false;
    SincronizzaRecenti();
}

void ComandiFinestra::SincronizzaRecenti() {
    if (sessione_.recenti == recentiMostrati_) return;
    recentiMostrati_ = sessione_.recenti;
    AggiornaVociRecenti(*barre_, recentiMostrati_);
}
