#pragma once

#include "model/LineaSezione.h"

#include <ostream>

// A failing comparison of section records shows their points.
inline void PrintTo(const LineaSezione& s, std::ostream* os) {
    for (const Punto& p : {s.P0, s.P1, s.P2, s.P3, s.P4, s.P5})
        *os << "(" << p.X << ", " << p.Y << ") ";
    *os << "Orizzontale " << s.Orizzontale;
}
