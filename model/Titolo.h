#pragma once

#include <string>

class InterfacciaFinestra;

// File name of a path without its folders; "Anonimo" for the empty path.
std::string NomeFile(const std::string& percorso);

// Caption of the main window for the open wall file (empty: none).
std::string TitoloFinestra(const std::string& fileCorrente);

void AggiornaTitolo(const std::string& fileCorrente, InterfacciaFinestra& finestra);
