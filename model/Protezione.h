#pragma once

#include "model/Esito.h"

#include <string>
#include <type_traits>
#include <utility>

class InterfacciaFinestra;

// Exceptions come only from libraries (a numeric cast in the geometry, an
// allocation, the standard library) and never cross a public function of the
// core. Each boundary (a change, an open, a save, a redraw) runs its work
// through Protetto, puts back what the work had changed and tells the user
// with SegnalaInterruzione.

// The failed outcome of the exception being handled, its reason in the
// program's words. Only inside a catch block.
[[nodiscard]] Esito EsitoEccezione() noexcept;

// Runs azione, which returns nothing or an Esito. An exception it lets out
// comes back as the failed outcome of EsitoEccezione.
template <typename Azione>
[[nodiscard]] Esito Protetto(Azione&& azione) noexcept {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Azione>>) {
            std::forward<Azione>(azione)();
            return Esito::Ok();
        } else {
            return std::forward<Azione>(azione)();
        }
    } catch (...) {
        return EsitoEccezione();
    }
}

// Tells a work that a fault stopped in an "Errore!" box: what could not be
// done (operazione), the reason, and that nothing was kept of it. Gives the
// failed outcome with that text as its reason.
Esito SegnalaInterruzione(InterfacciaFinestra& finestra, const std::string& operazione,
                          const Esito& esito);
