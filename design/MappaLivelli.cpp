#include "design/MappaLivelli.h"

std::array<double, NumLivelliMappa> LivelliMappa(float vmin, float vmax) {
    std::array<double, NumLivelliMappa> livelli{};
    for (int i = 0; i < NumLivelliMappa - 1; ++i) {
        const float livello = vmin - (vmin - vmax) * static_cast<float>(i) / 10.0f;
        livelli[i] = 100.0 * livello;
    }
    livelli[NumLivelliMappa - 1] = 100.0 * vmax;
    return livelli;
}
