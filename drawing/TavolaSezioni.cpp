#include "drawing/TavolaSezioni.h"

#include "drawing/DisSezVista.h"
#include "drawing/IntersezSezione.h"
#include "drawing/PosTagliateDaSezione.h"
#include "drawing/TavolaSezioniCordolo.h"
#include "drawing/TavolaSezioniFerri.h"
#include "drawing/TavolaSezioniMarcatori.h"
#include "drawing/TavolaSezioniTelaio.h"
#include "model/Parete.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {

constexpr float MargineSottoVista = 100.0f;
constexpr float MargineFoglio = 150.0f;
constexpr float PrimaOrizzontale = 150.0f;
constexpr float SottoLeVerticali = 160.0f;

enum class UltimaVista { Nessuna, Verticale, Orizzontale };

float Distanza(const Parete& parete, bool largo) {
    return (largo ? 5.0f : 3.0f) * parete.SpessoreParete + 215.0f;
}

// The positions of section k: developed when they lie in its plane, markers
// when it cuts them. Returns whether one lies in the plane.
bool DisPosizioni(const Parete& parete, int k, const TelaioSezione& telaio, const Bersaglio& b) {
    bool largo = false;
    const int ultima = std::min(parete.UltPosizione, static_cast<int>(parete.Posizioni.size()) - 1);
    for (int j = 0; j <= ultima; ++j) {
        const std::vector<float> incroci = PosTagliateDaSezione(parete, k, j);
        if (incroci.empty()) continue;
        const PosizioneArm& pos = parete.Posizioni[j];
        // Bars of direction 1 lie in a vertical section, of direction 2 in a horizontal one.
        if (pos.Direzione != parete.Sezioni[k].Orizzontale) {
            DisMarcatoriPosizione(parete, telaio, j, incroci, b);
            continue;
        }
        largo = true;
        if (pos.Tipo == IntegrativaPiu || pos.Tipo == IntegrativaMeno)
            DisPosizioneNelPiano(parete, telaio, k, j, b);
        else if (pos.Tipo == Cordolo)
            DisCordoloNelPiano(parete, telaio, j, incroci, b);
    }
    return largo;
}

}  // namespace

OrigineTavola OrigineSottoVista(const Parete& parete) {
    // The elevation's own extents: the view's may take in these sections.
    return {0.0f, parete.EstPianta.Ymin - MargineSottoVista};
}

OrigineTavola OrigineFoglio(const Parete& parete) {
    return {2.0f * (parete.LarghezzaVista + MargineFoglio), parete.AltezzaVista};
}

void DisTavolaSezioni(const Parete& parete, float x0, float y0, const Bersaglio& b) {
    if (b.Misura()) return;
    const float yV = y0 - parete.YmaxCornice + parete.YminCornice;
    float xV = x0, yH = y0, piuBasso = y0;
    UltimaVista ultima = UltimaVista::Nessuna;
    bool largo = false;
    const int ultSezione = std::min(parete.UltSezione, static_cast<int>(parete.Sezioni.size()) - 1);
    for (int k = 0; k <= ultSezione; ++k) {
        const std::vector<float> esterne = IntersezSezPerimEst(parete, k);
        if (esterne.size() < 2) {
            // No view: nothing to draw in, and no position widens the next gap.
            largo = false;
            continue;
        }
        TelaioSezione telaio;
        if (parete.Sezioni[k].Orizzontale == 0) {
            if (k > 0) xV += Distanza(parete, largo);
            piuBasso = std::min(piuBasso, DisSezVert(parete, k, esterne, xV, yV, b));
            telaio = TelaioVerticale(parete, xV, yV);
            ultima = UltimaVista::Verticale;
        } else {
            switch (ultima) {
                case UltimaVista::Nessuna: yH = y0 - PrimaOrizzontale; break;
                case UltimaVista::Verticale: yH = piuBasso - SottoLeVerticali; break;
                case UltimaVista::Orizzontale: yH -= Distanza(parete, largo); break;
            }
            DisSezOrizz(parete, k, esterne, x0, yH, b);
            telaio = TelaioOrizzontale(parete, x0, yH);
            ultima = UltimaVista::Orizzontale;
        }
        largo = DisPosizioni(parete, k, telaio, b);
        DisDiffusaNelPiano(parete, telaio, esterne, largo, b);
        DisDiffusaTagliata(parete, telaio, IntersezSezPerimInt(parete, k), b);
    }
}
