#include "design/TriangolazioneBaricentro.h"

#include "model/Geometria.h"

#include <algorithm>

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
}

void FiltroBaricentri::AggiungiPoligono(const std::vector<Punto>& vertici) {
    Poligono poligono{lati_.size(), lati_.size()};
    const std::size_t n = vertici.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Punto a = vertici[i];
        const Punto b = vertici[i + 1 == n ? 0 : i + 1];
        lati_.push_back({a, b, Orientamento(a.X, a.Y, b.X, b.Y, xr_, yr_)});
    }
    poligono.Fine = lati_.size();
    poligoni_.push_back(poligono);
}

bool FiltroBaricentri::Dentro(const Poligono& poligono, const Punto& g) const {
    int attraversamenti = 0;
    for (std::size_t i = poligono.Primo; i < poligono.Fine; ++i) {
        const Lato& l = lati_[i];
        // A crossing inside both segments needs each to straddle the other's
        // line, as IntersezioneSegmenti itself asks before calling it one.
        if (Orientamento(l.A.X, l.A.Y, l.B.X, l.B.Y, g.X, g.Y) * l.VersoRiferimento > 0) continue;
        if (Orientamento(g.X, g.Y, xr_, yr_, l.A.X, l.A.Y) * Orientamento(g.X, g.Y, xr_, yr_, l.B.X, l.B.Y) > 0) {
            continue;
        }
        float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
        int stato = 0;
        IntersezioneSegmenti(g.X, g.Y, xr_, yr_, l.A.X, l.A.Y, l.B.X, l.B.Y, xi, yi, stato, xo, yo);
        if (stato == StatoIntersezione::Interna) ++attraversamenti;
    }
    return attraversamenti % 2 == 1;
}

bool FiltroBaricentri::FuoriParete(const Punto& g) const {
    if (!Dentro(poligoni_.front(), g)) return true;
    for (std::size_t k = 1; k < poligoni_.size(); ++k) {
        if (Dentro(poligoni_[k], g)) return true;
    }
    return false;
}
