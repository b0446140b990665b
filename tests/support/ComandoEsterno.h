#pragma once

#include <string>

// What an external reader run by the tests printed and how it ended.
struct UscitaComando {
    int Codice = -1;     // the exit status; -1 when it could not be run at all
    std::string Uscita;  // its standard output
    std::string Errori;  // its error stream
    // The reader never got to the file: the shell found no program (127) or
    // could not run it (126), or the interpreter lacks a module.
    [[nodiscard]] bool NonAvviato() const;
    // "<chi> è terminato con codice N" (or "non si avvia: ...") followed by
    // everything it printed, for a failure message.
    [[nodiscard]] std::string Descrizione(const std::string& chi) const;
};

// Runs comando through the shell, its output and its error stream kept apart.
UscitaComando EseguiComando(const std::string& comando);
