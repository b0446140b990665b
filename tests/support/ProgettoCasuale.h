#pragma once

#include "model/Parete.h"

#include <cstdint>
#include <random>

// Floats of every kind a file writer meets, from a seeded generator whose
// sequence the standard fixes: ordinary lengths, exact halves of the last
// written decimal, negatives that round to zero, huge and tiny magnitudes,
// and any bit pattern at all (NaN and infinities included).
class RealiCasuali {
public:
    explicit RealiCasuali(std::uint32_t seme) : generatore_(seme) {}
    float Prossimo();
    std::uint32_t Intero(std::uint32_t quanti) { return generatore_() % quanti; }

private:
    std::mt19937 generatore_;
};

// A wall numbered 5 whose whole design (diffuse and additional
// reinforcement, ring beams, sections, dimensions with Windows-1252 texts,
// perimeters, level marks, slabs) holds values of RealiCasuali(seme).
Parete PareteConProgettoCasuale(std::uint32_t seme);
