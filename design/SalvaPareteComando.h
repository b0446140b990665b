#pragma once

#include "model/Esito.h"

class InterfacciaFinestra;
struct Sessione;

// The "&Salva" command: Save As for a wall without a wall file (FileCorrente
// empty or "Anonimo"); for a wall whose file is gone the question whether to
// save it under another name (Save As; No saves nothing); otherwise the save
// in place, followed, when it succeeded, by the recent-file memory file.
[[nodiscard]] Esito ComandoSalva(Sessione& sessione, InterfacciaFinestra& finestra);
