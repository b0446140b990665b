#pragma once

#include "model/Esito.h"

class InterfacciaFinestra;
struct Sessione;

// The "&Salva" command: Save As for a wall without a wall file (FileCorrente
// empty or "Anonimo"); otherwise the save in place, followed, when it
// succeeded, by the recent-file memory file.
[[nodiscard]] Esito ComandoSalva(Sessione& sessione, InterfacciaFinestra& finestra);
