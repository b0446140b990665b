#include "drawing/ManiglieZona.h"

#include "drawing/BersaglioSchermo.h"
#include "drawing/DisZonaSelezione.h"
#include "drawing/Palette.h"
#include "drawing/Vista.h"
#include "model/Impostazioni.h"
#include "model/PosizioneArm.h"
#include "model/StatoInterfaccia.h"

namespace {

// Numbers of the sixteen-colour palette.
constexpr int ManigliaSuNero = 13;    // light magenta
constexpr int ManigliaSuBianco = 4;   // dark red
constexpr int Bianco = 15;
constexpr int ColoreElastico = 14;    // yellow

// Half sides and the cross arm, pixels.
constexpr float MezzaManiglia = 3.0f;
constexpr float MezzoCentro = 4.0f;
constexpr float BraccioCroce = 12.0f;

void Quadrato(const BersaglioSchermo& b, float x, float y, float mezzo, int colore, bool pieno) {
    b.RiquadroVideo(x - mezzo, y - mezzo, x + mezzo, y + mezzo, colore, pieno);
}

}  // namespace

void DisManiglie(const PosizioneArm& zona, const BersaglioSchermo& b) {
    const Vista& v = b.VistaSchermo();
    const int colore =
        ColoreBase(b.Imp().SfondoBianco != 0 ? ManigliaSuBianco : ManigliaSuNero);
    for (const Punto& angolo : zona.Vertici)
        Quadrato(b, XSchermo(v, angolo.X), YSchermo(v, angolo.Y), MezzaManiglia, colore, true);

    const float cx = XSchermo(v, (zona.Vertici[0].X + zona.Vertici[2].X) / 2.0f);
    const float cy = YSchermo(v, (zona.Vertici[0].Y + zona.Vertici[2].Y) / 2.0f);
    const int bianco = ColoreBase(Bianco);
    b.LineaVideo(cx, cy - BraccioCroce, cx, cy + BraccioCroce, bianco);
    b.LineaVideo(cx - BraccioCroce, cy, cx + BraccioCroce, cy, bianco);
    Quadrato(b, cx, cy, MezzoCentro, bianco, false);
    Quadrato(b, cx, cy, MezzaManiglia, colore, true);
}

void DisZonaInModifica(const DerivatiParete& dir, const Impostazioni& imp, StatoInterfaccia& stato,
                       TelaSchermo& tela, const Vista& vista) {
    if (stato.Modo != ModoInput::ModificaZona && stato.MostraManiglie == 0) return;
    DisZonaSelezione(dir, imp, stato, vista, tela, {stato.XA, stato.YA}, {stato.XB, stato.YB},
                     ColoreElastico);
    DisManiglie(stato.PosCorrente, BersaglioSchermo(tela, StratoTela::Immagine, vista, imp));
    stato.MostraManiglie = 0;
}
