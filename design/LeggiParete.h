#pragma once

#include <string>

struct Parete;
class InterfacciaFinestra;

// Reads the wall file at percorso and runs every step that belongs to opening
// a wall: triangulation, emptied editing lists, directions, the reinforcement
// file beside it (or the automatic dimensions without one), extents, contours,
// sections, the single-mesh test and the coverage warning.
//
// Outcome in parete.ErroreOperazione: 0 read (an empty or "ANONIMO" path reads
// nothing); 1 not a wall, a newer version, or a file that cannot be read as a
// wall file; -1 refused reinforcement angle. Whenever the outcome is not 0 the
// user has been told why and every other member of parete is as it was.
// FileCorrente is the caller's business: the reader never changes it.
void LeggiParete(Parete& parete, const std::string& percorso, InterfacciaFinestra& finestra);

// Last-modified time of a file as "dd/mm/yyyy hh:mm:ss", local time; empty
// when it cannot be had.
std::string DataModificaFile(const std::string& percorso);
