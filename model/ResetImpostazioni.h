#pragma once

#include "model/Esito.h"

class InterfacciaFinestra;
struct Impostazioni;

// "Reset impostazioni": the screen colours for the current background, the
// defaults of the settings alone (ValoriDefault), then the settings file is
// removed from the profile folder. The wall, the display state and the
// window's selectors are not touched. A file that cannot be removed would
// bring the old settings back at the next start: the user is told, and the
// outcome says so; the defaults stay in force.
[[nodiscard]] Esito ResetImpostazioni(Impostazioni& imp, InterfacciaFinestra& finestra);
