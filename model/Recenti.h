#pragma once

#include <array>
#include <string>

// Limit of the recent-file list the "&File" menu shows.
inline constexpr int MaxFileRecenti = 4;

// The walls last opened with analysis nodes, slot 0 the most recent. Paths are
// kept as they were given; slots from NumFileRecenti on are empty.
struct ElencoRecenti {
    std::array<std::string, MaxFileRecenti> FileRecenti{};
    int NumFileRecenti = 0;

    bool operator==(const ElencoRecenti&) const = default;
};

// Whether the memory file can store percorso and give it back unchanged: no
// double quote, no line break, only characters of Windows-1252.
bool PercorsoMemorizzabile(const std::string& percorso);

// Puts percorso at the head of the list. Found already (letter case aside) it
// moves there with the letter case given, except in slot 0, which keeps its
// own; otherwise it enters and, with the list full, the oldest is lost. An
// empty path, "Anonimo" and a path the memory file cannot store change nothing.
void AggiornaRecenti(ElencoRecenti& elenco, const std::string& percorso);

// Removes slot k; the later slots move up one place. A k outside the used
// slots changes nothing.
void RimuoviRecente(ElencoRecenti& elenco, int k);
