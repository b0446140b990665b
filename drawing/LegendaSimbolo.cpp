#include "drawing/LegendaSimbolo.h"

#include "drawing/Palette.h"
#include "drawing/RiquadroLegenda.h"
#include "model/Geometria.h"

namespace {

constexpr int LatoSinistro = -1;
constexpr int LatoDestro = 0;
constexpr int RossoChiaro = 12;
constexpr int Verde = 2;
constexpr float RaggioRiquadro = 330.0f;  // twips
constexpr float PassoRiquadro = 110.0f;   // twips

}  // namespace

std::vector<TrattoSimbolo> SimboloDirezione(float x1, float y1, float x2, float y2, float passo) {
    std::vector<TrattoSimbolo> tratti{{x1, y1, x2, y2}};
    for (const float distanza : {passo, 2.0f * passo}) {
        for (const int lato : {LatoSinistro, LatoDestro}) {
            TrattoSimbolo t;
            if (!TraslaSegmento(x1, y1, x2, y2, t.X1, t.Y1, t.X2, t.Y2, distanza, lato))
                return {tratti.front()};
            tratti.push_back(t);
        }
    }
    return tratti;
}

void SimboloDirezioneRiquadro(float xc, float yc, double coseno, double seno, int direzione,
                              RiquadroLegenda& riquadro) {
    const float c = static_cast<float>(coseno), s = static_cast<float>(seno);
    const int colore = ColoreBase(direzione == 0 ? RossoChiaro : Verde);
    for (const auto& t : SimboloDirezione(xc + RaggioRiquadro * c, yc - RaggioRiquadro * s,
                                          xc - RaggioRiquadro * c, yc + RaggioRiquadro * s,
                                          PassoRiquadro))
        riquadro.Linea(t.X1, t.Y1, t.X2, t.Y2, colore);
}
