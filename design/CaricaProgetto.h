#pragma once

#include "design/Modifica.h"
#include "model/Esito.h"

#include <string>

class InterfacciaFinestra;
struct Sessione;
struct Vista;

// Whether the project opens at start-up, from the command line.
enum class Avvio { No, Si };

// Outcome codes of opening a project besides 0 and the reader's own (1 not a
// wall or a file that cannot be read, -1 refused reinforcement angle).
namespace CodiceApertura {
enum : int {
    Annullata = 2,      // the open dialog was cancelled
    NessunFile = 3,     // an empty or "Anonimo" path names no wall file
    FineProgramma = 4,  // refused at start-up: the caller ends the program
    Interrotta = 5,     // a fault (a library's exception) stopped it: told, nothing opened
};
}

// Opens the wall file percorso as every interactive open does: the load
// message and the hourglass, the wall read (with the reinforcement file
// beside it); then the undo history is emptied, FileCorrente and
// CartellaLavoro name the new wall, the title follows, the provided areas,
// the required-area statistics, the missing areas and the recent-file list
// (for a wall with nodes), the property grid, the extents, the view fitted
// to the canvas size that vista holds, the bar quantities, the distributed
// view ("lato -" for a single mesh) and the redraw.
// A refused or failed read has been told by the reader and leaves the
// previous wall, FileCorrente, CartellaLavoro and the undo history as they
// were; the settings are reset and read again from the settings file (the
// open wall keeps its single-mesh and end-bend flags), the canvas is redrawn
// and the reader's outcome is returned. At start-up the outcome is
// FineProgramma instead and nothing else happens: the caller ends the program.
// A fault on the way (an exception from a library, in the reading or in the
// reinforcement tail ricalcolo) is told with "Errore!" and stops the open
// as a refusal does, also at start-up, where the outcome is Interrotta: the
// wall that was open, the window's state, the recent list, the view, the
// undo history and every file stay as they were.
[[nodiscard]] Esito CaricaProgetto(Sessione& sessione, const std::string& percorso, Vista& vista,
                                   InterfacciaFinestra& finestra, Avvio avvio = Avvio::No,
                                   const Ricalcolo& ricalcolo = RicalcoloStandard());

// The open command: with unsaved changes first the question whether to save
// them (ConfermaAbbandono), then the open dialog ("Apri"), then
// CaricaProgetto of the chosen file. A cancelled question or dialog, or a
// save that failed, changes nothing, sets ErroreOperazione to -1 and gives
// Annullata.
[[nodiscard]] Esito ApriFile(Sessione& sessione, Vista& vista, InterfacciaFinestra& finestra);

// Recent-file item k: its wall file (ApriRecente tells one that is gone),
// then, with unsaved changes, the question whether to save them, then
// CaricaProgetto; the open wall's own item reloads it. Gives Annullata,
// with nothing changed, when the question stopped the open, and NessunFile
// when the item names no existing file.
[[nodiscard]] Esito ApriFileRecente(Sessione& sessione, int k, Vista& vista,
                                    InterfacciaFinestra& finestra);
