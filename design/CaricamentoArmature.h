#pragma once

#include "model/Esito.h"

#include <string>

class InterfacciaFinestra;
struct Impostazioni;
struct Parete;
struct StatoInterfaccia;

// Loads the design of the reinforcement file beside the wall file
// percorsoParete into parete, the wall just read. When the file stores
// another date of the wall file the user is asked whether to keep the design;
// No loads nothing. After a load the provided and missing areas are
// recomputed. A file without a version line is read in the oldest format,
// whose zones are rebuilt on the wall (imp gives the anchorage lengths). A
// file that is there but is not loaded (newer version, another wall number,
// damaged) leaves parete as it was, is recorded in stato.ArmatureNonCaricate
// and comes back as a failure whose reason is the message to show.
[[nodiscard]] Esito CaricaArmature(Parete& parete, StatoInterfaccia& stato,
                                   const Impostazioni& imp, InterfacciaFinestra& finestra,
                                   const std::string& percorsoParete);
