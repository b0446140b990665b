#include "drawing/LegendaColori.h"

#include "model/Impostazioni.h"

#include <array>

int ColoreClasseLegenda(int classe) {
    constexpr std::array<int, 10> Classi = {
        Rgb(0, 0, 200),   Rgb(0, 40, 255),   Rgb(0, 160, 255), Rgb(0, 255, 170),
        Rgb(0, 255, 0),   Rgb(255, 255, 0),  Rgb(255, 210, 0), Rgb(255, 120, 0),
        Rgb(255, 0, 0),   Rgb(200, 0, 0)};
    if (classe == -1) return Classi.front();
    if (classe == 10) return Classi.back();
    return classe >= 0 && classe <= 9 ? Classi[classe] : 0;
}

int ColoreStatoLegenda(int stato) {
    constexpr std::array<int, 3> Stati = {Rgb(88, 88, 88), Rgb(192, 192, 192), Rgb(255, 0, 0)};
    return stato >= 0 && stato <= 2 ? Stati[stato] : 0;
}
