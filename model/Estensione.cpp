#include "model/Estensione.h"

#include "model/Parete.h"

#include <algorithm>
#include <cmath>

void CalcolaEstensione(Parete& p) {
    const int elementi = static_cast<int>(p.PerimetroEsterno.size());
    if (elementi > 2) {
        const int n = std::clamp(p.NumPuntiEst, 1, elementi);
        p.XminParete = p.XmaxParete = p.PerimetroEsterno[0].X;
        p.YminParete = p.YmaxParete = p.PerimetroEsterno[0].Y;
        for (int i = 1; i < n; ++i) {
            const Punto& v = p.PerimetroEsterno[i];
            p.XminParete = std::min(p.XminParete, v.X);
            p.XmaxParete = std::max(p.XmaxParete, v.X);
            p.YminParete = std::min(p.YminParete, v.Y);
            p.YmaxParete = std::max(p.YmaxParete, v.Y);
        }
    }

    // Room on the left for the legend, a margin elsewhere.
    p.XminCornice = p.XminParete - 480.0f;
    p.YminCornice = p.YminParete - 70.0f;
    p.XmaxCornice = p.XmaxParete + 80.0f;
    p.YmaxCornice = p.YmaxParete + 70.0f;
    p.LarghezzaVista = p.XmaxCornice - p.XminCornice;
    p.AltezzaVista = p.YmaxCornice - p.YminCornice;
    p.LarghezzaFoglio = 2.0f * p.LarghezzaVista + 300.0f;

    // The vertical sections stand in a strip of their own beside the two panels.
    float striscia = 0.0f;
    const int ultima = std::min(p.UltSezione, static_cast<int>(p.Sezioni.size()) - 1);
    for (int s = 0; s <= ultima; ++s)
        if (p.Sezioni[s].Orizzontale == 0) striscia += p.SpessoreParete * 5.0f + 195.0f;
    if (striscia > 0.0f) {
        striscia += std::fabs(p.XminCornice);
        p.LarghezzaFoglio += std::max(striscia, p.LarghezzaVista);
    }

    p.EstPianta = {p.XminCornice, p.YminCornice, p.XmaxCornice, p.YmaxCornice};
    p.EstTavola = {p.XminCornice, p.YminCornice, 4.0f * p.XmaxCornice, 2.0f * p.YmaxCornice};
    p.Estensione = p.EstPianta;
}
