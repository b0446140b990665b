#pragma once

class BersaglioSchermo;
struct StatoInterfaccia;

// The polygon under edit of the perimeter editor, in pixels on the layer b is
// bound to (the persistent image, while the redraw runs), in fixed colours
// whatever the background: the snap grid when SnapGriglia is set; every
// vertex as a 4-pixel square outline with its blank-led number, red, the
// selected one yellow; the sides dotted light grey, the last back to the
// first. With a vertex selected, also the position typed in the boxes Text1
// as a yellow square and, unless it lies on the selected vertex's pixel row
// or column, dotted yellow lines from it to the selected vertex's two
// neighbours. With no vertex selected (or an index past the polygon) neither
// the typed position nor those lines are drawn.
void DisPoligEdit(const StatoInterfaccia& stato, const BersaglioSchermo& b);
