#pragma once

// A screen canvas of 1600 x 1000 pixels for the benchmarks: it keeps nothing
// but the number of its strokes, so what is timed is the drawing code and
// not a painter.

#include "drawing/RiquadroLegenda.h"
#include "drawing/TelaSchermo.h"

#include <string>
#include <vector>

class TelaConta final : public TelaSchermo {
public:
    long Tratti = 0;

    float Larghezza() const override { return 1600.0f; }
    float Altezza() const override { return 1000.0f; }
    void Cancella(StratoTela) override {}
    void ImpostaColoreSfondo(int) override {}
    void ImpostaColorePrimoPiano(int) override {}
    void ImpostaStileTratto(StileTratto) override {}
    void ImpostaSpessoreTratto(int) override {}
    void Linea(StratoTela, float, float, float, float, int) override { ++Tratti; }
    void Riquadro(StratoTela, float, float, float, float, int, bool) override { ++Tratti; }
    void Cerchio(StratoTela, float, float, float, int) override { ++Tratti; }
    void Poligono(StratoTela, const std::vector<PuntoPixel>&, int) override { ++Tratti; }
    void Testo(StratoTela, int, int, int, int, int, const std::string&) override { ++Tratti; }
};

// A legend box that draws nothing, for the screen redraw.
class RiquadroMuto final : public RiquadroLegenda {
public:
    int TwipPerPixel() const override { return 15; }
    void ImmaginePersistente(bool) override {}
    void Cancella() override {}
    void ImpostaSpessoreTratto(int) override {}
    void ImpostaRiempimento(Riempimento) override {}
    void ImpostaColoreTesto(int) override {}
    void Testo(float, float, const std::string&) override {}
    void Linea(float, float, float, float, int) override {}
    void Riquadro(float, float, float, float, int, bool) override {}
};
