#include "drawing/LegendaTavola.h"

#include "drawing/LegendaSimbolo.h"
#include "drawing/LegendaTesti.h"
#include "drawing/Primitive.h"
#include "model/Layer.h"
#include "model/Parete.h"

#include <algorithm>
#include <string>

namespace {

// Text size classes of the primitives.
constexpr int Testo20 = 0;
constexpr int Testo25 = 1;
constexpr int Testo42 = 2;

constexpr float LarghezzaTabella = 220.0f;

void Scrivi(float x, float y, const std::string& testo, int tipo, int allineaH, int allineaV,
            const Bersaglio& b) {
    ScriviTesto(x, y, testo, tipo, Layer::TestoFerri, allineaH, allineaV, 0.0f, b);
}

// One direction of the distributed block: the symbol centred on (xs, y - 70)
// and its three texts at xt.
void Direzione(float xs, float xt, float y, double coseno, double seno, int numero, int diametro,
               float passo, int layer, const Bersaglio& b) {
    const float c = static_cast<float>(coseno), s = static_cast<float>(seno);
    const float yc = y - 70.0f;
    for (const auto& t : SimboloDirezione(xs - 25.0f * c, yc - 25.0f * s, xs + 25.0f * c,
                                          yc + 25.0f * s, 10.0f))
        DisLinea(t.X1, t.Y1, t.X2, t.Y2, layer, Stile::Pieno, b);
    Scrivi(xt, y - 45.0f, "dir. " + std::to_string(numero), Testo25, Allinea::Sinistra,
           Allinea::Alto, b);
    Scrivi(xt, y - 65.0f, TestoDiametroPasso(SegnoDiametro, diametro, passo), Testo20,
           Allinea::Sinistra, Allinea::Alto, b);
    Scrivi(xt, y - 85.0f, TestoAreaStrato(diametro, passo), Testo20, Allinea::Sinistra,
           Allinea::Alto, b);
}

void BloccoDiffusa(float x, float y, const Parete& p, bool latoPiu, const Bersaglio& b) {
    Direzione(x + 30.0f, x + 70.0f, y, p.CosDir1, p.SinDir1, 1,
              latoPiu ? p.DiamDir1Piu : p.DiamDir1Meno, latoPiu ? p.PassoDir1Piu : p.PassoDir1Meno,
              Layer::ArmDiffusa1, b);
    Direzione(x + 210.0f, x + 250.0f, y, p.CosDir2, p.SinDir2, 2,
              latoPiu ? p.DiamDir2Piu : p.DiamDir2Meno, latoPiu ? p.PassoDir2Piu : p.PassoDir2Meno,
              Layer::ArmDiffusa2, b);
}

void Regola(float x, float y, const Bersaglio& b) {
    DisLinea(x, y, x + LarghezzaTabella, y, Layer::PosIntegrativa, Stile::Pieno, b);
}

// The positions of one face, numbered as in the list; nothing while the list
// is empty, the header and an empty frame while only the other face has some.
void TabellaPosizioni(float x, float y, const Parete& p, int tipo, const Bersaglio& b) {
    if (p.UltPosizione < 0) return;
    Scrivi(x + 10.0f, y - 25.0f, "Pos.", Testo20, Allinea::Sinistra, Allinea::Basso, b);
    Scrivi(x + 63.0f, y - 25.0f, "Dir.", Testo20, Allinea::Sinistra, Allinea::Basso, b);
    Scrivi(x + 115.0f, y - 25.0f, "Diam./Passo", Testo20, Allinea::Sinistra, Allinea::Basso, b);
    Regola(x, y - 5.0f, b);
    Regola(x, y - 25.0f, b);

    int righe = 0;
    const int ultima = std::min(p.UltPosizione, static_cast<int>(p.Posizioni.size()) - 1);
    for (int j = 0; j <= ultima; ++j) {
        const PosizioneArm& pos = p.Posizioni[j];
        if (pos.Tipo != tipo) continue;
        const float yr = y - 45.0f - 20.0f * static_cast<float>(righe);
        Scrivi(x + 25.0f, yr, std::to_string(j + 1), Testo20, Allinea::Centro, Allinea::Basso, b);
        Scrivi(x + 71.0f, yr, NumeroConSpazio(pos.Direzione + 1), Testo20, Allinea::Centro,
               Allinea::Basso, b);
        Scrivi(x + 115.0f, yr,
               std::string(SegnoDiametro) + NumeroConSpazio(pos.Diametro) + " /" +
                   NumeroConSpazio(pos.Passo),
               Testo20, Allinea::Sinistra, Allinea::Basso, b);
        Regola(x, y - 25.0f - 20.0f * static_cast<float>(righe), b);
        ++righe;
    }
    const float fondo = y - 25.0f - 20.0f * static_cast<float>(righe);
    Regola(x, fondo, b);
    for (const float xv : {x, x + 50.0f, x + 100.0f, x + LarghezzaTabella})
        DisLinea(xv, y - 5.0f, xv, fondo, Layer::PosIntegrativa, Stile::Pieno, b);
}

}  // namespace

void LegendaTavola(float x, float y, int vista, const Parete& parete, const Bersaglio& b) {
    const std::string latoMeno = parete.MagliaUnica != 0 ? "" : " lato -";
    switch (vista) {
        case 0:
            Scrivi(x, y + 25.0f, "Parete " + NumeroConSpazio(parete.NumeroParete), Testo42,
                   Allinea::Sinistra, Allinea::Basso, b);
            Scrivi(x, y, "Armatura diffusa lato +", Testo25, Allinea::Sinistra, Allinea::Basso, b);
            BloccoDiffusa(x, y, parete, true, b);
            break;
        case 1:
            Scrivi(x, y, "Armatura diffusa" + latoMeno, Testo25, Allinea::Sinistra, Allinea::Basso,
                   b);
            BloccoDiffusa(x, y, parete, false, b);
            break;
        case 2:
            Scrivi(x, y, "Armatura integrativa lato +", Testo25, Allinea::Sinistra, Allinea::Basso,
                   b);
            TabellaPosizioni(x, y, parete, TipoPosizione::IntegrativaPiu, b);
            break;
        case 3:
            Scrivi(x, y, "Armatura integrativa" + latoMeno, Testo25, Allinea::Sinistra,
                   Allinea::Basso, b);
            TabellaPosizioni(x, y, parete, TipoPosizione::IntegrativaMeno, b);
            break;
        default:
            break;
    }
}
