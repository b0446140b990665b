#pragma once

#include "model/Sessione.h"

#include <filesystem>
#include <string>

// Writes a wall of the given node count to the file with tools/genera_parete
// (found beside the test programs' folder in the build tree). Fails the
// current test when the generator fails.
void ScriviPareteGenerata(const std::string& file, int nodi);

// A wall of the given node count written into cartella and read into the
// session. Fails the current test when the generator or the reading fails.
void LeggiPareteGenerata(Sessione& sessione, const std::filesystem::path& cartella, int nodi);
