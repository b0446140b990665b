#pragma once

#include <istream>
#include <optional>
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

// The mark an editor puts before a text it saves as UTF-8.
inline constexpr std::string_view SegnoUtf8 = "\xEF\xBB\xBF";

// A file's bytes as our files hold them: Windows-1252, without a mark.
struct ContenutoFile {
    std::string Byte;
    // Why the file cannot be read as intended, with its line; nothing when it can.
    std::optional<std::string> Errore;
};

// An editor that writes the UTF-8 mark writes UTF-8: such a file loses the
// mark and is converted, and refused where it is not UTF-8 or holds a
// character that Windows-1252 lacks, since no save could keep it. A file
// marked as UTF-16 is refused whole. Any other file is taken as it is.
[[nodiscard]] ContenutoFile ContenutoInCp1252(std::string contenuto);

// Skips the UTF-8 mark at the start of a stream, when there is one.
void SaltaSegnoUtf8(std::istream& ingresso);

// Reads one line ending in CR LF or LF (or at the end of the file) without its
// end; false when no line is left.
bool LeggiRiga(std::istream& ingresso, std::string& riga);
