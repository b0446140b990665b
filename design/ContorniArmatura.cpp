#include "design/ContorniArmatura.h"

#include "model/Geometria.h"
#include "model/Parete.h"
#include "model/Poligoni.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

void RendiOrario(std::vector<Punto>& p) {
    if (!PuntiInSensoOrario(p)) InvertiPunti(p);
}

// New position of the vertex shared by side A (a0-a1) and side B (b0-b1),
// both moved by the cover to their right: the inside of a clockwise polygon.
Punto VerticeSpostato(Punto a0, Punto a1, Punto b0, Punto b1, float copriferro) {
    Punto a0s, a1s, b0s, b1s;
    SegmentoParallelo(a0.X, a0.Y, a1.X, a1.Y, a0s.X, a0s.Y, a1s.X, a1s.Y, -copriferro);
    SegmentoParallelo(b0.X, b0.Y, b1.X, b1.Y, b0s.X, b0s.Y, b1s.X, b1s.Y, -copriferro);
    Punto v;
    int stato = 0;
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(a0s.X, a0s.Y, a1s.X, a1s.Y, b0s.X, b0s.Y, b1s.X, b1s.Y,
                         v.X, v.Y, stato, xo, yo);
    if (stato <= StatoIntersezione::Parallele) {
        // Collinear sides have no crossing: the vertex moves straight across
        // by the cover, which keeps the contour's shape.
        v.X = (a1s.X + b0s.X) / 2.0f;
        v.Y = (a1s.Y + b0s.Y) / 2.0f;
    }
    return v;
}

// Moves every vertex 0..n-1 by the cover to the right of its sides (inward
// for a clockwise ring); lato(a, b) names the polygon whose vertices a and b
// bound the side between them. Returns a closed, clockwise array: a cover
// wider than a narrow part can turn the ring round.
template <class SceltaLato>
std::vector<Punto> ContornoSpostato(int n, float copriferro, SceltaLato lato) {
    std::vector<Punto> risultato(n + 1);
    for (int i = 0; i < n; ++i) {
        const int prec = (i == 0) ? n - 1 : i - 1;
        const int succ = (i == n - 1) ? 0 : i + 1;
        const std::vector<Punto>& pa = lato(prec, i);
        const std::vector<Punto>& pb = lato(i, succ);
        risultato[i] = VerticeSpostato(pa[prec], pa[i], pb[i], pb[succ], copriferro);
    }
    risultato[n] = risultato[0];
    RendiOrario(risultato);
    return risultato;
}

bool PerimetriCorrispondenti(const Parete& p) {
    return p.NumPuntiEst == p.NumPuntiContorno && p.NumPuntiInt == p.NumPuntiContorno;
}

// Contour of one distributed direction. The outline decides which perimeter
// bounds a side, the perimeter supplies where it lies: the inner one for a
// side that is vertical (direction 1) or horizontal (direction 2).
std::vector<Punto> ContornoDirezione(const Parete& p, bool direzione1) {
    const std::vector<Punto>& c = p.Contorno;
    auto lato = [&](int a, int b) -> const std::vector<Punto>& {
        const float scarto = direzione1 ? std::fabs(c[a].X - c[b].X) : std::fabs(c[a].Y - c[b].Y);
        return scarto < 0.1f ? p.PerimetroInterno : p.PerimetroEsterno;
    };
    return ContornoSpostato(p.NumPuntiContorno, p.Copriferro, lato);
}

// The contour of the outline itself, used when a perimeter has been edited
// to a different vertex count and vertex i no longer matches.
std::vector<Punto> ContornoDelContorno(const Parete& p) {
    auto lato = [&](int, int) -> const std::vector<Punto>& { return p.Contorno; };
    return ContornoSpostato(p.NumPuntiContorno, p.Copriferro, lato);
}

// The outer perimeter may have been edited into either orientation; moving
// its sides to the right shrinks it only when it runs clockwise.
std::vector<Punto> ContornoZone(const Parete& p) {
    std::vector<Punto> perimetro(p.PerimetroEsterno.begin(),
                                 p.PerimetroEsterno.begin() + p.NumPuntiEst + 1);
    RendiOrario(perimetro);
    auto lato = [&](int, int) -> const std::vector<Punto>& { return perimetro; };
    return ContornoSpostato(p.NumPuntiEst, p.Copriferro, lato);
}

// Opening k enlarged by the cover, stored closed and clockwise.
std::vector<Punto> ForoAllargato(const Parete& p, int k) {
    const int n = p.PuntiApertura[k];
    std::vector<Punto> foro(n + 1);
    for (int j = 0; j < n; ++j) foro[j] = {p.XApertura(k, j), p.YApertura(k, j)};
    foro[n] = foro[0];
    // Counter-clockwise, a shift to the right leaves the opening.
    if (PuntiInSensoOrario(foro)) InvertiPunti(foro);
    auto lato = [&](int, int) -> const std::vector<Punto>& { return foro; };
    return ContornoSpostato(n, p.Copriferro, lato);
}

// Box of the points 0..n-1 of poligono, in the bar frame of direzione.
Rettangolo Estensione(const std::vector<Punto>& poligono, int n, int direzione) {
    float x = 0.0f, y = 0.0f;
    RuotaInDirezione(direzione, poligono[0].X, poligono[0].Y, x, y);
    Rettangolo box{x, y, x, y};
    for (int i = 1; i < n; ++i) {
        RuotaInDirezione(direzione, poligono[i].X, poligono[i].Y, x, y);
        box.Xmin = std::min(box.Xmin, x);
        box.Ymin = std::min(box.Ymin, y);
        box.Xmax = std::max(box.Xmax, x);
        box.Ymax = std::max(box.Ymax, y);
    }
    return box;
}

}  // namespace

void CalcolaContorniArmatura(Parete& parete) {
    parete.NumPuntiArm = parete.NumPuntiContorno;

    if (PerimetriCorrispondenti(parete)) {
        parete.ContornoDir1 = ContornoDirezione(parete, true);
        parete.ContornoDir2 = ContornoDirezione(parete, false);
    } else {
        parete.ContornoDir1 = ContornoDelContorno(parete);
        parete.ContornoDir2 = parete.ContornoDir1;
    }

    parete.ContornoArmatura = ContornoZone(parete);

    // Without openings the old rings stay: nothing reads them then.
    if (parete.NumAperture > 0) {
        parete.ForiArmatura.assign(parete.NumAperture, {});
        for (int k = 0; k < parete.NumAperture; ++k) parete.ForiArmatura[k] = ForoAllargato(parete, k);
    }

    parete.EstArmDir1 = Estensione(parete.ContornoArmatura, parete.NumPuntiEst, 0);
    parete.EstArmDir2 = Estensione(parete.ContornoArmatura, parete.NumPuntiEst, 1);
}

bool ContorniPronti(const Parete& parete) {
    const auto completo = [&](const std::vector<Punto>& c) {
        return parete.NumPuntiArm > 0 && static_cast<int>(c.size()) > parete.NumPuntiArm;
    };
    return completo(parete.ContornoDir1) && completo(parete.ContornoDir2);
}
