#pragma once

class InterfacciaFinestra;
struct Sessione;

// Before the program closes: with unsaved changes of an open wall it asks
// "Vuoi salvare prima di uscire?"; "Sì" saves (Save As for a wall that no
// file names). True when the program may close: nothing to save, "No", or a
// save that succeeded. A failed or cancelled save keeps the program open.
[[nodiscard]] bool ConfermaUscita(Sessione& sessione, InterfacciaFinestra& finestra);
