#include "drawing/DisEtichettaPos.h"

#include "drawing/Primitive.h"
#include "model/Geometria.h"
#include "model/Layer.h"
#include "model/Parete.h"

#include <cmath>
#include <string>

namespace {

constexpr float RaggioEtichetta = 14.0f;
// The texts start this far from the label point, cm.
constexpr float ScostamentoTesti = 18.0f;
// Half the distance between the two text lines, cm.
constexpr float MezzaInterlinea = 9.0f;

}  // namespace

void DisEtichettaPos(const Parete& parete, float offX, float offY, int p,
                     const std::string& testo1, const std::string& testo2, const Bersaglio& b) {
    if (p < 0 || p > parete.UltPosizione || p >= static_cast<int>(parete.Posizioni.size())) return;
    const PosizioneArm& pos = parete.Posizioni[p];
    const Punto e{pos.XEtichetta, pos.YEtichetta};
    const Punto r0{pos.Richiamo[0], pos.Richiamo[1]};
    const Punto r1{pos.Richiamo[2], pos.Richiamo[3]};
    Punto q, t;
    ProiezionePunto(r0.X, r0.Y, r1.X, r1.Y, e.X, e.Y, q.X, q.Y);
    PuntoADistanza(e.X, e.Y, q.X, q.Y, t.X, t.Y, RaggioEtichetta);

    const auto linea = [&](Punto a, Punto c) {
        DisLinea(a.X + offX, a.Y + offY, c.X + offX, c.Y + offY, Layer::PosIntegrativa,
                 Stile::Pieno, b);
    };
    linea(q, t);
    const float l = Distanza(r0.X, r0.Y, r1.X, r1.Y);
    const float d0 = Distanza(r0.X, r0.Y, q.X, q.Y);
    const float d1 = Distanza(r1.X, r1.Y, q.X, q.Y);
    if (std::fabs(l - d0 - d1) < 0.001f)
        linea(r0, r1);
    else if (d0 > l)
        linea(q, r0);  // beyond r1: the leader runs on to meet the label
    else
        linea(q, r1);
    DisCerchio(e.X + offX, e.Y + offY, RaggioEtichetta, Layer::PosIntegrativa, Stile::Pieno, b);
    ScriviTesto(e.X + offX, e.Y + offY, std::to_string(p + 1), 3, Layer::TestoQuote,
                Allinea::Centro, Allinea::Mezzo, 0.0f, b);

    if (testo1.empty()) return;
    const bool aDestra = t.X > r0.X || q.X > r1.X;
    const float x = aDestra ? e.X + ScostamentoTesti : e.X - ScostamentoTesti;
    const int allinea = aDestra ? Allinea::Sinistra : Allinea::Destra;
    const auto testo = [&](float y, const std::string& s) {
        ScriviTesto(x + offX, y + offY, s, 0, Layer::TestoQuote, allinea, Allinea::Mezzo, 0.0f, b);
    };
    if (testo2.empty()) {
        testo(e.Y, testo1);
    } else {
        testo(e.Y + MezzaInterlinea, testo1);
        testo(e.Y - MezzaInterlinea, testo2);
    }
}
