#pragma once

#include <vector>

// One bar of a direction symbol, in the coordinates of its caller.
struct TrattoSimbolo {
    float X1 = 0.0f, Y1 = 0.0f, X2 = 0.0f, Y2 = 0.0f;

    bool operator==(const TrattoSimbolo&) const = default;
};

// The symbol of a reinforcement direction: the bar (x1, y1)-(x2, y2), then
// its parallels at passo to the left and to the right and at 2 passo to the
// left and to the right, in this order. A bar too short to have sides comes
// alone.
std::vector<TrattoSimbolo> SimboloDirezione(float x1, float y1, float x2, float y2, float passo);

class RiquadroLegenda;

// The symbol of direction 0 (light red) or 1 (green) in the legend box: five
// bars 660 twips long and 110 twips apart, centred on (xc, yc) twips. The box
// has y down, so the bar leans as the direction (coseno, seno) does in the model.
void SimboloDirezioneRiquadro(float xc, float yc, double coseno, double seno, int direzione,
                              RiquadroLegenda& riquadro);
