#include "drawing/ComandiVista.h"

#include "model/LimitiValori.h"

#include <algorithm>
#include <cmath>

float CalcolaScala(const Vista& v, float xmin, float ymin, float xmax, float ymax) {
    const float dx = xmax - xmin;
    const float dy = ymax - ymin;
    // A canvas without size (a minimised window) would give a scale of 0 and
    // every later conversion back to the model would divide by it.
    if (dx == 0.0f || dy == 0.0f || v.LarghezzaTela <= 0.0f || v.AltezzaTela <= 0.0f)
        return 1.0f;
    const float sx = v.LarghezzaTela / dx;
    const float sy = v.AltezzaTela / dy;
    return sy < sx ? sy : sx;
}

void AdattaFinestra(Vista& v, const Rettangolo& Estensione) {
    v.FinXmin = Estensione.Xmin;
    v.FinYmin = Estensione.Ymin;
    v.FinXmax = Estensione.Xmax;
    v.FinYmax = Estensione.Ymax;
    v.Scala = CalcolaScala(v, v.FinXmin, v.FinYmin, v.FinXmax, v.FinYmax);
    CentraFinestra(v, Estensione);
}

void CentraFinestra(Vista& v, const Rettangolo& Estensione) {
    const float w = Estensione.Xmax - Estensione.Xmin;
    const float h = Estensione.Ymax - Estensione.Ymin;
    if (std::fabs(h) < 0.00001f) return;
    if (w / h > v.LarghezzaTela / v.AltezzaTela) {
        const float altezza = v.AltezzaTela / v.Scala;
        v.FinYmin = (Estensione.Ymin + Estensione.Ymax) / 2.0f - altezza / 2.0f;
        v.FinYmax = v.FinYmin + altezza;
    } else {
        const float larghezza = v.LarghezzaTela / v.Scala;
        v.FinXmin = (Estensione.Xmin + Estensione.Xmax) / 2.0f - larghezza / 2.0f;
        v.FinXmax = v.FinXmin + larghezza;
    }
}

namespace {

// The widest window is this many times the larger side of the extents.
constexpr float MultiploEstensione = 100.0f;
// Extents not yet computed (no wall) count as this large, cm.
constexpr float LatoMinimoEstensione = 100.0f;
// A widening below this is only the rounding left by the step that reached
// the widest window: further steps change nothing, as at the narrowest.
constexpr float CrescitaMinima = 1e-4f;

}  // namespace

float CampataMassimaZoom(const Rettangolo& Estensione) {
    // fmax and fmin pass over a NaN side.
    const float lato = std::fmax(std::fmax(Estensione.Xmax - Estensione.Xmin,
                                           Estensione.Ymax - Estensione.Ymin),
                                 LatoMinimoEstensione);
    return std::fmin(MultiploEstensione * lato, 2.0f * CoordinataMassima);
}

float CrescitaAmmessa(const Vista& v, float crescita, const Rettangolo& Estensione) {
    const float campata = std::fmax(v.FinXmax - v.FinXmin, v.FinYmax - v.FinYmin);
    const float margine = CampataMassimaZoom(Estensione) / campata - 1.0f;
    if (!(margine >= CrescitaMinima)) return 0.0f;
    return std::fmin(crescita, margine);
}

void ScalaFinestra(Vista& v, float crescita, float fx, float fy) {
    const float dx = crescita * (v.FinXmax - v.FinXmin);
    v.FinXmin -= dx * fx;
    v.FinXmax += dx * (1.0f - fx);
    const float dy = crescita * (v.FinYmax - v.FinYmin);
    v.FinYmin -= dy * fy;
    v.FinYmax += dy * (1.0f - fy);
    v.Scala = CalcolaScala(v, v.FinXmin, v.FinYmin, v.FinXmax, v.FinYmax);
}

void SalvaVistaPrecedente(Vista& v) {
    v.FinPrecXmin = v.FinXmin;
    v.FinPrecYmin = v.FinYmin;
    v.FinPrecXmax = v.FinXmax;
    v.FinPrecYmax = v.FinYmax;
}

void VistaTotale(Vista& v, const Rettangolo& Estensione) {
    SalvaVistaPrecedente(v);
    AdattaFinestra(v, Estensione);
}

void ZoomAllontana(Vista& v, const Rettangolo& Estensione) {
    SalvaVistaPrecedente(v);
    const float crescita = CrescitaAmmessa(v, PassoZoom, Estensione);
    if (crescita > 0.0f) ScalaFinestra(v, crescita, 0.5f, 0.5f);
}

void ZoomAvvicina(Vista& v) {
    SalvaVistaPrecedente(v);
    // Below this span the window would soon collapse to nothing.
    if (v.FinXmax - v.FinXmin > 0.3f) ScalaFinestra(v, -PassoZoom, 0.5f, 0.5f);
}

void VistaPrecedente(Vista& v) {
    Scambia(v.FinXmin, v.FinPrecXmin);
    Scambia(v.FinYmin, v.FinPrecYmin);
    Scambia(v.FinXmax, v.FinPrecXmax);
    Scambia(v.FinYmax, v.FinPrecYmax);
    v.Scala = CalcolaScala(v, v.FinXmin, v.FinYmin, v.FinXmax, v.FinYmax);
}

void AvviaZoomFinestra(Vista& v, int& Modo, int& ModoPrec) {
    ModoPrec = Modo;
    Modo = 2;
    v.BoxX1 = -1;
    v.BoxY1 = 0;
    v.BoxX2 = 0;
    v.BoxY2 = 0;
    v.RettFocus = RettangoloPixel{};
}

void AvviaTrascina(int& Modo, int& ModoPrec) {
    ModoPrec = Modo;
    Modo = 4;
}

void AdattaRettangoloZoom(Vista& v) {
    const float larghezza = static_cast<float>(std::abs(v.BoxX2 - v.BoxX1));
    const float altezza = static_cast<float>(std::abs(v.BoxY2 - v.BoxY1));
    if (larghezza == 0.0f && altezza == 0.0f) return;  // a click, not a box
    const float rapporto = larghezza / altezza;
    const float aspetto = v.LarghezzaTela / v.AltezzaTela;
    if (rapporto > aspetto) {
        const float h = larghezza / aspetto;
        v.BoxY2 = static_cast<int>(std::nearbyint((v.BoxY1 + v.BoxY2 + h) / 2.0f));
        v.BoxY1 = static_cast<int>(std::nearbyint(v.BoxY2 - h));
    } else if (rapporto < aspetto) {
        const float w = aspetto * altezza;
        v.BoxX1 = static_cast<int>(std::nearbyint((v.BoxX1 + v.BoxX2 - w) / 2.0f));
        v.BoxX2 = static_cast<int>(std::nearbyint(v.BoxX1 + w));
    }
}

bool ZoomRettangolo(Vista& v) {
    int x1 = v.BoxX1, x2 = v.BoxX2, y1 = v.BoxY1, y2 = v.BoxY2;
    if (x1 > x2) Scambia(x1, x2);
    if (y1 > y2) Scambia(y1, y2);
    // A box without width or height would make a window of nothing.
    if (x1 == x2 || y1 == y2) return false;
    SalvaVistaPrecedente(v);
    // Pixel y grows downwards: the top edge of the box is the window's top.
    const float xmin = XModello(v, x1), xmax = XModello(v, x2);
    const float ymin = YModello(v, y2), ymax = YModello(v, y1);
    v.FinXmin = xmin;
    v.FinXmax = xmax;
    v.FinYmin = ymin;
    v.FinYmax = ymax;
    v.Scala = CalcolaScala(v, v.FinXmin, v.FinYmin, v.FinXmax, v.FinYmax);
    return true;
}

bool VicinoSegmento(const Vista& v, float px, float py, float x1, float y1, float x2, float y2,
                    float tol) {
    float sx1 = XSchermo(v, x1), sy1 = YSchermo(v, y1);
    float sx2 = XSchermo(v, x2), sy2 = YSchermo(v, y2);
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    if (px < std::min(sx1, sx2) - tol || px > std::max(sx1, sx2) + tol) return false;
    if (py < std::min(sy1, sy2) - tol || py > std::max(sy1, sy2) + tol) return false;
    if (std::fabs(dx) < 0.001f || std::fabs(dy) < 0.001f) {
        if (sx1 > sx2) Scambia(sx1, sx2);
        if (sy1 > sy2) Scambia(sy1, sy2);
        if (std::fabs(dx) < 0.001f) return std::fabs(px - sx1) < tol && sy1 < py && py < sy2;
        return std::fabs(py - sy1) < tol && sx1 < px && px < sx2;
    }
    // On the screen the line falls with the opposite of the model slope.
    const float m = dy / dx;
    const float verticale = std::fabs((px - sx1) * m - sy1 + py);
    const float orizzontale = std::fabs((sx1 - px) + (sy1 - py) / m);
    return std::min(verticale, orizzontale) < tol;
}
