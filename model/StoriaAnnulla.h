#pragma once

#include <string>

// The undo history of the open wall: numbered snapshots of the design, state
// n in the file QUVELn.TMP of the snapshot folder once it has been written.
// The numbers only grow while the program runs.
// PrimoAnnulla <= IndiceAnnulla <= UltimoAnnulla <= PrimoAnnulla + MaxPassiAnnulla.
struct StoriaAnnulla {
    int IndiceAnnulla = 0;  // the current state
    int PrimoAnnulla = 0;   // the oldest state kept
    int UltimoAnnulla = 0;  // the newest state
    // The working folder in which the kept snapshots were written: a Save As
    // into another folder must still find them to delete them.
    std::string CartellaIstantanee;

    bool operator==(const StoriaAnnulla&) const = default;
};

// Steps that can be undone; storing one more drops the oldest.
inline constexpr int MaxPassiAnnulla = 20;

struct Sessione;

// Stores an undo step before a change of the design: the design is written
// as the snapshot of the current state. Nothing while no wall is loaded.
void MemorizzaModifica(Sessione& sessione);
