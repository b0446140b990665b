#include "drawing/PannelliTavola.h"

#include "model/Parete.h"

std::vector<PannelloTavola> PannelliTavola(const Parete& parete) {
    const float destra = parete.LarghezzaVista + DistanzaPannelli;
    const float sotto = -(parete.AltezzaVista + DistanzaPannelli);
    if (parete.MagliaUnica != 0) return {{0.0f, 0.0f, 1}, {destra, 0.0f, 3}};
    return {{0.0f, 0.0f, 0}, {0.0f, sotto, 1}, {destra, 0.0f, 2}, {destra, sotto, 3}};
}
