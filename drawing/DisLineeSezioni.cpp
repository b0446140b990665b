#include "drawing/DisLineeSezioni.h"

#include "drawing/Primitive.h"
#include "model/Layer.h"
#include "model/Parete.h"

#include <algorithm>
#include <string>

namespace {

constexpr float ScostoNumero = 10.0f;  // cm from the cut's ends to the numbers
constexpr int TipoNumero = 1;

}  // namespace

void DisLineeSezioni(const ProgettoParete& progetto, float offX, float offY, const Bersaglio& b) {
    if (!b.LayerAttivo(Layer::LineeSezioni)) return;
    const int ultima = std::min(progetto.UltSezione, static_cast<int>(progetto.Sezioni.size()) - 1);
    for (int k = 0; k <= ultima; ++k) {
        const LineaSezione& s = progetto.Sezioni[k];
        const auto linea = [&](const Punto& a, const Punto& c, int stile) {
            DisLinea(a.X + offX, a.Y + offY, c.X + offX, c.Y + offY, Layer::LineeSezioni, stile, b);
        };
        linea(s.P2, s.P3, Stile::Pieno);
        linea(s.P3, s.P0, Stile::Pieno);
        linea(s.P0, s.P1, Stile::Punteggiato);
        linea(s.P1, s.P4, Stile::Pieno);
        linea(s.P4, s.P5, Stile::Pieno);

        const std::string numero = std::to_string(k + 1);
        const auto testo = [&](float x, float y) {
            ScriviTesto(x + offX, y + offY, numero, TipoNumero, Layer::LineeSezioni,
                        Allinea::Centro, Allinea::Mezzo, 0.0f, b);
        };
        testo(s.P0.X - ScostoNumero, s.P0.Y - ScostoNumero);
        if (s.Orizzontale == 0)
            testo(s.P1.X - ScostoNumero, s.P1.Y + ScostoNumero);
        else
            testo(s.P1.X + ScostoNumero, s.P1.Y - ScostoNumero);
    }
}
