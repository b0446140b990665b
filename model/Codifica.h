#pragma once

#include <string>

// Files on disk are Windows-1252; strings inside the program are UTF-8.

// UTF-8 to Windows-1252. A character the code page lacks becomes '?'.
std::string Utf8ACp1252(const std::string& testo);
// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to
// the control characters of the same value, so no byte is ever lost.
std::string Cp1252AUtf8(const std::string& testo);
