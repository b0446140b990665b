#pragma once

#include <string>
#include <system_error>

class InterfacciaFinestra;
struct Impostazioni;
struct StatoInterfaccia;

// Folders of the program. Every folder is kept without a trailing separator
// and in the letter case it was given.

// CartellaProgramma := the folder of the running executable; CartellaUtente :=
// $XDG_CONFIG_HOME/korvane, else $HOME/.config/korvane, created when missing;
// the program folder when neither can be had.
void InizializzaCartelle(Impostazioni& imp);

// True when percorso names an existing regular file (a folder or a hidden
// file, whose name starts with a dot, does not count).
// stato.ErroreOperazione is 0, or -1 when the search failed; a bad path and a denied
// access are told to the user. An empty path names no file.
bool EsisteFile(const std::string& percorso, StatoInterfaccia& stato,
                InterfacciaFinestra& finestra);

// The message of a failed file-system search or write: "Drive o percorso non
// trovato." for a path that cannot be formed, the permission message for a
// denied access, nothing for any other error.
void SegnalaErroreFile(const std::error_code& errore, const std::string& percorso,
                       InterfacciaFinestra& finestra);
// The permission message, naming the path.
std::string TestoAccessoNegato(const std::string& percorso);

// The folder part of percorso. A bare file name has none: then the drawings
// folder of the analysis program's last project, else the current folder.
std::string CartellaDelFile(const std::string& percorso);

// The drawings folder of the analysis program's last project: the folder
// "<project>_data/disegni" beside the project file named by File1 of
// [Recent File List] in Mervane/Tarlo.conf under the user's configuration
// folder. Empty when that list is missing; the user's home folder when the
// list names no project file or its drawings folder does not exist.
std::string CartellaUltimoProgetto();

// Stands in for the root of the system drive: the user's home folder.
std::string CartellaRadiceUtente();
