#include "export/CellaPalette.h"

#include "drawing/Palette.h"

namespace {

constexpr int Lato = 20;         // side of a swatch
constexpr int Passo = 25;        // from one swatch to the next
constexpr int Margine = 5;       // first swatch's left and top
constexpr int SaltoBlocco = 10;  // added to the gap between blocks (15 instead of 5)
constexpr int PerRiga = 24;
constexpr int PerBlocco = 120;
constexpr int PrimaUltimaRiga = 240;  // swatches 240 to 254: one row
constexpr int PrimaDopoLoSpazio = 249;
constexpr int SinistraDopoLoSpazio = 305;  // 80 pixels after swatch 248

// First index of each of the ten rows of the two big blocks; a column adds 10.
constexpr std::array<int, 10> BaseRiga = {18, 16, 14, 12, 10, 11, 13, 15, 17, 19};

}  // namespace

std::optional<ColoreCella> CellaPalette(int n) {
    if (n < 0 || n >= NumCellePalette) return std::nullopt;
    int aci = 0;
    if (n < PrimaUltimaRiga)
        aci = BaseRiga[n / PerRiga] + 10 * (n % PerRiga);
    else if (n < PrimaDopoLoSpazio)
        aci = n - PrimaUltimaRiga + 1;
    else
        aci = n + 1;
    return ColoreCella{.Aci = aci, .ColoreRgb = ColoreAci(aci)};
}

std::array<CellaColore, NumCellePalette> CellePalette() {
    std::array<CellaColore, NumCellePalette> celle{};
    for (int n = 0; n < NumCellePalette; ++n) {
        CellaColore& c = celle[n];
        const int riga = n < PrimaUltimaRiga ? n / PerRiga : PrimaUltimaRiga / PerRiga;
        const int blocco = n < PrimaUltimaRiga ? n / PerBlocco : 2;
        c.Alto = Margine + Passo * riga + SaltoBlocco * blocco;
        if (n < PrimaDopoLoSpazio)
            c.Sinistra = Margine + Passo * (n < PrimaUltimaRiga ? n % PerRiga : n - PrimaUltimaRiga);
        else
            c.Sinistra = SinistraDopoLoSpazio + Passo * (n - PrimaDopoLoSpazio);
        c.Destra = c.Sinistra + Lato;
        c.Basso = c.Alto + Lato;
        const ColoreCella colore = *CellaPalette(n);
        c.Aci = colore.Aci;
        c.ColoreRgb = colore.ColoreRgb;
    }
    return celle;
}

std::optional<int> CellaSotto(const std::array<CellaColore, NumCellePalette>& celle, int x, int y) {
    for (int n = 0; n < NumCellePalette; ++n) {
        const CellaColore& c = celle[n];
        if (c.Sinistra <= x && x <= c.Destra && c.Alto <= y && y <= c.Basso) return n;
    }
    return std::nullopt;
}

int AciApertura(int aciCorrente) { return aciCorrente == 0 ? CellaPalette(246)->Aci : aciCorrente; }
