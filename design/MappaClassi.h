#pragma once

// Screen colour (R + 256 G + 65536 B) of colour class c of a map: class 0 is
// the lowest band, 9 the highest; -1 and 10, the bands just outside the
// levels, take the colours of their neighbours; any other class is black.
[[nodiscard]] int ColoreClasse(int c);
