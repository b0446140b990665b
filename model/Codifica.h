#pragma once

#include <istream>
#include <string>
#include <string_view>

// Files on disk are Windows-1252; strings inside the program are UTF-8.

// UTF-8 to Windows-1252. A character the code page lacks becomes '?'.
std::string Utf8ACp1252(const std::string& testo);
// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to
// the control characters of the same value, so no byte is ever lost.
std::string Cp1252AUtf8(const std::string& testo);

// No byte at or above 0x80: such a text is the same in both encodings.
bool SoloAscii(std::string_view testo);

// Reads one line ending in CR LF or LF (or at the end of the file) without its
// end; false when no line is left.
bool LeggiRiga(std::istream& ingresso, std::string& riga);
