#pragma once

#include <array>
#include <cstdint>

// Slot order of the four per-layer values inside a node:
// 0 direction 1 "lato +", 1 direction 2 "lato +", 2 direction 1 "lato -",
// 3 direction 2 "lato -". Layer index k lives in slot SlotDiStrato(k).
constexpr int SlotDiStrato(int k) {
    constexpr int slot[4] = {0, 2, 1, 3};
    return (k >= 0 && k < 4) ? slot[k] : 0;
}

// One node of the analysis mesh.
struct Nodo {
    std::int32_t Id = 0;
    float X = 0.0f;
    float Y = 0.0f;
    std::array<float, 4> Richiesta{};  // required area, cm2/m, slot order
    std::array<float, 4> Mancante{};   // required minus provided, cm2/m, slot order

    bool operator==(const Nodo&) const = default;
};
