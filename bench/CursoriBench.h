#pragma once

// The cursor of the timed mouse moves: a few positions in pixels, visited in
// turn so that hits and misses alternate as they were laid out.

#include "model/Punto.h"

#include <cstddef>
#include <vector>

class CursoriCiclici {
public:
    std::vector<Punto> Punti;

    const Punto& Prossimo() { return Punti[mossa_++ % Punti.size()]; }

private:
    std::size_t mossa_ = 0;
};
