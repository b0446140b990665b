#pragma once

class TelaSchermo;
struct Impostazioni;
struct StatoInterfaccia;
struct Vista;

// The canvas side of the perimeter editor, in canvas pixels.

// The first list position whose vertex lies under 4 pixels from the cursor
// on both axes, -1 none.
[[nodiscard]] int TrovaVertice(const StatoInterfaccia& stato, const Vista& vista, float x, float y);

// Grid snap: the first node of the editor's grid (x-then-y order) under 4
// pixels from the cursor on both axes. Only the columns and rows that can
// qualify are visited, so the cost does not grow with the zoom-out. The
// overlay is cleared first; memorizza non-zero stores the node in
// XSnap/YSnap with SnapTrovato 1, zero marks it with a small magenta square.
// SnapTrovato is 0 when no node qualifies. True when a node qualified.
bool AgganciaGriglia(StatoInterfaccia& stato, const Impostazioni& imp, const Vista& vista,
                     TelaSchermo& tela, float x, float y, int memorizza);

// What a canvas press did to the editor.
enum class EsitoClickVertice {
    Nulla,        // editor closed, grid on and no node near, or a point out of the range
    Selezionato,  // a vertex was picked: VerticeSelezionato and Text1 follow it
    Proposto,     // Text1 holds the clicked (or snapped) point, not yet assigned
};

// A press in the idle mode while the editor is open.
EsitoClickVertice ClickVertice(StatoInterfaccia& stato, const Impostazioni& imp,
                               const Vista& vista, TelaSchermo& tela, int pulsante, float x,
                               float y);
