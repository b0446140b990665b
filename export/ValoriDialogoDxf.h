#pragma once

#include "model/Impostazioni.h"

#include <array>
#include <optional>
#include <string>

// Number of layer rows the export dialog edits (entry 24 is derived).
inline constexpr int RigheLayerDxf = 24;

// What the export dialog shows and the user edits, as plain values.
struct ValoriDialogoDxf {
    std::array<std::string, RigheLayerDxf> Nomi{};
    std::array<int, RigheLayerDxf> Colori{};  // the swatches' colour indexes
    std::array<bool, RigheLayerDxf> Disegna{};
    std::string ScalaMm;      // "mm =" box
    std::string ScalaUnita;   // "unità" box
    bool R12 = false;

    bool operator==(const ValoriDialogoDxf&) const = default;
};

// The settings as the dialog shows them; the scales rounded to 2 decimals
// without blanks ("10", "2.5").
[[nodiscard]] ValoriDialogoDxf AggiornaFormDXF(const Impostazioni& imp, int dxfR12);

// A typed layer name with its first blank turned into "_".
[[nodiscard]] std::string NomeLayerDigitato(std::string nome);

// A typed print-scale number as the settings file keeps it (DecimaliScalaDxf
// decimals): none unless it is above 0 also so (0.0004 would come back as 0
// and spoil the whole file at the next start).
[[nodiscard]] std::optional<float> ScalaDigitata(const std::string& testo);

// Takes the dialog's values over into the settings (Leggi): names with the
// first blank replaced, colours, flags, the print scale (a box that holds no
// number above 0 keeps the stored value and is written back from it) and
// the dialect. A name that a DXF file cannot hold, or that repeats another
// (derived entry 24, "0" and "Defpoints" included, ignoring case), refuses
// the whole: nothing is taken over and the refused name is returned.
[[nodiscard]] std::optional<std::string> Leggi(ValoriDialogoDxf& valori, Impostazioni& imp,
                                               int& dxfR12);
