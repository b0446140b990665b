#pragma once

#include "model/Punto.h"

// A section line: the cut P0-P1 with an end mark at each end.
struct LineaSezione {
    Punto P0, P1;  // the cut
    Punto P2, P3;  // outer and inner point of the start mark
    Punto P4, P5;  // inner and outer point of the end mark
    int Orizzontale = 0;  // 1 horizontal, 0 vertical

    bool operator==(const LineaSezione&) const = default;
};
