#include "model/Direzioni.h"

#include "model/Angoli.h"
#include "model/Parete.h"

#include <cmath>

namespace {

// Near-axis directions must compare exactly with 0 and 1 later on.
double Aggancia(double v) {
    if (std::fabs(v) < 1e-5) return 0.0;
    if (std::fabs(v - 1.0) < 1e-5) return 1.0;
    return v;
}

}  // namespace

void CalcolaDirezioni(Parete& p) {
    float d = p.AngoloArm1 - p.AngoloArm2;
    if (std::fabs(d) < 1e-5f) {
        d = 0.0f;
    } else if (d < 0.0f) {
        d = static_cast<float>(DuePiGrecoDirezioni - d);
    }
    p.CosDir1 = Aggancia(std::cos(static_cast<double>(p.AngoloArm1)));
    p.SinDir1 = Aggancia(std::sin(static_cast<double>(p.AngoloArm1)));
    p.CosDir2 = Aggancia(std::cos(static_cast<double>(d)));
    p.SinDir2 = Aggancia(std::sin(static_cast<double>(d)));
}
