#pragma once

#include <string>

class LettoreSequenziale;

// Counts, upper bounds and choices (a flag, a kind) read from a file, checked
// before any array is sized or anything is built from them: a value outside
// minimo..massimo puts the reader in error, naming cosa, and gives minimo.
int LeggiConteggio(LettoreSequenziale& lettore, const std::string& cosa, int minimo, int massimo);

// An upper bound of a list: -1 (empty) up to massimo.
int LeggiUltimoIndice(LettoreSequenziale& lettore, const std::string& cosa, int massimo = 32766);

// A positive spacing that the file writes with `decimali` decimals: one that
// its written text would give back as 0 (0.0004 written as "0.000") puts the
// reader in error at its line, naming cosa, since the design would be
// refused one save later. The sign is the caller's check.
void VerificaPassoScritto(LettoreSequenziale& lettore, float passo, const std::string& cosa,
                          int decimali);
