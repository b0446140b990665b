#include "drawing/TavolaSezioniFerri.h"

#include "drawing/FerriZona.h"
#include "drawing/FormeFerri.h"
#include "drawing/Primitive.h"
#include "drawing/SolaiPareti.h"
#include "model/Geometria.h"
#include "model/Layer.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

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

void DisPosizioneNelPiano(const Parete& parete, const TelaioSezione& telaio, int k, int j,
                          const Bersaglio& b) {
    if (k < 0 || k >= static_cast<int>(parete.Sezioni.size()) || j < 0 ||
        j >= static_cast<int>(parete.Posizioni.size()) ||
        j >= static_cast<int>(parete.PoligoniPos.size()))
        return;
    const PosizioneArm& pos = parete.Posizioni[j];
    const LineaSezione& sezione = parete.Sezioni[k];
    // The bars lie in the plane: the section's own frame is their bar frame,
    // where the cut is the line y from xa to xb.
    const int direzione = sezione.Orizzontale;
    Punto p0, p1;
    RuotaInDirezione(direzione, sezione.P0.X, sezione.P0.Y, p0.X, p0.Y);
    RuotaInDirezione(direzione, sezione.P1.X, sezione.P1.Y, p1.X, p1.Y);
    const std::vector<Punto>& riga = parete.PoligoniPos[j];
    const int vertici = std::clamp(pos.UltVerticeZona + 1, 0, static_cast<int>(riga.size()));
    if (vertici < 3) return;
    LineaFerri linea;
    FerriSullaLinea(RuotaAnello(direzione, std::span(riga).first(vertici)),
                    ContornoGambe(parete, direzione), std::min(p0.X, p1.X), std::max(p0.X, p1.X),
                    p0.Y, linea);
    const PosaFerro posa{.Posizione = j + 1,
                         .Lato = pos.Tipo,
                         .Linea = pos.Tipo == IntegrativaPiu ? telaio.LineaPosPiu : telaio.LineaPosMeno,
                         .Origine = telaio.Origine};
    std::vector<int> solai;
    for (const FerroZona& f : linea.Ferri)
        DisFerroZona(parete, b.Imp(), direzione, f, pos.Diametro, pos.Passo, posa, solai, b);
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
