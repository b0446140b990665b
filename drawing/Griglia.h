#pragma once

class BersaglioSchermo;

// The snap grid of the perimeter editor over the window of the view: a grey
// dot (a line one pixel long) at every multiple of PassoGrigliaX and
// PassoGrigliaY of the settings. The first and last multiples come from the
// window's edges rounded to whole cm and then towards zero, so a window from
// 37 cm starts at 30 and one from -37 at -30. A step of 0 or less draws no
// grid, nor do steps that come closer than a pixel on the screen.
void DisGriglia(const BersaglioSchermo& b);
