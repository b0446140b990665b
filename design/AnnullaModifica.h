#pragma once

#include "design/Modifica.h"

class InterfacciaFinestra;
struct Sessione;

// "Annulla": the design goes back one state of the undo history. The newest
// state is first written as a snapshot, so that redo can return to it.
// "Ripeti": forward one state. Each reads the snapshot back and then runs the
// geometry and the reinforcement tails, refills the distributed-reinforcement
// grid and refreshes the window, as a confirmed change does, so nothing shown
// or saved is stale. The wall is then modified unless its design is the one
// its files hold, as last opened or saved. A snapshot that cannot be written
// or read is told, and the design and the history stay as they were; so do
// they after a fault (an exception from a library) in the reading or in the
// tails, told with "Errore!".
void AnnullaModifica(Sessione& sessione, InterfacciaFinestra& finestra,
                     const Ricalcolo& ricalcolo = RicalcoloStandard());
void RipetiModifica(Sessione& sessione, InterfacciaFinestra& finestra,
                    const Ricalcolo& ricalcolo = RicalcoloStandard());
