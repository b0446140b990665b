#pragma once

#include "model/RigaZone.h"

#include <string>
#include <string_view>

// Builds the bytes of a sequential text file laid out as the program's files
// are: values of a line in print zones 14 characters wide, whole text lines,
// CR LF line ends, Windows-1252 on disk. Numbers carry a point as decimal
// separator whatever the locale. The caller hands the content to the atomic
// writer.
class ScrittoreSequenziale {
public:
    // An integer: a blank in the sign position when it is not negative, the
    // digits, one trailing blank.
    void Intero(long long valore);
    // A float with exactly decimali decimals, no blanks.
    void Reale(float valore, int decimali);
    // Ends the current line.
    void FineRiga();
    // testo (UTF-8) alone on its own line, unchanged.
    void Riga(std::string_view testo);

    // Every line ended, as the file will hold it.
    const std::string& Contenuto() const { return contenuto_; }

private:
    std::string contenuto_;
    RigaZone riga_;  // the line being built, not yet ended
};
