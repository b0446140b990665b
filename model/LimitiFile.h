#pragma once

#include <string>

class LettoreSequenziale;

// Counts and upper bounds read from a file, checked before any array is sized
// from them: a value outside minimo..massimo puts the reader in error, naming
// cosa, and gives minimo.
int LeggiConteggio(LettoreSequenziale& lettore, const std::string& cosa, int minimo, int massimo);

// An upper bound of a list: -1 (empty) up to massimo.
int LeggiUltimoIndice(LettoreSequenziale& lettore, const std::string& cosa, int massimo = 32766);
