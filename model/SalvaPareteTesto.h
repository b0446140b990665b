#pragma once

#include <string>
#include <string_view>

struct Parete;

// The wall file as a save rewrites it, from the bytes of the file as our
// files hold them (ContenutoInCp1252): line 1 unchanged, "KORVANE" as line 2,
// the following lines up to the first one that, blanks and letter case aside,
// reads "PROGETTO" or "VERIFICA"; that line and everything after it give way
// to the "VERIFICA" block with the area provided at every node (required
// minus missing, so the missing areas must be current). A file without such
// a line is copied whole and gets no block. Lines end in CR LF; copied lines
// keep their bytes.
std::string TestoPareteSalvata(std::string_view vecchio, const Parete& parete);
