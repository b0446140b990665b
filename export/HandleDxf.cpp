#include "export/HandleDxf.h"

#include <charconv>

void HandleDxf::InizializzaHandleDXF() {
    HndPlaceholder = "F";
    HndStile = "11";
    HndVport = "18";
    HndModelSpace = "19";
    HndLayoutModel = "1A";
    HndPaperSpace = "1B";
    HndLayoutFoglio = "1C";
    HndFreccia = "1D";
    HndNoFreccia = "1E";
    HndNone = "1F";
    ContaHandle = 31;
    NumBlocchiD = 0;
    TroppeQuote = false;
    HandleBlocchiD.clear();
}

std::string HandleDxf::NuovoHandle() {
    ++ContaHandle;
    char testo[24];
    const auto fine = std::to_chars(testo, testo + sizeof testo, ContaHandle, 16).ptr;
    std::string handle(testo, fine);
    for (char& c : handle)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return handle;
}

std::optional<std::string> HandleDxf::NomeBloccoQuota() {
    // The BLOCK_RECORD table counts its records in a 16-bit field.
    if (NumBlocchiD >= 32767 - 6) {
        TroppeQuote = true;
        return std::nullopt;
    }
    return "*D" + std::to_string(NumBlocchiD++);
}
