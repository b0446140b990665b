#pragma once

#include "ui/IdComandi.h"

#include <optional>

struct Parete;
struct StatoInterfaccia;
struct StoriaAnnulla;

// The state a command shows, decided from the program state alone; a value
// left empty keeps what the control shows.
struct StatoComando {
    std::optional<bool> Abilitato;
    std::optional<bool> Selezionato;
    // The information panel must show the reinforcement summary again.
    bool RicostruisciInfoArm = false;
    // The rule switched the perimeter editor off: it closes without writing.
    bool EditorChiuso = false;

    bool operator==(const StatoComando&) const = default;
};

// The update rule of the command with this id. Besides the state it returns,
// it switches node information off when its command is disabled, and the
// perimeter editor off when the perimeter, slab and wall commands are
// disabled. It never runs a command and can be called any number of times,
// in any order.
[[nodiscard]] StatoComando CommandBars_AggiornaComando(int id, const IdComandi& ids,
                                                       const Parete& parete,
                                                       const StoriaAnnulla& storia,
                                                       StatoInterfaccia& stato);
