#include "design/EtichettaPosizione.h"

#include "drawing/Vista.h"
#include "model/Geometria.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

constexpr double DuePi = 6.28318530717959;

struct Versore {
    double X = 0.0;
    double Y = 0.0;
};

Punto Sposta(Punto p, Versore u, double d) {
    return {static_cast<float>(p.X + d * u.X), static_cast<float>(p.Y + d * u.Y)};
}

// Meeting point of the line through p along u, given as a segment of 100 cm
// either way, with the line through a and b; parallel lines leave (0, 0).
Punto IncontroRetta(Punto p, Versore u, Punto a, Punto b) {
    const Punto p1 = Sposta(p, u, -100.0), p2 = Sposta(p, u, 100.0);
    Punto r;
    int stato = 0;
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(p1.X, p1.Y, p2.X, p2.Y, a.X, a.Y, b.X, b.Y, r.X, r.Y, stato, xo, yo);
    return r;
}

// Meeting point of the lines through p along u and through q along v, each
// given as a segment of 100 cm either way.
Punto Incontro(Punto p, Versore u, Punto q, Versore v) {
    return IncontroRetta(p, u, Sposta(q, v, -100.0), Sposta(q, v, 100.0));
}

// Second end of the segment a-b moved by d to the left of its direction.
Punto FineSpostata(Punto a, Punto b, float d) {
    Punto a2, b2;
    SegmentoParallelo(a.X, a.Y, b.X, b.Y, a2.X, a2.Y, b2.X, b2.Y, d);
    return b2;
}

void Baricentro(std::span<const Punto> poligono, PosizioneArm& pos) {
    double area = 0.0, sx = 0.0, sy = 0.0;
    const size_t n = poligono.size();
    for (size_t i = 0; i < n; ++i) {
        const Punto& a = poligono[i];
        const Punto& b = poligono[i + 1 == n ? 0 : i + 1];
        const double ai = (static_cast<double>(b.X) * a.Y - static_cast<double>(a.X) * b.Y) / 2.0;
        area += ai;
        sx += (static_cast<double>(a.X) + b.X) * ai / 3.0;
        sy += (static_cast<double>(a.Y) + b.Y) * ai / 3.0;
    }
    if (std::fabs(area) > 0.000001) {
        pos.XBaricentro = Arrotonda(sx / area, 2);
        pos.YBaricentro = Arrotonda(sy / area, 2);
    } else {
        pos.XBaricentro = 0.0f;
        pos.YBaricentro = 0.0f;
    }
}

// The polygon of the edit buffer, bounded by UltPuntoCorrente and by what the
// buffer really holds.
std::span<const Punto> PoligonoBuffer(const StatoInterfaccia& stato) {
    const size_t n = std::min(stato.PoligonoCorrente.size(),
                              static_cast<size_t>(std::max(stato.UltPuntoCorrente + 1, 0)));
    return {stato.PoligonoCorrente.data(), n};
}

void ChiudiPosizione(StatoInterfaccia& stato) {
    Baricentro(PoligonoBuffer(stato), stato.PosCorrente);
    stato.PosCorrente.UltVerticeZona = stato.UltPuntoCorrente;
}

// A direction cosine or sine within 1e-5 of 0 or of 1 taken as exact.
float Netto(double v) {
    float f = static_cast<float>(v);
    if (std::fabs(f) < 0.00001f) return 0.0f;
    if (std::fabs(f - 1.0f) < 0.00001f) return 1.0f;
    return f;
}

}  // namespace

void EstremiZonaDirezioni(StatoInterfaccia& stato) {
    const std::span<const Punto> poligono = PoligonoBuffer(stato);
    if (poligono.empty()) return;
    for (int d = 0; d < 2; ++d) {
        float xmin = 0.0f, ymin = 0.0f;
        RuotaInDirezione(d, poligono[0].X, poligono[0].Y, xmin, ymin);
        float xmax = xmin, ymax = ymin;
        for (const Punto& p : poligono) {
            float x = 0.0f, y = 0.0f;
            RuotaInDirezione(d, p.X, p.Y, x, y);
            if (x < xmin) xmin = x;
            if (x > xmax) xmax = x;
            if (y < ymin) ymin = y;
            if (y > ymax) ymax = y;
        }
        Punto& primo = stato.PosCorrente.EstDir[2 * d];
        Punto& secondo = stato.PosCorrente.EstDir[2 * d + 1];
        RuotaDaDirezione(d, xmin, ymin, primo.X, primo.Y);
        RuotaDaDirezione(d, xmax, ymax, secondo.X, secondo.Y);
    }
}

void CalcolaPosDirezioni(StatoInterfaccia& stato, const DerivatiParete& dir) {
    EstremiZonaDirezioni(stato);
    ChiudiPosizione(stato);

    PosizioneArm& pos = stato.PosCorrente;
    const bool lungoDir1 = pos.Direzione == 0;
    const Versore d1{dir.CosDir1, dir.SinDir1};
    const Versore d2{dir.CosDir2, dir.SinDir2};
    const Versore b = lungoDir1 ? d1 : d2;
    const Versore c = lungoDir1 ? d2 : d1;
    const Punto puntoA = lungoDir1 ? pos.EstDir[0] : pos.EstDir[2];
    const Punto puntoB = lungoDir1 ? pos.EstDir[1] : pos.EstDir[3];

    const bool nuova = stato.NuovoElemento != 0;
    const Punto inizioPrec{pos.Richiamo[0], pos.Richiamo[1]};
    const Punto puntoC = !nuova ? inizioPrec
                         : lungoDir1 ? Sposta(pos.EstDir[2], b, 25.0)
                                     : Sposta(pos.EstDir[0], b, -25.0);
    const Punto inizio = Incontro(puntoC, c, puntoA, b);
    const Punto fine = Incontro(puntoC, c, puntoB, b);

    Punto q;
    if (nuova) {
        // 20 cm beyond the last bar line, outside the zone.
        Punto b1, b2;
        const Punto da = Sposta(puntoB, b, 100.0), a = Sposta(puntoB, b, -100.0);
        SegmentoParallelo(da.X, da.Y, a.X, a.Y, b1.X, b1.Y, b2.X, b2.Y, -20.0f);
        q = IncontroRetta(puntoC, c, b1, b2);
    } else {
        ProiezionePunto(inizio.X, inizio.Y, fine.X, fine.Y, pos.XEtichetta, pos.YEtichetta, q.X, q.Y);
    }

    const bool qInInizio = std::fabs(q.X - inizio.X) < 0.001f && std::fabs(q.Y - inizio.Y) < 0.001f;
    const Punto etichetta = FineSpostata(qInInizio ? fine : inizio, q, -25.0f);
    pos.Richiamo = {inizio.X, inizio.Y, fine.X, fine.Y};
    pos.XEtichetta = etichetta.X;
    pos.YEtichetta = etichetta.Y;
}

void CalcolaPosRuotata(StatoInterfaccia& stato) {
    PosizioneArm& pos = stato.PosCorrente;
    const std::span<const Punto> poligono = PoligonoBuffer(stato);
    const float c = Netto(std::cos(pos.Angolo));
    const float s = Netto(std::sin(pos.Angolo));
    const float ci = Netto(std::cos(DuePi - pos.Angolo));
    const float si = Netto(std::sin(DuePi - pos.Angolo));
    const auto u = [&](Punto p) { return c * p.X + s * p.Y; };
    const auto v = [&](Punto p) { return c * p.Y - s * p.X; };
    const auto modello = [&](float uu, float vv) { return Punto{ci * uu + si * vv, ci * vv - si * uu}; };

    if (!poligono.empty()) {
        float umin = u(poligono[0]), umax = umin, vmin = v(poligono[0]), vmax = vmin;
        for (const Punto& p : poligono) {
            umin = std::min(umin, u(p));
            umax = std::max(umax, u(p));
            vmin = std::min(vmin, v(p));
            vmax = std::max(vmax, v(p));
        }
        float u0 = 0.0f, ue = 0.0f, ve = 0.0f;
        if (stato.NuovoElemento != 0) {
            u0 = (umin + umax) / 2.0f;
            ue = u0 + 30.0f;
            ve = vmin - 30.0f;
        } else {
            const Punto inizio{pos.Richiamo[0], pos.Richiamo[1]};
            const Punto etichetta{pos.XEtichetta, pos.YEtichetta};
            u0 = u(inizio);
            ue = u(etichetta);
            ve = v(etichetta);
        }
        pos.EstDir[0] = pos.EstDir[2] = modello(umin, vmin);
        pos.EstDir[1] = pos.EstDir[3] = modello(umax, vmax);
        const Punto inizio = modello(u0, vmax);
        const Punto fine = modello(u0, vmin);
        pos.Richiamo = {inizio.X, inizio.Y, fine.X, fine.Y};
        const Punto etichetta = modello(ue, ve);
        pos.XEtichetta = etichetta.X;
        pos.YEtichetta = etichetta.Y;
    }
    ChiudiPosizione(stato);
}

void TrascinaEtichettaPos(Parete& parete, const StatoInterfaccia& stato, const Vista& vista,
                          float x, float y) {
    const int i = stato.IndiceCorrente;
    if (i < 0 || i > parete.UltPosizione || i >= static_cast<int>(parete.Posizioni.size())) return;
    PosizioneArm& r = parete.Posizioni[i];
    const Punto p{XModello(vista, x), YModello(vista, y)};
    const float dx = r.Richiamo[0] - r.XEtichetta;
    const float dy = r.Richiamo[1] - r.YEtichetta;

    const Versore d1{parete.CosDir1, parete.SinDir1};
    const Versore d2{parete.CosDir2, parete.SinDir2};
    const bool lungoDir2 = r.Tipo == Cordolo ? r.Direzione != 1 : r.Direzione != 0;
    const Punto a = lungoDir2 ? r.EstDir[2] : r.EstDir[0];
    const Punto b = lungoDir2 ? r.EstDir[3] : r.EstDir[1];
    const Versore lungo = lungoDir2 ? d2 : d1;
    const Versore traverso = lungoDir2 ? d1 : d2;
    const Punto inizio = Incontro(p, traverso, a, lungo);
    const Punto fine = Incontro(p, traverso, b, lungo);
    r.Richiamo = {inizio.X, inizio.Y, fine.X, fine.Y};
    r.XEtichetta = inizio.X - dx;
    r.YEtichetta = inizio.Y - dy;
}
