#include "design/TriangolazioneBaricentro.h"

#include "model/Geometria.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The rounding unit of double.
constexpr double Unita = std::numeric_limits<double>::epsilon() / 2.0;

// The tolerances of the ray test: Orientamento calls a turn only past this
// cross product; IntersezioneSegmenti takes lines whose cross product is
// within the next one as parallel, and a crossing within the last one of an
// end, along both axes, as that end.
constexpr double SogliaTurno = 0.0001;
constexpr double SogliaParallele = 0.01;
constexpr double SogliaEstremo = 0.001;

int Segno(double v) { return v > 0.0 ? 1 : -1; }

}  // namespace

FiltroBaricentri::FiltroBaricentri(const Parete& parete) {
    // The reference point and the sides are those of PuntoInPerimetro.
    const double rx = parete.XminCornice - 200.74977;
    const double ry = (static_cast<double>(parete.YminCornice) + parete.YmaxCornice) / 2.0 - 0.531777;
    xr_ = static_cast<float>(rx);
    yr_ = static_cast<float>(ry);

    const int latiContorno = std::min(parete.NumPuntiContorno, static_cast<int>(parete.Contorno.size()));
    std::vector<Punto> vertici(parete.Contorno.begin(), parete.Contorno.begin() + std::max(latiContorno, 0));
    AggiungiPoligono(vertici);
    for (int k = 0; k < parete.NumAperture; ++k) {
        vertici.clear();
        if (k < static_cast<int>(parete.PuntiApertura.size()) && k < static_cast<int>(parete.InizioApertura.size())) {
            const int inizio = parete.InizioApertura[k];
            const int lati = std::min(parete.PuntiApertura[k], static_cast<int>(parete.XAperture.size()) - inizio);
            for (int j = 0; j < lati; ++j) vertici.push_back({parete.XApertura(k, j), parete.YApertura(k, j)});
        }
        AggiungiPoligono(vertici);
    }
    PreparaPendenze();
}

void FiltroBaricentri::AggiungiPoligono(const std::vector<Punto>& vertici) {
    Poligono poligono{lati_.size(), lati_.size()};
    const std::size_t n = vertici.size();
    for (std::size_t i = 0; i < n; ++i) {
        Lato l;
        l.A = vertici[i];
        l.B = vertici[i + 1 == n ? 0 : i + 1];
        l.VersoRiferimento = Orientamento(l.A.X, l.A.Y, l.B.X, l.B.Y, xr_, yr_);
        l.Dx = static_cast<double>(l.B.X) - l.A.X;
        l.Dy = static_cast<double>(l.B.Y) - l.A.Y;
        l.Lunghezza = std::fabs(l.Dx) + std::fabs(l.Dy);
        l.TurnoRiferimento = (static_cast<double>(yr_) - l.A.Y) * l.Dx - (static_cast<double>(xr_) - l.A.X) * l.Dy;
        lati_.push_back(l);
    }
    poligono.Fine = lati_.size();
    poligoni_.push_back(poligono);
}

void FiltroBaricentri::PreparaPendenze() {
    conPendenze_ = std::isfinite(xr_) && std::isfinite(yr_);
    distanzaMinima_ = std::numeric_limits<double>::infinity();
    xmax_ = xr_;
    ymin_ = ymax_ = yr_;
    for (const Lato& l : lati_) {
        for (const Punto& v : {l.A, l.B}) {
            conPendenze_ = conPendenze_ && std::isfinite(v.X) && std::isfinite(v.Y);
            distanzaMinima_ = std::min(distanzaMinima_, static_cast<double>(v.X) - xr_);
            xmax_ = std::max(xmax_, static_cast<double>(v.X));
            ymin_ = std::min(ymin_, static_cast<double>(v.Y));
            ymax_ = std::max(ymax_, static_cast<double>(v.Y));
        }
    }
    conPendenze_ = conPendenze_ && distanzaMinima_ > 0.0;
    if (!conPendenze_) return;
    for (Lato& l : lati_) {
        const double a = Pendenza(l.A);
        const double b = Pendenza(l.B);
        l.PendenzaMin = std::min(a, b);
        l.PendenzaMax = std::max(a, b);
        pendenzaMassima_ = std::max({pendenzaMassima_, std::fabs(a), std::fabs(b)});
    }
}

double FiltroBaricentri::Pendenza(const Punto& v) const {
    return (static_cast<double>(v.Y) - yr_) / (static_cast<double>(v.X) - xr_);
}

FiltroBaricentri::Raggio FiltroBaricentri::RaggioDa(const Punto& g) const {
    Raggio raggio;
    raggio.G = g;
    const double u = static_cast<double>(g.X) - xr_;
    if (!conPendenze_ || !(u > 0.0) || !std::isfinite(g.X) || !std::isfinite(g.Y)) return raggio;
    raggio.Dx = static_cast<double>(xr_) - g.X;
    raggio.Dy = static_cast<double>(yr_) - g.Y;
    raggio.Lunghezza = std::fabs(raggio.Dx) + std::fabs(raggio.Dy);
    // Every coordinate and difference the ray test takes lies within the box
    // of the sides, the reference point and g. A product of two differences,
    // and a difference of two of them, is off by a few units of its size.
    const double xmax = std::max(xmax_, static_cast<double>(g.X));
    const double ymin = std::min(ymin_, static_cast<double>(g.Y));
    const double ymax = std::max(ymax_, static_cast<double>(g.Y));
    const double l = std::max(xmax - xr_, ymax - ymin);
    const double m = std::max({std::fabs(static_cast<double>(xr_)), std::fabs(xmax), std::fabs(ymin), std::fabs(ymax)});
    raggio.ErroreTurno = 32.0 * Unita * l * l;
    raggio.ErroreIncrocio = 256.0 * Unita * m * l * l;
    raggio.ErroreArrotondamento = 4.0 * static_cast<double>(std::numeric_limits<float>::epsilon()) * m;
    // The cross product of Orientamento(g, r, v) is, exactly,
    // (g.X - r.X) (v.X - r.X) (slope of g - slope of v): the margin keeps it
    // past the threshold by more than its roundings and those of the slopes.
    const double pendenza = Pendenza(g);
    const double margine = 2.0 * (SogliaTurno + raggio.ErroreTurno) / (u * distanzaMinima_) +
                           16.0 * Unita * (std::fabs(pendenza) + pendenzaMassima_);
    raggio.PendenzaMin = pendenza - margine;
    raggio.PendenzaMax = pendenza + margine;
    raggio.Valido = std::isfinite(raggio.PendenzaMin) && std::isfinite(raggio.PendenzaMax) &&
                    std::isfinite(raggio.ErroreIncrocio);
    return raggio;
}

// The steps of the ray test on the side, each taken only where the cross
// product computed here is clear of the test's tolerance by more than the
// roundings of both computations.
FiltroBaricentri::Esito FiltroBaricentri::Classifica(const Lato& l, const Raggio& r) {
    const Punto& g = r.G;
    const double soglia = SogliaTurno + r.ErroreTurno;
    // Orientamento(A, B, g), to be set against the reference point's.
    const double turnoG = (static_cast<double>(g.Y) - l.A.Y) * l.Dx - (static_cast<double>(g.X) - l.A.X) * l.Dy;
    if (std::fabs(turnoG) <= soglia) return Esito::Incerto;
    if (Segno(turnoG) * l.VersoRiferimento > 0) return Esito::Fuori;
    // Orientamento(g, r, A) and Orientamento(g, r, B).
    const double turnoA = (static_cast<double>(l.A.Y) - g.Y) * r.Dx - (static_cast<double>(l.A.X) - g.X) * r.Dy;
    const double turnoB = (static_cast<double>(l.B.Y) - g.Y) * r.Dx - (static_cast<double>(l.B.X) - g.X) * r.Dy;
    if (std::fabs(turnoA) <= soglia || std::fabs(turnoB) <= soglia) return Esito::Incerto;
    if (Segno(turnoA) == Segno(turnoB)) return Esito::Fuori;
    // The segments cross: IntersezioneSegmenti calls it Interna unless the
    // lines are nearly parallel or the crossing point it computes is within
    // its tolerance of an end, which needs the end that near the other line.
    const double denominatore = std::fabs(r.Dx * l.Dy - r.Dy * l.Dx);
    if (denominatore <= SogliaParallele + r.ErroreTurno) return Esito::Incerto;
    const double distanza = 1.5 * SogliaEstremo + r.ErroreIncrocio / (denominatore - r.ErroreTurno) +
                            r.ErroreArrotondamento;
    const double sogliaLato = distanza * l.Lunghezza + r.ErroreTurno;
    const double sogliaRaggio = distanza * r.Lunghezza + r.ErroreTurno;
    if (std::fabs(turnoG) <= sogliaLato || std::fabs(l.TurnoRiferimento) <= sogliaLato ||
        std::fabs(turnoA) <= sogliaRaggio || std::fabs(turnoB) <= sogliaRaggio) {
        return Esito::Incerto;
    }
    return Esito::Attraversa;
}

// The ray test on one side, as PuntoInPerimetro runs it.
bool FiltroBaricentri::Attraversa(const Lato& l, const Punto& g) const {
    // A crossing inside both segments needs each to straddle the other's
    // line, as IntersezioneSegmenti itself asks before calling it one.
    if (Orientamento(l.A.X, l.A.Y, l.B.X, l.B.Y, g.X, g.Y) * l.VersoRiferimento > 0) return false;
    if (Orientamento(g.X, g.Y, xr_, yr_, l.A.X, l.A.Y) * Orientamento(g.X, g.Y, xr_, yr_, l.B.X, l.B.Y) > 0) {
        return false;
    }
    float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
    int stato = 0;
    IntersezioneSegmenti(g.X, g.Y, xr_, yr_, l.A.X, l.A.Y, l.B.X, l.B.Y, xi, yi, stato, xo, yo);
    return stato == StatoIntersezione::Interna;
}

bool FiltroBaricentri::Dentro(const Poligono& poligono, const Raggio& raggio) const {
    int attraversamenti = 0;
    for (std::size_t i = poligono.Primo; i < poligono.Fine; ++i) {
        const Lato& l = lati_[i];
        if (raggio.Valido) {
            if (l.PendenzaMax < raggio.PendenzaMin || l.PendenzaMin > raggio.PendenzaMax) continue;
            const Esito esito = Classifica(l, raggio);
            if (esito != Esito::Incerto) {
                attraversamenti += esito == Esito::Attraversa;
                continue;
            }
        }
        attraversamenti += Attraversa(l, raggio.G);
    }
    return attraversamenti % 2 == 1;
}

bool FiltroBaricentri::FuoriParete(const Punto& g) const {
    const Raggio raggio = RaggioDa(g);
    if (!Dentro(poligoni_.front(), raggio)) return true;
    for (std::size_t k = 1; k < poligoni_.size(); ++k) {
        if (Dentro(poligoni_[k], raggio)) return true;
    }
    return false;
}
