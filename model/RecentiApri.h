#pragma once

#include <optional>
#include <string>

class InterfacciaFinestra;
struct Sessione;

// Slot k of the recent-file list chosen in the "&File" menu: the path of the
// wall to open, when its file exists. The caller opens it as every project is
// opened (FileCorrente, CartellaLavoro from its folder, the load with its
// messages) and then selects face "Lato +" ("Lato -" for a single-mesh wall)
// and direction 1. A missing file is told to the user ("<path> non trovato!")
// and leaves the list; a k outside the used slots chooses nothing.
[[nodiscard]] std::optional<std::string> ApriRecente(Sessione& sessione, int k,
                                                     InterfacciaFinestra& finestra);
