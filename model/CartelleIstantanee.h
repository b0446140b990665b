#pragma once

#include "model/Esito.h"

#include <filesystem>
#include <string>

// Each undo history keeps its snapshots in a private folder of its own, made
// under one folder of the user's on this machine and named after the running
// program (its process id and start time) and a number that no other history
// of that program has taken. So two programs, or two sessions of one, never
// read, replace or delete each other's snapshots, whatever folder their walls
// share, and a wall whose folder is renamed or deleted keeps its history.

// The folder under which the private folders are made: scelta when given;
// else "korvane" in the user's runtime folder ($XDG_RUNTIME_DIR) when there is
// one, else "korvane-<user id>" in the system's temporary folder.
[[nodiscard]] std::filesystem::path RadiceIstantanee(const std::string& scelta);

// Makes a new private folder under radice, which is made when missing (open
// to its owner only) and refused when it is not a folder of the user's.
// cartella receives its path.
[[nodiscard]] Esito CreaCartellaIstantanee(const std::filesystem::path& radice,
                                           std::string& cartella);

// Deletes a private folder with everything in it; a missing one is no fault.
void CancellaCartellaIstantanee(const std::string& cartella);

// Deletes under radice the private folders whose program no longer runs (it
// was killed or crashed before it could delete them). The folders of running
// programs, this one's included, and whatever else radice holds stay. Nothing
// is deleted where the running programs cannot be told (no /proc).
void RimuoviIstantaneeOrfane(const std::filesystem::path& radice);

// The name of the private folder number n of the program with process id pid
// started at avvio (clock ticks after boot, as /proc gives it).
[[nodiscard]] std::string NomeCartellaIstantanee(long pid, unsigned long long avvio, unsigned n);
