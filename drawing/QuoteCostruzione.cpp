#include "drawing/QuoteCostruzione.h"

#include "drawing/Primitive.h"
#include "drawing/QuoteLista.h"
#include "drawing/QuoteRicerca.h"
#include "drawing/Vista.h"
#include "model/Geometria.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <cmath>

namespace {

// Foot of the perpendicular from P onto the line through M along the
// direction of the measured points.
Punto PiedeSullaLinea(Punto m, DirezioneQuota d, Punto p) {
    Punto piede = p;  // the two lines are square, so they always cross
    int stato = 0;
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(m.X, m.Y, m.X - 10.0f * d.Cos, m.Y + 10.0f * d.Sin, p.X, p.Y,
                         p.X - 10.0f * d.Sin, p.Y - 10.0f * d.Cos, piede.X, piede.Y, stato, xo,
                         yo);
    return piede;
}

Punto InModello(const Vista& v, Punto pixel) {
    return {XModello(v, pixel.X), YModello(v, pixel.Y)};
}

Punto InPixel(const Vista& v, Punto modello) {
    return {XSchermo(v, modello.X), YSchermo(v, modello.Y)};
}

}  // namespace

DirezioneQuota DirezioneMisura(Punto misura1Pixel, Punto misura2Pixel) {
    const float a = AngoloRad(misura1Pixel.X, misura1Pixel.Y, misura2Pixel.X, misura2Pixel.Y);
    return {std::cos(a), std::sin(a)};
}

bool InserisciQuota(ProgettoParete& progetto, StatoInterfaccia& stato, const Vista& v,
                    const FormatoQuote& formato, Punto misura1Pixel, Punto misura2Pixel, float x,
                    float y) {
    using namespace ModoInput;
    const int modo = stato.Modo;
    if (modo != LineaQuota(QuotaOrizzontale) && modo != LineaQuota(QuotaVerticale) &&
        modo != LineaQuota(QuotaAllineata))
        return false;
    const Punto m = AgganciaEstremoQuota(progetto, v, x, y).M;
    const Punto p1 = InModello(v, misura1Pixel);
    const Punto p2 = InModello(v, misura2Pixel);
    Punto fine1, fine2;
    if (modo == LineaQuota(QuotaOrizzontale)) {
        fine1 = {p1.X, m.Y};
        fine2 = {p2.X, m.Y};
    } else if (modo == LineaQuota(QuotaVerticale)) {
        fine1 = {m.X, p1.Y};
        fine2 = {m.X, p2.Y};
    } else {
        const DirezioneQuota d = DirezioneMisura(misura1Pixel, misura2Pixel);
        fine1 = PiedeSullaLinea(m, d, p1);
        fine2 = PiedeSullaLinea(m, d, p2);
    }
    stato.Modo = Inattivo;
    return AggiungiQuota(progetto, formato, fine1, fine2, p1, p2, stato.VistaCorrente);
}

bool PosizionaQuota(ProgettoParete& progetto, StatoInterfaccia& stato, const Vista& v, float x,
                    float y) {
    stato.Modo = ModoInput::Inattivo;
    const int k = stato.QuotaSelezionata;
    const int ultima = std::min(progetto.UltQuota, static_cast<int>(progetto.Quote.size()) - 1);
    if (k < 0 || k > ultima) return false;
    const Punto m = AgganciaEstremoQuota(progetto, v, x, y).M;
    Quota& q = progetto.Quote[k];
    const Punto p1{q.XA, q.YA};
    const Punto p2{q.XB, q.YB};
    const DirezioneQuota d = DirezioneMisura(InPixel(v, p1), InPixel(v, p2));
    const Punto fine1 = PiedeSullaLinea(m, d, p1);
    const Punto fine2 = PiedeSullaLinea(m, d, p2);
    q.X1 = fine1.X;
    q.Y1 = fine1.Y;
    q.X2 = fine2.X;
    q.Y2 = fine2.Y;
    return true;
}
