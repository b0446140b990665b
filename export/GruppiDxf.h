#pragma once

#include <ostream>
#include <string>
#include <string_view>

// One DXF group: the code right-aligned in three characters, then the value,
// each on its own CR LF line; the value goes to disk in Windows-1252.
void ScriviGruppo(std::ostream& uscita, int codice, const std::string& valore);

// A group whose code line is written as given: a few records of the file
// have always carried their code unpadded or wider, and readers that compare
// files line by line expect them so.
void ScriviGruppoCome(std::ostream& uscita, std::string_view codiceScritto,
                      const std::string& valore);

// Shortest text of at most 7 significant digits with a point; exponent
// notation only where 7 digits cannot show the magnitude.
std::string NumeroGenerale(float valore);

// Decimal text of n right-aligned in 6 characters (integer values of DXF records).
std::string Allinea6(int n);
