#pragma once

#include "model/Esito.h"

#include <optional>
#include <string>
#include <string_view>

class InterfacciaFinestra;
struct Sessione;

// The undo history of the open wall: numbered snapshots of the design, state
// n in the file QUVELn.TMP of the history's private folder once it has been
// written (with the reinforcement-file writer, so a snapshot holds what that
// file holds). The file of the current state is written when a change is
// stored on top of it, or when undo leaves it while it is the newest. The
// numbers only grow while the program runs.
// PrimoAnnulla <= IndiceAnnulla <= UltimoAnnulla <= PrimoAnnulla + MaxPassiAnnulla.
struct StoriaAnnulla {
    int IndiceAnnulla = 0;  // the current state
    int PrimoAnnulla = 0;   // the oldest state kept
    int UltimoAnnulla = 0;  // the newest state
    // The history's own folder (CartelleIstantanee.h), made at its first
    // snapshot and deleted with it: nobody else reads, replaces or deletes
    // what it holds, and the wall's folder may be renamed or deleted.
    std::string CartellaIstantanee;
    // A snapshot could not be written and the user was told; set again by the
    // next snapshot written, so a lasting fault is told once.
    bool ErroreIstantaneaSegnalato = false;
    // The design differs from what was last opened or saved: set by every
    // stored undo step and every confirmed change, cleared by a successful
    // open or save (a new history starts unmodified); an undo or a redo sets
    // it unless it comes back to that design. Closing asks first.
    bool Modificata = false;

    bool operator==(const StoriaAnnulla&) const = default;
};

// Steps that can be undone; storing one more drops the oldest.
inline constexpr int MaxPassiAnnulla = 20;

// Prefix of the snapshot files.
inline constexpr std::string_view PrefissoIstantanee = "QUVEL";

// prefisso, n in decimal without blanks (a minus sign when negative), ".TMP".
std::string NomeFileTmp(int n, std::string_view prefisso);

// Stores an undo step before a change of the design: the design is written
// as the snapshot of the current state, and the states that could have been
// redone are dropped. Nothing while no wall is loaded; a wall that no folder
// holds (a test's, a benchmark's) keeps no history. A snapshot that cannot
// be written is told (once while the fault lasts), the change goes on and
// cannot be undone.
void MemorizzaModifica(Sessione& sessione, InterfacciaFinestra& finestra);

// The same in two halves, for a change that a fault may stop: the step is
// taken before the change and stored once the change stands, so a change
// that does not stand leaves the history and its files as they were.
struct PassoAnnulla {
    bool ConParete = false;                 // no wall loaded: the step stores nothing
    std::optional<std::string> Istantanea = {};  // the design; none when the wall keeps no history
};
[[nodiscard]] PassoAnnulla PreparaModifica(const Sessione& sessione);
void MemorizzaModifica(Sessione& sessione, InterfacciaFinestra& finestra, const PassoAnnulla& passo);

// Writes the design as the snapshot file nome of the history's folder, made
// first under sessione.imp.CartellaTemporanea when the history has none.
[[nodiscard]] Esito SalvaStatoTmp(Sessione& sessione, const std::string& nome);
// Reads the snapshot file nome of the history's folder into the design; a
// file that cannot be read leaves the design as it was.
[[nodiscard]] Esito CaricaStatoTmp(Sessione& sessione, const std::string& nome);

// Deletes the history's folder with every snapshot and starts a new history.
void SvuotaAnnulla(StoriaAnnulla& storia);
