#pragma once

#include "model/Recenti.h"
#include "ui/Dispatcher.h"
#include "ui/BarreComandi.h"
#include "ui/IdComandi.h"

#include <QPointer>

class AzioniFinestra;
class InterfacciaFinestra;
class QMainWindow;
struct Sessione;
struct Vista;

// The commands of the main window in one piece, for the window to plug in:
//
//     comandi_ = std::make_unique<ComandiFinestra>(this, sessione, vista, *this, *this);
//
// after the settings are read (IconeGrandi chooses the ids and the icon
// size) and after the recent-file list is loaded. It sets the ids, builds
// the menu bar and the toolbar "Standard" on the window, sends every chosen
// command to the dispatcher and keeps the enabled and checked states, the
// information panel and the recent-file items in step with the session in
// one coalesced pass after each command, user event and dialog, and before
// a menu opens. The window calls RichiediAggiornamento after anything else
// that changes the state (a canvas edit, a selector, a timer).
class ComandiFinestra {
public:
    ComandiFinestra(QMainWindow* finestra, Sessione& sessione, Vista& vista,
                    InterfacciaFinestra& interfaccia, AzioniFinestra& azioni);
    // The bars live as long as the window; they stop calling back here.
    ~ComandiFinestra();
    ComandiFinestra(const ComandiFinestra&) = delete;
    ComandiFinestra& operator=(const ComandiFinestra&) = delete;

    const IdComandi& Ids() const { return ids_; }
    BarreComandi& Barre() { return *barre_; }

    // A command by id, as if its control had been chosen (the right mouse
    // button repeats UltimoComando through ComandiRipetibili this way too).
    void Esegui(int id);
    // The right mouse button: the last repeatable command again.
    void RipetiUltimoComando();

    void RichiediAggiornamento();
    // The pass now: every control, then the panel, the editor and the
    // recent-file items.
    void AggiornaOra();
    // The pending pass, if any, now: the window serves it before painting,
    // so that the panel it rebuilds shows in the same frame as the canvas.
    void ServiAggiornamento();

private:
    void Aggiorna(ControlloComando& controllo);
    void FinePassaggio();
    void SincronizzaRecenti();

    Sessione& sessione_;
    AzioniFinestra& azioni_;
    IdComandi ids_;
    ContestoComandi contesto_;
    QPointer<BarreComandi> barre_;
    ElencoRecenti recentiMostrati_;
    bool ricostruisciInfo_ = false;
    bool editorChiuso_ = false;
};
