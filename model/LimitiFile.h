#pragma once

#include "model/LimitiValori.h"
#include "model/Punto.h"

#include <string>

class LettoreSequenziale;

// The farthest an absolute coordinate of the analysis program lies from its
// own zero, cm, on either side: the wall reader seeks the origin (the
// smallest x and y of the outline) below it, and the origin that a
// reinforcement file stores in its place lies within it too.
inline constexpr float OrigineMassima = 1.0e8f;

// Points the program places beside the geometry for the drawing (the corners
// of a zone's parallelogram along skew directions, labels and their leaders,
// the extreme corners of a band, section marks, dimensions and level marks)
// may stand beyond CoordinataMassima. A reader holds them to ten times it,
// which keeps their drawing finite and far from the float's limits.
inline constexpr float CoordinataDisegnoMassima = 10.0f * CoordinataMassima;

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

// A coordinate as read at line riga, cm: one farther than massimo from
// origine (the wall's origin for the absolute coordinates of the wall file,
// 0 for those already relative to it) puts the reader in error at that line,
// naming cosa and the value. Nothing when the reader is in error already.
void VerificaCoordinata(LettoreSequenziale& lettore, int riga, const std::string& cosa,
                        float valore, float origine = 0.0f, float massimo = CoordinataMassima);

// A length, width or spacing as read at the current line, cm: one outside
// minimo..massimo puts the reader in error there, naming cosa and the value.
void VerificaLunghezza(LettoreSequenziale& lettore, const std::string& cosa, float valore,
                       float minimo = 0.0f, float massimo = LunghezzaMassima);

// Reads a coordinate relative to the wall's origin within massimo; out of
// range the reader is in error and the result is 0.
float LeggiCoordinata(LettoreSequenziale& lettore, const std::string& cosa,
                      float massimo = CoordinataMassima);

// Reads a point x, y within massimo of the wall's origin; cosa names the
// point, and the message says which coordinate.
Punto LeggiPuntoAmmesso(LettoreSequenziale& lettore, const std::string& cosa,
                        float massimo = CoordinataMassima);

// Reads a length, width or spacing within minimo..massimo; out of range the
// reader is in error and the result is 0.
float LeggiLunghezza(LettoreSequenziale& lettore, const std::string& cosa, float minimo = 0.0f,
                     float massimo = LunghezzaMassima);
