#pragma once

#include "model/Esito.h"

#include <string>

class InterfacciaFinestra;
struct Sessione;

// Reads the wall file at percorso and runs every step that belongs to opening
// a wall: triangulation, emptied editing lists, directions, the reinforcement
// file beside it (or the automatic dimensions without one), extents, contours,
// sections, the single-mesh test and the coverage warning. The wall keeps
// both files as they were read, and the design they gave (FileNoti).
//
// Outcome, also left in stato.ErroreOperazione: 0 read (an empty or "ANONIMO"
// path reads nothing); 1 not a wall, a newer version, a file that cannot be
// read as a wall file (a value out of its range among them: the outline's
// coordinates within OrigineMassima, every point within CoordinataMassima of
// the origin, thickness, cover and spacings within 0..LunghezzaMassima), or a
// fault (an exception from a library) on the way, told with "Errore!"; -1
// refused reinforcement angle. Whenever the outcome is not 0 the user has been
// shown its reason and the wall is exactly as it was.
// FileCorrente is the caller's business: the reader never changes it. The
// settings are read, never written; the section tools' edit buffers serve the
// section update as its working variables.
[[nodiscard]] Esito LeggiParete(Sessione& sessione, const std::string& percorso,
                                InterfacciaFinestra& finestra);

// Last-modified time of a file as "dd/mm/yyyy hh:mm:ss", local time; empty
// when it cannot be had.
std::string DataModificaFile(const std::string& percorso);
