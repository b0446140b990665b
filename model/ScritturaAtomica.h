#pragma once

#include "model/Esito.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>


// The one writer of the program's files. Writes contenuto, bytes as given, to
// a new file beside percorso, flushes it to the disk and only then renames it
// over percorso, which so holds either its old content or the whole new one.
// An existing file keeps its permissions. On failure the new file is removed
// and percorso is left untouched. Never throws. A failure carries the
// system's error and the text for the message box, "Impossibile scrivere il
// file <percorso>." followed on the next line by the system's reason (no text
// when memory ran out even for that).
//
// A file that only this session reads back (an undo snapshot) is written with
// Persistenza::Sessione: the same temporary file and rename keep it whole,
// but nothing is flushed, since a power cut ends the session that would read
// it, and the flush would cost the change it is taken for tens of ms.
enum class Persistenza { Disco, Sessione };
Esito ScriviFileAtomico(const std::filesystem::path& percorso, std::string_view contenuto,
                        Persistenza persistenza = Persistenza::Disco);
