#include "model/Sovrapposizione.h"

#include "model/Impostazioni.h"

#include <cmath>

int LunghezzaSovrapposizione(const Impostazioni& imp, int diametro, int /*piega*/) {
    if (diametro <= 0) return 0;
    const int d = diametro;
    // Design bond strength of improved-bond bars; large bars bond less.
    const float fyd = static_cast<float>(imp.Acciaio.Fyk / 1.15);
    const float fctk = static_cast<float>(0.7 * imp.Calcestruzzo.Fctm);
    const float eta = (d < 32) ? 1.0f : static_cast<float>((132 - d) / 100.0);
    const float fbd = static_cast<float>(eta * 2.25 * 0.7 * fctk / 1.5);

    // Basic anchorage length (d / 4)(fyd / fbd), d in mm, result in cm. A
    // concrete without tensile strength gives no bond: the upper clamp holds.
    double l = (fbd > 0.0f) ? std::nearbyint(d * static_cast<double>(fyd) / (40.0 * fbd))
                            : HUGE_VAL;
    const double minimo = (d * imp.SovrappMin) / 10.0;
    if (minimo > l) l = std::nearbyint(minimo);
    const double massimo = (d * imp.SovrappMax) / 10.0;
    if (massimo < l) l = std::nearbyint(massimo);
    // An upper clamp of 0 or less diameters is a setting the user may keep;
    // a bar still never gets a negative lap.
    return l > 0.0 ? static_cast<int>(l) : 0;
}
