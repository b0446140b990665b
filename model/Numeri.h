#pragma once

#include <string>

// Number utilities shared by the file writers, the drawings, the reports and
// the dialogs. Texts always carry a point as decimal separator, whatever the
// process locale.

// Density of reinforcing steel, kg/cm3: the weight of a bar is its volume times this.
constexpr double PesoSpecificoFerro = 0.00785;

// Area in cm2 of a bar of diameter d mm.
float AreaBarra(int d);

// Area per metre, cm2/m, of bars of diametro mm every passo cm, computed in
// double. A spacing that is not positive (only a damaged file gives one)
// provides nothing rather than an infinite area.
float AreaAlMetro(int diametro, float passo);

// x to n decimals, raising the last kept decimal only when the dropped part
// is at least 0.555551 of a unit (not 0.5). The sign is kept.
float Arrotonda(double x, int n);

// x to a multiple of 0.5: upwards, downwards, nearest (hundredths 25 go
// down, 75 go up). Based on Arrotonda(x, 2).
float ArrotondaMezzoSu(float x);
float ArrotondaMezzoGiu(float x);
float ArrotondaMezzo(float x);

// x with exactly n decimals (n < 0 counts as 0), halves away from zero.
std::string FormatoDec(float x, int n);

// x as a file keeps it: its text of FormatoDec(x, n) read back as a float.
// A value a file must give back with its meaning (a positive spacing, a
// valid scale) is one whose kept value still has it.
float ValoreScritto(float x, int n);

// A length with one decimal, or none when its fractional part is below 0.001.
std::string FormatoMisura(float x);

// x rounded to n decimals with halves to even, in its shortest form:
// no trailing zeros, no point for whole values, ".5" rather than "0.5".
std::string ArrotondaStr(float x, int n);

// s with its first comma turned into a point; later commas stay.
std::string VirgolaInPunto(const std::string& s);

// The number at the start of a typed text, decimal comma accepted; blanks,
// tabs and line feeds are skipped anywhere; 0 when there is no number.
float ValoreTesto(const std::string& s);
