#include "drawing/DisSolaiPareti.h"

#include "drawing/Primitive.h"
#include "drawing/SolaiPareti.h"
#include "model/Layer.h"
#include "model/Parete.h"

#include <algorithm>
#include <vector>

namespace {

void Lato(float x1, float y1, float x2, float y2, const Bersaglio& b) {
    DisLinea(x1, y1, x2, y2, Layer::PerimPareti, Stile::Pieno, b);
}

// The elements 0 to ult of a list, as many as it holds.
int Quanti(const std::vector<SolaioParete>& lista, int ult) {
    return std::clamp(ult + 1, 0, static_cast<int>(lista.size()));
}

// Start and end of each stretch of the band along its axis; n is the upper
// bound that the interval procedures give.
void PerTratto(const std::vector<Punto>& punti, int n, auto lungo, auto disegna) {
    const int ultimo = std::min(n, static_cast<int>(punti.size()) - 1);
    for (int i = 0; i + 1 <= ultimo; i += 2) disegna(lungo(punti[i]), lungo(punti[i + 1]));
}

}  // namespace

void DisSolai(const Parete& parete, float offX, float offY, const Bersaglio& b) {
    for (int k = 0; k < Quanti(parete.Solai, parete.UltSolaio); ++k) {
        const SolaioParete& s = parete.Solai[k];
        std::vector<Punto> punti;
        int n = -1;
        IntervalliSolaio(parete, s, punti, n);
        const float alto = s.Coordinata + s.Spessore1 + offY;
        const float basso = s.Coordinata - s.Spessore2 + offY;
        PerTratto(punti, n, [](const Punto& p) { return p.X; }, [&](float inizio, float fine) {
            const float x1 = inizio + offX, x2 = fine + offX;
            Lato(x1, alto, x2, alto, b);
            Lato(x1, basso, x2, basso, b);
            Lato(x1, alto, x1, basso, b);
            Lato(x2, alto, x2, basso, b);
        });
    }
}

void DisPareti(const Parete& parete, float offX, float offY, const Bersaglio& b) {
    for (int k = 0; k < Quanti(parete.ParetiTrasversali, parete.UltParete); ++k) {
        const SolaioParete& w = parete.ParetiTrasversali[k];
        std::vector<Punto> punti;
        int n = -1;
        IntervalliParete(parete, w, punti, n);
        const float sinistra = w.Coordinata - w.Spessore1 + offX;
        const float destra = w.Coordinata + w.Spessore2 + offX;
        PerTratto(punti, n, [](const Punto& p) { return p.Y; }, [&](float inizio, float fine) {
            const float y1 = inizio + offY, y2 = fine + offY;
            Lato(sinistra, y1, sinistra, y2, b);
            Lato(destra, y1, destra, y2, b);
            Lato(sinistra, y1, destra, y1, b);
            Lato(sinistra, y2, destra, y2, b);
        });
    }
}
