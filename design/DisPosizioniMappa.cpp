#include "design/DisPosizioniMappa.h"

#include "design/ArmaturaPosizioniAnteprima.h"
#include "drawing/BersaglioSchermo.h"
#include "drawing/Palette.h"
#include "drawing/Primitive.h"
#include "model/Layer.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int ColoreZona = 13;  // light magenta
constexpr float RaggioCerchio = 20.0f;
constexpr int TipoNumero = 2;

bool MostraInMappa(const PosizioneArm& pos, const StatoInterfaccia& stato) {
    return pos.Tipo == Cordolo ||
           (pos.Tipo == stato.LatoAttivo && pos.Direzione == stato.DirezioneAttiva);
}

// The zone polygon's vertices 0 to UltVerticeZona, closed, dotted.
void PoligonoZona(const std::vector<Punto>& poligono, int ultimo, const BersaglioSchermo& b) {
    const int n = std::min(ultimo + 1, static_cast<int>(poligono.size()));
    if (n < 2) return;
    const Vista& v = b.VistaSchermo();
    const int colore = ColoreBase(ColoreZona);
    for (int i = 0; i < n; ++i) {
        const Punto& a = poligono[i];
        const Punto& c = poligono[(i + 1) % n];
        b.LineaVideo(XSchermo(v, a.X), YSchermo(v, a.Y), XSchermo(v, c.X), YSchermo(v, c.Y),
                     colore, StileTratto::Punteggiato);
    }
}

}  // namespace

void DisPosizioniMappa(const Parete& parete, const StatoInterfaccia& stato, TelaSchermo& tela,
                       const BersaglioSchermo& b) {
    const int ultima = std::min(parete.UltPosizione, static_cast<int>(parete.Posizioni.size()) - 1);
    for (int i = 0; i <= ultima; ++i) {
        const PosizioneArm& pos = parete.Posizioni[i];
        if (!MostraInMappa(pos, stato)) continue;
        DisBarrePosizione(parete, i, stato.DirezioneAttiva, stato.LatoAttivo, tela, b.Strato(),
                          b.VistaSchermo());
        if (i < static_cast<int>(parete.PoligoniPos.size()))
            PoligonoZona(parete.PoligoniPos[i], pos.UltVerticeZona, b);
        const bool aperta = stato.Modo == ModoInput::PosizioneAperta && i == stato.IndiceCorrente;
        DisCerchio(pos.XBaricentro, pos.YBaricentro, RaggioCerchio, Layer::PerimPilastri,
                   aperta ? Stile::Giallo : Stile::Pieno, b);
        ScriviTesto(pos.XBaricentro, pos.YBaricentro, std::to_string(i + 1), TipoNumero,
                    Layer::ArmIntegr2, Allinea::Centro, Allinea::Mezzo, 0.0f, b);
    }
}
