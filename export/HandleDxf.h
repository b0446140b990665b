#pragma once

#include <optional>
#include <string>
#include <vector>

// Handle allocator and dimension-block counter of one DXF export. Every
// handle of an R2000 record that is not one of the fixed ones below comes
// from NuovoHandle, so none repeats within a file.
struct HandleDxf {
    long long ContaHandle = 31;
    // Fixed handles of the template records; all below hexadecimal 20.
    std::string HndPlaceholder, HndStile, HndVport, HndModelSpace, HndLayoutModel,
        HndPaperSpace, HndLayoutFoglio, HndFreccia, HndNoFreccia, HndNone;
    int NumBlocchiD = 0;
    std::vector<std::string> HandleBlocchiD;  // block-record handle of block "*D" i
    // Set when a dimension found no room in the 16-bit BLOCK_RECORD count:
    // that drawing cannot be written.
    bool TroppeQuote = false;

    HandleDxf() { InizializzaHandleDXF(); }

    // Resets the allocator at the start of every export.
    void InizializzaHandleDXF();
    // The next handle, upper-case hexadecimal without leading zeros ("20", "21", ...).
    std::string NuovoHandle();
    // "*D0", "*D1", ... in drawing order; none, with TroppeQuote set, once the
    // BLOCK_RECORD table is full.
    std::optional<std::string> NomeBloccoQuota();
};
