#pragma once

#include <QRect>

// Where the layout pass puts the canvas and the side column. The side
// column has fixed widths and, except the property grid, fixed heights in
// twips; the grid takes the height left, the canvas the rest of the client
// area. All rectangles in pixels of the central widget.
struct LayoutFinestra {
    QRect Tela;           // Picture1
    QRect Selettori;      // Frame2
    QRect Legenda;        // Picture2
    QRect Informazioni;   // RichTextBox1
    QRect Griglia;        // PropertyGrid1
    QRect Prompt;         // Label1
    float AltezzaTela = 0.0f;

    bool operator==(const LayoutFinestra&) const = default;
};

// Design sizes of the side column, twips.
namespace MisureColonna {
inline constexpr int Larghezza = 3795;
inline constexpr int AltezzaSelettori = 1095;
inline constexpr int AltezzaLegenda = 3015;
inline constexpr int AltezzaInformazioni = 5055;
inline constexpr int AltezzaPrompt = 795;
// The grid never gets less.
inline constexpr int AltezzaMinimaGriglia = 401;
}  // namespace MisureColonna

// The layout of a client area of the given pixel size. Below the minimum
// height the grid keeps its least height and the column runs past the
// bottom; the window's minimum size keeps it from coming to that.
// altezzaPrompt: the pixels the prompt's text needs; the prompt line keeps
// its design height unless its text needs more, which the grid gives up.
LayoutFinestra CalcolaLayout(QSize client, int twipPerPixel, int altezzaPrompt = 0);

// The least client height (pixels) that leaves the grid its least height
// with a prompt line of altezzaPrompt pixels.
int AltezzaMinimaClient(int twipPerPixel, int altezzaPrompt = 0);
