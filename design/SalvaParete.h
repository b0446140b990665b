#pragma once

#include "design/Modifica.h"
#include "model/Esito.h"

#include <string>

class InterfacciaFinestra;
struct Sessione;

// Outcome codes of the saves besides 0; a file that cannot be read or
// written gives 1.
namespace CodiceSalvataggio {
enum : int {
    Rinuncia = -1,     // the user chose not to replace a file, or cancelled the dialog
    NessunaParete = 2  // no wall is open: nothing was done, nothing was shown
};
}

// Saves the open wall in its wall file percorso: the missing areas are
// recomputed, the wall file gets the "VERIFICA" block of the provided areas
// and the design goes to the reinforcement file beside it, whose date line is
// the wall file's new date (so reopening asks nothing). A wall file that is
// gone is told and nothing is written. Files that another program has changed
// since this one last opened or saved them, and a reinforcement file that was
// there but was not loaded with the wall, are replaced only when the user
// agrees. Each file is replaced atomically; on any failure the user has been
// told and both files and DataFileSet are as they were. A fault (an exception
// from a library, in the recompute ricalcolo.Aree or while the files are
// built) is told with "Errore!" and leaves the wall as it was too.
[[nodiscard]] Esito SalvaParete(Sessione& sessione, const std::string& percorso,
                                InterfacciaFinestra& finestra,
                                const Ricalcolo& ricalcolo = RicalcoloStandard());

// The same, writing the wall file destinazione (and the reinforcement file
// beside it), which need not be the open wall's, with nothing compared: the
// head of the wall file is the one read when the wall was opened or last
// saved, so no file of the open wall need still be there. A destination that
// did not exist is removed again when the save fails.
[[nodiscard]] Esito SalvaPareteIn(Sessione& sessione, const std::string& destinazione,
                                  InterfacciaFinestra& finestra,
                                  const Ricalcolo& ricalcolo = RicalcoloStandard());
