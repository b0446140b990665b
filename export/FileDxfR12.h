#pragma once

#include <ostream>
#include <string>
#include <string_view>

struct Impostazioni;

// The sections of an R12 file that come before ENTITIES. R12 records carry no
// handles, owners or subclass markers.

// The fixed HEADER, the same for every export.
void ScriviHeaderR12(std::ostream& sezioni);

// LTYPE, LAYER ("0", "Defpoints" and the first numeroLayer entries of the
// layer table) and STYLE.
void ScriviTablesR12(std::ostream& sezioni, const Impostazioni& imp, int numeroLayer);
void ScriviLayerR12(std::ostream& sezioni, const std::string& nome, int colore,
                    const std::string& tipoLinea);

// BLOCKS around the block stream, which no R12 drawing fills.
void ScriviBlocksR12(std::ostream& sezioni, std::string_view blocchi);
