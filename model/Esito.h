#pragma once

#include <string>
#include <system_error>
#include <utility>

// Outcome of a public reader or writer of the core: success, or a code with
// the reason in Italian, ready for a message box.
struct [[nodiscard]] Esito {
    int Codice = 0;      // 0 success; otherwise the operation's documented code
    std::string Motivo;  // empty on success
    std::error_code ErroreSistema;  // the system's error, where one caused the failure

    static Esito Ok() { return {}; }
    static Esito Errore(std::string motivo, int codice = 1) {
        return {codice, std::move(motivo), {}};
    }
    static Esito ErroreDiSistema(std::error_code errore, std::string motivo) {
        return {1, std::move(motivo), errore};
    }
    bool Riuscito() const { return Codice == 0; }

    bool operator==(const Esito&) const = default;
};
