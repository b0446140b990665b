#pragma once

#include "design/Modifica.h"

// The standard recompute tails, counted, to check that a change runs each
// declared tail exactly once.
class RicalcoloContato : public Ricalcolo {
public:
    mutable int Geometrie = 0;
    mutable int Armature = 0;
    void Geometria(Sessione& s) const override {
        ++Geometrie;
        Ricalcolo::Geometria(s);
    }
    void Armatura(Sessione& s) const override {
        ++Armature;
        Ricalcolo::Armatura(s);
    }
};
