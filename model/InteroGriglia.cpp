#include "model/InteroGriglia.h"

#include <cmath>
#include <cstdint>
#include <limits>

std::optional<int> Intero16Bit(float valore) {
    if (!std::isfinite(valore)) return std::nullopt;
    const double intero = std::nearbyint(static_cast<double>(valore));
    if (intero < std::numeric_limits<std::int16_t>::min() ||
        intero > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(intero);
}
