#pragma once

#include "drawing/Bersaglio.h"

#include <string>

// The measure pass: draws nothing. Bar procedures run on it only for the
// lengths they return; texts keep their drawing height times ScalaTestiDxf.
class BersaglioMisura final : public Bersaglio {
public:
    explicit BersaglioMisura(const Impostazioni& imp)
        : Bersaglio(Tipo::Misura, imp, TuttiILayer()) {}

private:
    void Linea(float, float, float, float, int, int) const override {}
    void Cerchio(float, float, float, int, int) const override {}
    void Testo(float, float, const std::string&, float, int, int, int, float, float,
               float) const override {}
    void EtichettaFerro(float, float, float, float, int, int, int) const override {}
    void Quota(float, float, float, float, float, float, float, float) const override {}
};
