#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One line of a sequential file with its values in print zones 14 characters
// wide: the first value starts in column 1, each further one at the next zone
// start after the end of the previous one, so that at least one blank parts
// two values.
class RigaZone {
public:
    RigaZone& operator<<(std::string_view valore);
    const std::string& Testo() const { return testo_; }
    bool Vuota() const { return testo_.empty(); }

private:
    std::string testo_;
};

// Appends valore to the line that begins at inizioRiga of testo, as
// RigaZone does to a line of its own: so a file's text takes its lines
// without a string for each.
void AggiungiInZona(std::string& testo, std::size_t inizioRiga, std::string_view valore);

// A 16-bit integer as the files hold it: a blank in the sign position when it
// is not negative, the digits, one trailing blank (" 7 ", "-1 ").
std::string InteroFile(long long valore);

// Appends riga and the line end CR LF to testo.
void AggiungiRiga(std::string& testo, std::string_view riga);
