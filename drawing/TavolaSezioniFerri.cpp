#include "drawing/TavolaSezioniFerri.h"

#include "drawing/FormeFerri.h"
#include "drawing/Primitive.h"
#include "drawing/SolaiPareti.h"
#include "model/Layer.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A zone end within this of the contour end counts as reaching it.
constexpr float TolleranzaBordo = 0.001f;
// The slab marks run from before the "lato -" line to beyond the "lato +" one.
constexpr float SegnoSolaioPrima = 20.0f;
constexpr float SegnoSolaioDopo = 40.0f;
// The single-mesh bar of a horizontal section: between the two lines, further out.
constexpr float ScostamentoMagliaUnica = 0.8f;

void FerroVert(const Parete& parete, int posizione, int lato, float x, float offY, float y1,
               float y2, int diametro, float passo, int gambaIn, int gambaSu, int taglio,
               const Bersaglio& b) {
    // Split at the slabs of the bar's own stretch.
    std::vector<int> solai;
    int m = 0;
    SolaiNegliIntervalli(parete, {y1, y2}, 2, solai, m);
    DisFerroVert(parete, b.Imp(), posizione, lato, x, offY, y1, y2, diametro, passo, gambaIn,
                 gambaSu, solai, m, taglio, b);
}

}  // namespace

void DisPosizioneNelPiano(const Parete& parete, const TelaioSezione& telaio, int j,
                          std::span<const float> incroci, std::span<const float> esterne,
                          const Bersaglio& b) {
    if (j < 0 || j >= static_cast<int>(parete.Posizioni.size())) return;
    const PosizioneArm& pos = parete.Posizioni[j];
    const float base = pos.Tipo == IntegrativaPiu ? telaio.LineaPosPiu : telaio.LineaPosMeno;
    const float c = parete.Copriferro;
    for (size_t m = 0; m + 1 < incroci.size(); m += 2) {
        const float inizio = incroci[m], fine = incroci[m + 1];
        int gambaInizio = 0, gambaFine = 0;
        for (size_t i = 0; i + 1 < esterne.size(); i += 2) {
            if (std::fabs(esterne[i] + c - inizio) < TolleranzaBordo) gambaInizio = 1;
            if (std::fabs(esterne[i + 1] - c - fine) < TolleranzaBordo) gambaFine = 1;
        }
        if (telaio.Verticale)
            FerroVert(parete, j + 1, pos.Tipo, base, telaio.Origine, inizio, fine, pos.Diametro,
                      pos.Passo, gambaInizio, gambaFine, 1, b);
        else
            DisFerroOrizz(parete, b.Imp(), j + 1, pos.Tipo, base, telaio.Origine + inizio,
                          telaio.Origine + fine, pos.Diametro, pos.Passo, gambaInizio, gambaFine,
                          b);
    }
}

void DisDiffusaNelPiano(const Parete& parete, const TelaioSezione& telaio,
                        std::span<const float> esterne, bool largo, const Bersaglio& b) {
    const bool dir1 = telaio.Verticale;
    const int dPiu = dir1 ? parete.DiamDir1Piu : parete.DiamDir2Piu;
    const int dMeno = dir1 ? parete.DiamDir1Meno : parete.DiamDir2Meno;
    const float pPiu = dir1 ? parete.PassoDir1Piu : parete.PassoDir2Piu;
    const float pMeno = dir1 ? parete.PassoDir1Meno : parete.PassoDir2Meno;
    const float lineaMeno = telaio.LineaDiffusaMeno;
    const float lineaPiu = telaio.LineaDiffusaPiu(parete.SpessoreParete, largo);
    const bool unica = parete.MagliaUnica != 0;
    const float c = parete.Copriferro;
    for (size_t i = 0; i + 1 < esterne.size(); i += 2) {
        const float inizio = esterne[i] + c, fine = esterne[i + 1] - c;
        if (!telaio.Verticale) {
            const float x1 = telaio.Origine + inizio, x2 = telaio.Origine + fine;
            if (unica) {
                const float y = (lineaMeno + lineaPiu) / 2.0f - ScostamentoMagliaUnica;
                DisFerroOrizz(parete, b.Imp(), 0, 1, y, x1, x2, dMeno, pMeno, 1, 1, b);
                continue;
            }
            DisFerroOrizz(parete, b.Imp(), 0, 0, lineaPiu, x1, x2, dPiu, pPiu, 1, 1, b);
            DisFerroOrizz(parete, b.Imp(), 0, 1, lineaMeno, x1, x2, dMeno, pMeno, 1, 1, b);
            continue;
        }
        const int ultimo = std::min(parete.UltSolaio, static_cast<int>(parete.Solai.size()) - 1);
        for (int k = 0; k <= ultimo; ++k) {
            const float cima = parete.Solai[k].Coordinata + parete.Solai[k].Spessore1;
            if (cima < esterne[i] || cima > esterne[i + 1]) continue;
            const float y = telaio.Origine + cima;
            DisLinea(lineaMeno - SegnoSolaioPrima, y, lineaPiu + SegnoSolaioDopo, y, Layer::Tratteggi,
                     Stile::Punteggiato, b);
        }
        if (!unica)
            FerroVert(parete, 0, 0, lineaPiu, telaio.Origine, inizio, fine, dPiu, pPiu, 1, 1, 0,
                      b);
        FerroVert(parete, 0, 1, lineaMeno, telaio.Origine, inizio, fine, dMeno, pMeno, 1, 1, 0, b);
    }
}
