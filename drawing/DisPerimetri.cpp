#include "drawing/DisPerimetri.h"

#include "drawing/Primitive.h"
#include "model/Parete.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace {

void Anello(std::span<const Punto> vertici, float offX, float offY, int stile,
            const Bersaglio& b) {
    const std::size_t n = vertici.size();
    if (n < 2) return;
    for (std::size_t i = 0; i < n; ++i) {
        const Punto& a = vertici[i];
        const Punto& c = vertici[(i + 1) % n];
        DisLinea(a.X + offX, a.Y + offY, c.X + offX, c.Y + offY, Layer::PerimPareti, stile, b);
    }
}

// The first n points of a closed array, as many as it holds.
std::span<const Punto> Vertici(const std::vector<Punto>& punti, int n) {
    const auto quanti = static_cast<std::size_t>(std::max(n, 0));
    return std::span<const Punto>(punti).first(std::min(quanti, punti.size()));
}

// Opening k's vertices, as many as the stored arrays hold.
std::vector<Punto> Apertura(const Parete& p, int k) {
    std::vector<Punto> vertici;
    const auto indice = static_cast<std::size_t>(k);
    if (indice >= p.PuntiApertura.size() || indice >= p.InizioApertura.size()) return vertici;
    const int inizio = p.InizioApertura[indice];
    const auto memorizzati = static_cast<int>(std::min(p.XAperture.size(), p.YAperture.size()));
    for (int j = 0; j < p.PuntiApertura[indice] && inizio + j < memorizzati; ++j) {
        if (inizio + j < 0) break;
        vertici.push_back({p.XApertura(k, j), p.YApertura(k, j)});
    }
    return vertici;
}

}  // namespace

void DisPerimetri(const Parete& parete, float offX, float offY, const Bersaglio& b) {
    Anello(Vertici(parete.PerimetroInterno, parete.NumPuntiInt), offX, offY, Stile::Punteggiato2,
           b);
    Anello(Vertici(parete.PerimetroEsterno, parete.NumPuntiEst), offX, offY, Stile::Pieno, b);
    for (int k = 0; k < parete.NumAperture; ++k)
        Anello(Apertura(parete, k), offX, offY, Stile::Pieno, b);
}
