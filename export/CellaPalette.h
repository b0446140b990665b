#pragma once

#include <array>
#include <optional>

// The arrangement of the colour-index picker: the 255 CAD colour indexes as
// 20-pixel squares in three blocks, with their hit test. The window draws
// them; nothing here draws.

inline constexpr int NumCellePalette = 255;

// One swatch: inclusive edges in pixels of the palette picture, its colour
// index and its colour (red + 256 green + 65536 blue).
struct CellaColore {
    int Sinistra = 0, Alto = 0, Destra = 0, Basso = 0;
    int Aci = 0;
    int ColoreRgb = 0;

    bool operator==(const CellaColore&) const = default;
};

// Colour index and colour of swatch n (0 to 254); nothing for any other n.
struct ColoreCella {
    int Aci = 0;
    int ColoreRgb = 0;

    bool operator==(const ColoreCella&) const = default;
};
[[nodiscard]] std::optional<ColoreCella> CellaPalette(int n);

// Every swatch with its square.
[[nodiscard]] std::array<CellaColore, NumCellePalette> CellePalette();

// The first swatch whose square holds (x, y), edges included; nothing in a gap.
[[nodiscard]] std::optional<int> CellaSotto(const std::array<CellaColore, NumCellePalette>& celle, int x,
                                            int y);

// The index selected when the picker opens on aciCorrente: 0 selects the
// index of swatch 246 (7).
[[nodiscard]] int AciApertura(int aciCorrente);
