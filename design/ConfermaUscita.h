#pragma once

class InterfacciaFinestra;
struct Sessione;

// Why the open wall is about to be left.
enum class Abbandono {
    Uscita,    // the program closes: "Vuoi salvare prima di uscire?" (Sì, No)
    Apertura,  // a wall is opened, the same one too: "Vuoi salvare le modifiche
               // alla parete aperta?" (Sì, No, Annulla)
};

// True when the open wall's design differs from what its files hold, as
// the undo history knows it: changed since the last open or save, and not
// brought back to that state by undo or redo.
[[nodiscard]] bool ModificheDaSalvare(const Sessione& sessione);

// Before the open wall is left with unsaved changes, asks whether to save
// them; "Sì" saves (Save As for a wall that no file names). True when the wall
// may be left: nothing to save, "No", or a save that succeeded. "Annulla", or
// a failed or cancelled save, keeps the wall with its changes and its undo
// history.
[[nodiscard]] bool ConfermaAbbandono(Sessione& sessione, InterfacciaFinestra& finestra,
                                     Abbandono perche);

// ConfermaAbbandono before the program closes.
[[nodiscard]] inline bool ConfermaUscita(Sessione& sessione, InterfacciaFinestra& finestra) {
    return ConfermaAbbandono(sessione, finestra, Abbandono::Uscita);
}
