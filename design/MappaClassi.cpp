#include "design/MappaClassi.h"

#include "model/Impostazioni.h"

#include <array>

int ColoreClasse(int c) {
    static constexpr std::array<int, 12> colori = {
        Rgb(0, 0, 200),   Rgb(0, 0, 200),   Rgb(0, 40, 255),  Rgb(0, 160, 255),
        Rgb(0, 255, 170), Rgb(0, 255, 0),   Rgb(255, 255, 0), Rgb(255, 210, 0),
        Rgb(255, 120, 0), Rgb(255, 0, 0),   Rgb(200, 0, 0),   Rgb(200, 0, 0),
    };
    return (c >= -1 && c <= 10) ? colori[c + 1] : 0;
}
