#pragma once

#include "model/Sessione.h"

#include <filesystem>

// A wall of the given node count written by tools/genera_parete (found
// beside the test programs' folder in the build tree) and read into the
// session. Fails the current test when the generator or the reading fails.
void LeggiPareteGenerata(Sessione& sessione, const std::filesystem::path& cartella, int nodi);
