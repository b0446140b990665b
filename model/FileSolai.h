#pragma once

#include <string>

class LettoreSequenziale;
struct ProgettoParete;

// The last part of the reinforcement file: the slabs, then the transverse
// walls, each list as its upper bound and one 12-line block per element.

// Decimals the file keeps of every length and coordinate of a slab or wall.
inline constexpr int DecimaliSolai = 3;

// Appends the lines, each ended by CR LF, to testo (UTF-8).
void ScriviSolai(std::string& testo, const ProgettoParete& progetto);

// Reads both lists into progetto. A fault leaves the reader in error.
void LeggiSolai(LettoreSequenziale& lettore, ProgettoParete& progetto);
