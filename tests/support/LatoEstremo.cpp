#include "LatoEstremo.h"

#include "model/Parete.h"

int LatoEstremo(const Parete& p, int poligono, bool alto) {
    const auto vertice = [&](int j) {
        if (poligono < 0) return p.PerimetroEsterno[j % p.NumPuntiEst];
        const int m = p.PuntiApertura[poligono];
        return Punto{p.XApertura(poligono, j % m), p.YApertura(poligono, j % m)};
    };
    const int n = poligono < 0 ? p.NumPuntiEst : p.PuntiApertura[poligono];
    int scelto = 0;
    float migliore = 0.0f;
    for (int j = 0; j < n; ++j) {
        const float y = (vertice(j).Y + vertice(j + 1).Y) / 2.0f * (alto ? 1.0f : -1.0f);
        if (j == 0 || y > migliore) {
            migliore = y;
            scelto = j;
        }
    }
    return scelto;
}
