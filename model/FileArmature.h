#pragma once

#include "model/Esito.h"
#include "model/Punto.h"
#include "model/ScritturaAtomica.h"

#include <string>

struct Parete;

// The reinforcement file ("*.ARS") and the undo snapshots: the design of one
// wall as a sequential text file, current version 7. Older versions (0 to 7)
// are read with the fields they lack left as they were.
inline constexpr int VersioneArmature = 7;

// Decimals the file keeps of the distributed spacings, of a position's
// spacing, of the perimeter vertices and of a ring beam's width: a value read
// must survive them.
inline constexpr int DecimaliPassoDiffusa = 2;
inline constexpr int DecimaliPassoPosizione = 3;
inline constexpr int DecimaliPerimetro = 1;
inline constexpr int DecimaliLarghezzaCordolo = 1;

// A perimeter vertex as the file gives it back (DecimaliPerimetro decimals).
[[nodiscard]] Punto VerticeScritto(Punto p);

// Outcome codes of LeggiArmature besides 0.
namespace CodiceArmature {
enum : int {
    Danneggiato = 1,  // missing values, text where a number belongs, a value out of range
    AltraParete = 2,  // the file belongs to another wall number
};
}

// The whole file of the current design, bytes as stored on disk.
std::string TestoArmature(const Parete& parete);

// Writes the current design to percorso, replacing the file atomically.
// Does nothing while no wall is loaded.
[[nodiscard]] Esito ScriviArmature(const Parete& parete, const std::string& percorso,
                                   Persistenza persistenza = Persistenza::Disco);

// Reads a file of the given version (its first line already recognised as a
// version line) into the design and the origin of parete. The design is read
// into a copy and taken over only when the whole file has been read and it
// belongs to parete's wall number; otherwise parete is left untouched and the
// outcome names the file and the fault. Coordinates and lengths must lie in
// the ranges of LimitiFile.h: the geometry within CoordinataMassima of the
// origin, what the drawing places beside it within CoordinataDisegnoMassima.
[[nodiscard]] Esito LeggiArmature(Parete& parete, const std::string& percorso, int versione);
// The same from the file's bytes; percorso only names the file in messages.
[[nodiscard]] Esito LeggiArmatureDaTesto(Parete& parete, const std::string& contenuto,
                                         const std::string& percorso, int versione);
