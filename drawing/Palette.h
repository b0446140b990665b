#pragma once

// Red, green and blue of a colour, 0-255 each.
struct ComponentiRgb {
    int R = 0;
    int G = 0;
    int B = 0;
};

// Sets the components of CAD colour index 1-255; any other index leaves them unchanged.
void ComponentiAci(int aci, ComponentiRgb& rgb);
// Screen colour (R + 256 G + 65536 B) of a CAD colour index; black outside 1-255.
int ColoreAci(int aci);

// Screen colour of entry 0-15 of the sixteen-colour palette (11 light cyan,
// 13 light magenta, 14 yellow, 15 white); black outside 0-15.
int ColoreBase(int n);
