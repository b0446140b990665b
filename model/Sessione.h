#pragma once

#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/Recenti.h"
#include "model/StatoInterfaccia.h"
#include "model/StoriaAnnulla.h"

// The program's working state around the open wall. The application owns one
// and hands it down by reference; a test builds its own.
struct Sessione {
    Parete parete;             // the wall and its design
    Impostazioni imp;          // settings, layer table, materials, folders
    StatoInterfaccia stato;    // what is shown and how the canvas reads the mouse
    StoriaAnnulla storia;      // undo snapshots of the design
    ElencoRecenti recenti;     // walls last opened, for the "&File" menu
};
