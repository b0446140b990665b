#include "model/Parete.h"

void Parete::AggiungiVerticeApertura(int k, int j, float x, float y) {
    if (j == 0) {
        if (static_cast<int>(InizioApertura.size()) <= k) InizioApertura.resize(k + 1);
        if (static_cast<int>(PuntiApertura.size()) <= k) PuntiApertura.resize(k + 1);
        InizioApertura[k] = (k == 0) ? 0 : InizioApertura[k - 1] + PuntiApertura[k - 1];
        PuntiApertura[k] = 0;
    } else {
        // While an opening is filled its entry holds the index of its last vertex.
        PuntiApertura[k] += 1;
    }
    const int n = InizioApertura[k] + PuntiApertura[k];
    if (static_cast<int>(XAperture.size()) <= n) {
        XAperture.resize(n + 1);
        YAperture.resize(n + 1);
    }
    XAperture[n] = x;
    YAperture[n] = y;
}
