#pragma once

#include "model/Esito.h"

#include <string>

struct Impostazioni;
struct Parete;

// The oldest reinforcement file, written before files carried a version
// line: the three distributed-layer lines, the number of zone records and
// seven lines per record (face, the two sizes, the diameters and bar counts
// of the two directions, the centre, two unused lines). Each record gives a
// position per direction with more than one bar, its zone rebuilt from the
// centre and sizes and clipped to the wall as a new zone would be; a zone
// that misses the wall is left out. The lists of the design start empty.
// Centres lie within CoordinataMassima of the origin, sizes and spacings
// within 0..LunghezzaMassima: a far zone never reaches the clipping.
//
// The file is read into a copy of parete, whose wall (outline, openings,
// directions) must be read already; parete takes it over only when the
// whole file has been read, otherwise it stays as it was and the outcome
// names the file and the fault. The wall's reinforcement directions stay
// those of the wall file. The provided and missing areas are left to the
// caller.
[[nodiscard]] Esito LeggiArmatureVecchie(Parete& parete, const Impostazioni& imp,
                                         const std::string& percorso);
// The same from the file's bytes; percorso only names the file in messages.
[[nodiscard]] Esito LeggiArmatureVecchieDaTesto(Parete& parete, const Impostazioni& imp,
                                                const std::string& contenuto,
                                                const std::string& percorso);
