#pragma once

#include "model/Esito.h"

#include <filesystem>
#include <string>

class InterfacciaFinestra;
struct ElencoRecenti;
struct Impostazioni;
struct Sessione;

// The memory file of the recent-file list, in the user profile folder: the
// count on the first line, then one path in double quotes per line.

std::filesystem::path PercorsoMemoria(const Impostazioni& imp);

// The whole memory file for the list, as the writer stores it.
std::string TestoMemoria(const ElencoRecenti& elenco);

// Fills sessione.recenti from the memory file when it exists. A damaged file
// (a count below 0 or above the limit, a file that ends early, a path out of
// its quotes) leaves the list empty; the user has been told, naming the file.
[[nodiscard]] Esito CaricaMemoria(Sessione& sessione, InterfacciaFinestra& finestra);

// Replaces the memory file with the list. An empty list writes nothing and
// leaves an existing file as it is. A failed write has been shown to the
// user; the previous file stays.
[[nodiscard]] Esito SalvaMemoria(const Sessione& sessione, InterfacciaFinestra& finestra);
