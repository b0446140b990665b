#include "model/Geometria.h"

#include "model/Angoli.h"

#include <cmath>

namespace {

// Tolerances are compared on the float-rounded magnitude, because the values
// they guard are float coordinates.
float AbsF(double v) { return static_cast<float>(std::fabs(v)); }

template <typename T>
bool Sovrapposti(T min1, T max1, T min2, T max2) {
    return (min1 <= min2 && min2 <= max1) || (min1 <= max2 && max2 <= max1) ||
           (min2 <= min1 && min1 <= max2) || (min2 <= max1 && max1 <= max2);
}

template <typename T>
bool Coincidono(T xa, T ya, T xb, T yb) {
    return AbsF(static_cast<double>(xa) - xb) < 0.001f &&
           AbsF(static_cast<double>(ya) - yb) < 0.001f;
}

template <typename T>
double QuadratoDistanza(T xa, T ya, T xb, T yb) {
    const double dx = static_cast<double>(xa) - xb;
    const double dy = static_cast<double>(ya) - yb;
    return dx * dx + dy * dy;
}

// Two almost parallel segments whose lines cross far away: report their
// nearest ends instead, merged into one point when they nearly touch.
template <typename T>
void EstremiVicini(T x1, T y1, T x2, T y2, T x3, T y3, T x4, T y4,
                   T& xi, T& yi, float& xo, float& yo) {
    struct Coppia { T xa, ya, xb, yb; };
    const Coppia coppie[4] = {
        {x1, y1, x3, y3}, {x2, y2, x3, y3}, {x2, y2, x4, y4}, {x1, y1, x4, y4}};
    int migliore = 0;
    double minimo = QuadratoDistanza(x1, y1, x3, y3);
    for (int i = 1; i < 4; ++i) {
        const double q = QuadratoDistanza(coppie[i].xa, coppie[i].ya, coppie[i].xb, coppie[i].yb);
        if (q < minimo) {
            minimo = q;
            migliore = i;
        }
    }
    const Coppia& c = coppie[migliore];
    if (std::sqrt(minimo) < 2.0) {
        xi = static_cast<T>((static_cast<double>(c.xa) + c.xb) / 2.0);
        yi = static_cast<T>((static_cast<double>(c.ya) + c.yb) / 2.0);
    } else {
        xi = c.xa;
        yi = c.ya;
        xo = static_cast<float>(c.xb);
        yo = static_cast<float>(c.yb);
    }
}

// The bodies below serve both the float coordinates of the model and the
// double working coordinates of the zone clipping.

template <typename T>
int OrientamentoT(T x0, T y0, T x1, T y1, T x2, T y2) {
    const double dx1 = static_cast<double>(x1) - x0;
    const double dy1 = static_cast<double>(y1) - y0;
    const double dx2 = static_cast<double>(x2) - x0;
    const double dy2 = static_cast<double>(y2) - y0;
    const double a = dy2 * dx1;
    const double b = dx2 * dy1;
    if (std::fabs(a - b) > 0.0001) return a > b ? 1 : -1;
    if (dx1 * dx2 < 0.0 || dy1 * dy2 < 0.0) return -1;
    if (dx2 * dx2 + dy2 * dy2 > dx1 * dx1 + dy1 * dy1) return 1;
    return 0;
}

template <typename T>
bool SegmentiSiIntersecanoT(T x1, T y1, T x2, T y2, T x3, T y3, T x4, T y4) {
    return OrientamentoT(x1, y1, x2, y2, x3, y3) * OrientamentoT(x1, y1, x2, y2, x4, y4) <= 0 &&
           OrientamentoT(x3, y3, x4, y4, x1, y1) * OrientamentoT(x3, y3, x4, y4, x2, y2) <= 0;
}

// The status of IntersezioneSegmenti before the near-parallel rule, which
// only ever turns Esterna into QuasiParallele.
template <typename T>
int StatoSenzaQuasiParallele(T x1, T y1, T x2, T y2, T x3, T y3, T x4, T y4, T& xi, T& yi) {
    const double dx1 = static_cast<double>(x2) - x1;
    const double dy1 = static_cast<double>(y2) - y1;
    const double dx2 = static_cast<double>(x4) - x3;
    const double dy2 = static_cast<double>(y4) - y3;
    const double c1 = x1 * dy1 - y1 * dx1;
    const double c2 = x3 * dy2 - y3 * dx2;
    const double d = dx1 * dy2 - dy1 * dx2;
    const double nx = c2 * dx1 - c1 * dx2;
    const double ny = c2 * dy1 - c1 * dy2;

    if (std::fabs(d) <= 0.01) {
        if (std::fabs(nx) >= 0.0001 || std::fabs(ny) >= 0.0001) return StatoIntersezione::Parallele;
        // One line: compare the ranges on the axis along which segment 1 runs.
        const bool lungoY = AbsF(static_cast<double>(x1) - x2) < 0.001f;
        const T a1 = lungoY ? y1 : x1, b1 = lungoY ? y2 : x2;
        const T a2 = lungoY ? y3 : x3, b2 = lungoY ? y4 : x4;
        if (Sovrapposti(std::fmin(a1, b1), std::fmax(a1, b1), std::fmin(a2, b2), std::fmax(a2, b2))) {
            return StatoIntersezione::Sovrapposti;
        }
        xi = x1;
        yi = y1;
        return StatoIntersezione::AllineatiDisgiunti;
    }

    xi = static_cast<T>(nx / d);
    yi = static_cast<T>(ny / d);
    if (Coincidono(x1, y1, xi, yi)) return StatoIntersezione::InP1;
    if (Coincidono(x2, y2, xi, yi)) return StatoIntersezione::InP2;
    if (Coincidono(x3, y3, xi, yi)) return StatoIntersezione::InP3;
    if (Coincidono(x4, y4, xi, yi)) return StatoIntersezione::InP4;
    if (SegmentiSiIntersecanoT(x1, y1, x2, y2, x3, y3, x4, y4)) return StatoIntersezione::Interna;
    return StatoIntersezione::Esterna;
}

template <typename T>
void IntersezioneSegmentiT(T x1, T y1, T x2, T y2, T x3, T y3, T x4, T y4,
                           T& xi, T& yi, int& stato, float& xo, float& yo) {
    xo = -1.0f;
    yo = -1.0f;
    stato = StatoSenzaQuasiParallele(x1, y1, x2, y2, x3, y3, x4, y4, xi, yi);
    if (stato != StatoIntersezione::Esterna) return;
    const float a1 = AngoloSegmentoGradi(static_cast<float>(x1), static_cast<float>(y1),
                                         static_cast<float>(x2), static_cast<float>(y2));
    const float a2 = AngoloSegmentoGradi(static_cast<float>(x3), static_cast<float>(y3),
                                         static_cast<float>(x4), static_cast<float>(y4));
    double delta = std::fabs(static_cast<double>(a2) - a1);
    if (delta > 180.0) delta -= 180.0;
    if (AbsF(delta) < 0.5f || AbsF(180.0 - delta) < 0.5f) {
        stato = StatoIntersezione::QuasiParallele;
        EstremiVicini(x1, y1, x2, y2, x3, y3, x4, y4, xi, yi, xo, yo);
    }
}

template <typename T>
bool PuntiAllineatiT(T x1, T y1, T x2, T y2, T x3, T y3) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (AbsF(dx) > 1e-6f && AbsF(dy) > 1e-6f) {
        return AbsF((static_cast<double>(y3) - y1) / dy - (static_cast<double>(x3) - x1) / dx) < 1e-7f;
    }
    if (AbsF(dx) > 1e-6f) return AbsF(static_cast<double>(y3) - y1) < 1e-6f;
    return AbsF(static_cast<double>(x3) - x1) < 1e-6f;
}

template <typename T>
T DistanzaT(T x1, T y1, T x2, T y2) {
    const double dx = static_cast<T>(static_cast<double>(x1) - x2);
    const double dy = static_cast<T>(static_cast<double>(y1) - y2);
    return static_cast<T>(std::sqrt(dx * dx + dy * dy));
}

template <typename T>
bool PuntoInternoSegmentoT(T px, T py, T ax, T ay, T bx, T by) {
    const auto estremo = [&](T ex, T ey) {
        return AbsF(static_cast<double>(px) - ex) < 0.01f && AbsF(static_cast<double>(py) - ey) < 0.01f;
    };
    if (estremo(ax, ay) || estremo(bx, by)) return false;
    if (!PuntiAllineatiT(px, py, ax, ay, bx, by)) return false;
    const double scarto = static_cast<double>(DistanzaT(px, py, ax, ay)) + DistanzaT(px, py, bx, by) -
                          DistanzaT(ax, ay, bx, by);
    return AbsF(scarto) < 0.1f;
}

}  // namespace

int Orientamento(float x0, float y0, float x1, float y1, float x2, float y2) {
    return OrientamentoT(x0, y0, x1, y1, x2, y2);
}

bool SegmentiSiIntersecano(float x1, float y1, float x2, float y2,
                           float x3, float y3, float x4, float y4) {
    return SegmentiSiIntersecanoT(x1, y1, x2, y2, x3, y3, x4, y4);
}

void IntersezioneSegmenti(float x1, float y1, float x2, float y2,
                          float x3, float y3, float x4, float y4,
                          float& xi, float& yi, int& stato, float& xo, float& yo) {
    IntersezioneSegmentiT(x1, y1, x2, y2, x3, y3, x4, y4, xi, yi, stato, xo, yo);
}

void IntersezioneSegmentiPrecisa(double x1, double y1, double x2, double y2,
                                 double x3, double y3, double x4, double y4,
                                 double& xi, double& yi, int& stato) {
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmentiT(x1, y1, x2, y2, x3, y3, x4, y4, xi, yi, stato, xo, yo);
}

bool IncrocioInterno(float x1, float y1, float x2, float y2,
                     float x3, float y3, float x4, float y4) {
    // Status Interna needs the closed segments to meet: ask that first, it is cheap.
    if (!SegmentiSiIntersecanoT(x1, y1, x2, y2, x3, y3, x4, y4)) return false;
    float xi = 0.0f, yi = 0.0f;
    return StatoSenzaQuasiParallele(x1, y1, x2, y2, x3, y3, x4, y4, xi, yi) ==
           StatoIntersezione::Interna;
}

bool PuntiAllineati(float x1, float y1, float x2, float y2, float x3, float y3) {
    return PuntiAllineatiT(x1, y1, x2, y2, x3, y3);
}

bool PuntoInternoSegmento(float px, float py, float ax, float ay, float bx, float by) {
    return PuntoInternoSegmentoT(px, py, ax, ay, bx, by);
}

bool PuntoInternoSegmentoPreciso(double px, double py, double ax, double ay, double bx, double by) {
    return PuntoInternoSegmentoT(px, py, ax, ay, bx, by);
}

double AngoloSegmentoRad(float x1, float y1, float x2, float y2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (AbsF(dx) <= 0.0001f) return dy >= 0.0 ? MezzoPiGrecoAngoli : TrePiMezziAngoli;
    if (AbsF(dy) <= 0.0001f) return dx >= 0.0 ? 0.0 : PiGrecoAngoli;
    const double a = std::atan(dy / dx);
    if (dx < 0.0) return a + PiGrecoAngoli;
    if (dy < 0.0) return a + DuePiGrecoAngoli;
    return a;
}

float AngoloSegmentoGradi(float x1, float y1, float x2, float y2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (AbsF(dx) <= 0.0001f) return dy < 0.0 ? 270.0f : 90.0f;
    if (AbsF(dy) <= 0.0001f) return dx < 0.0 ? 180.0f : 0.0f;
    const double gradi = AngoloSegmentoRad(x1, y1, x2, y2) * RadiantiInGradi;
    return static_cast<float>(std::nearbyint(gradi * 100.0) / 100.0);
}

float AngoloVettore(float x1, float y1, float x2, float y2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const bool asseY = AbsF(dx) < 0.00001f;
    const bool asseX = AbsF(dy) < 0.00001f;
    // A vector along an axis: the x axis wins when both differences are tiny.
    if (asseX) {
        if (dx > 0.0) return 0.0f;
        if (dx < 0.0) return static_cast<float>(PiGrecoAngoli);
    }
    if (asseY) {
        if (dy > 0.0) return static_cast<float>(MezzoPiGrecoAngoli);
        if (dy < 0.0) return static_cast<float>(TrePiMezziAngoli);
    }
    if (asseX || asseY) return 0.0f;
    const double a = std::atan(std::fabs(dy) / std::fabs(dx));
    if (dx < 0.0 && dy > 0.0) return static_cast<float>(PiGrecoAngoli - a);
    if (dx < 0.0 && dy < 0.0) return static_cast<float>(a + PiGrecoAngoli);
    if (dx > 0.0 && dy < 0.0) return static_cast<float>(DuePiGrecoAngoli - a);
    return static_cast<float>(a);
}

float Distanza(float x1, float y1, float x2, float y2) { return DistanzaT(x1, y1, x2, y2); }

void PuntoADistanza(float x1, float y1, float x2, float y2, float& x, float& y, float d) {
    const float lunghezza = Distanza(x1, y1, x2, y2);
    const double t = lunghezza == 0.0f ? 0.0 : static_cast<double>(d) / lunghezza;
    x = static_cast<float>(x1 + (static_cast<double>(x2) - x1) * t);
    y = static_cast<float>(y1 + (static_cast<double>(y2) - y1) * t);
}

void ProiezionePunto(float x1, float y1, float x2, float y2, float px, float py,
                     float& qx, float& qy) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (AbsF(dy) <= 1e-6f) {
        qx = px;
        qy = y2;
        return;
    }
    if (AbsF(dx) <= 1e-6f) {
        qx = x2;
        qy = py;
        return;
    }
    // Cross the line with a stretch of its normal through P.
    const double a = std::atan(dx / dy);
    const float ax = static_cast<float>(px + 100.0 * std::cos(a));
    const float ay = static_cast<float>(py - 100.0 * std::sin(a));
    int stato = 0;
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(x1, y1, x2, y2, px, py, ax, ay, qx, qy, stato, xo, yo);
}

void SegmentoParallelo(float x1, float y1, float x2, float y2,
                       float& ox1, float& oy1, float& ox2, float& oy2, float d) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    double mx = 0.0, my = 0.0;
    if (AbsF(dy) < 0.0001f) {
        my = x1 < x2 ? d : -static_cast<double>(d);
    } else if (AbsF(dx) < 0.0001f) {
        mx = y1 <= y2 ? -static_cast<double>(d) : d;
    } else {
        const double lunghezza = Distanza(x1, y1, x2, y2);
        mx = d * -dy / lunghezza;
        my = d * dx / lunghezza;
    }
    ox1 = static_cast<float>(x1 + mx);
    oy1 = static_cast<float>(y1 + my);
    ox2 = static_cast<float>(x2 + mx);
    oy2 = static_cast<float>(y2 + my);
}

bool TraslaSegmento(float x1, float y1, float x2, float y2,
                    float& ox1, float& oy1, float& ox2, float& oy2, float d, int lato) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const double lunghezza = std::sqrt(dx * dx + dy * dy);
    if (lunghezza < 1e-6) return false;
    const double nx = d * dx / lunghezza;
    const double ny = d * dy / lunghezza;
    const double mx = lato != 0 ? -ny : ny;
    const double my = lato != 0 ? nx : -nx;
    ox1 = static_cast<float>(x1 + mx);
    oy1 = static_cast<float>(y1 + my);
    ox2 = static_cast<float>(x2 + mx);
    oy2 = static_cast<float>(y2 + my);
    return true;
}

void RuotaInDirezione(int dir, float x, float y, float& xo, float& yo) {
    if (dir == 0) {
        xo = y;
        yo = -x;
    } else {
        xo = x;
        yo = y;
    }
}

void RuotaDaDirezione(int dir, float x, float y, float& xo, float& yo) {
    if (dir == 0) {
        xo = -y;
        yo = x;
    } else {
        xo = x;
        yo = y;
    }
}
