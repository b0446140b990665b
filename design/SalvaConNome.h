#pragma once

#include "design/Modifica.h"
#include "model/Esito.h"

class InterfacciaFinestra;
struct Sessione;

// Save As: the save dialog ("Sol001.SET" proposed for an unnamed wall; a
// name without an extension gets ".SET"), the question before an existing
// file is replaced (No: ErroreOperazione -1), then the open wall is saved
// under the chosen name (SalvaPareteIn, so also when the wall's own files are
// gone), which becomes FileCorrente with its folder and the window title;
// last the recent-file memory file is written. A cancelled dialog, a refusal or a
// failed save (a fault included, SalvaPareteIn with ricalcolo) leaves
// FileCorrente, the title and every file as they were. Nothing while no wall
// is open.
[[nodiscard]] Esito SalvaConNome(Sessione& sessione, InterfacciaFinestra& finestra,
                                 const Ricalcolo& ricalcolo = RicalcoloStandard());
