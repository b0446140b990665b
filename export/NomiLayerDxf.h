#pragma once

#include "model/Impostazioni.h"

#include <optional>
#include <string>

// The first name of the layer table (derived entry 24 included) that a DXF
// file cannot hold: empty, with a character the format forbids
// (< > / \ " : ; ? * | = `), a control character or one the Windows-1252 code
// page lacks, or equal, ignoring case, to "0", "Defpoints" or an earlier
// layer's name. The export checks the table first and writes nothing when a
// name is returned.
[[nodiscard]] std::optional<std::string> LayerNonValido(const Impostazioni& imp);

// The message of a refused name; the dialog then says "Operazione annullata!".
std::string MessaggioLayerNonValido(const std::string& nome);
