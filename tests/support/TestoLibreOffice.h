#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Reads documents back with LibreOffice, an independent RTF reader.

// LibreOffice's "soffice" is on the PATH.
bool LibreOfficeDisponibile();

// Outcome of a conversion: empty when every text is there; otherwise what
// failed (LibreOffice that could not start or ended with an error, or a text
// it did not write) with everything LibreOffice printed.
struct EsitoConversione {
    std::string Errore;
    [[nodiscard]] bool Riuscita() const { return Errore.empty(); }
};

// Converts every file to plain UTF-8 text in one run of LibreOffice, into
// cartella (same names, extension "txt"), with a private user profile there.
EsitoConversione ConvertiInTesto(const std::vector<std::filesystem::path>& documenti,
                                 const std::filesystem::path& cartella);

// The lines of a converted text without their surrounding blanks, empty
// lines and the byte-order mark left out; a run of blanks inside a line comes
// back as it was written.
std::vector<std::string> RigheNonVuote(const std::filesystem::path& testo);
