#include "drawing/FormeFerri.h"

#include "drawing/FormeFerriComuni.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Shorter pieces at the ends of a cut bar are not laid.
constexpr float PezzoMinimo = 0.1f;

// Lengths of the pieces into which the slab tops cut the bar y1..y2.
std::vector<float> Segmenti(const Parete& parete, float y1, float y2,
                            const std::vector<int>& solai, int numSolai, int taglio) {
    std::vector<float> cime;
    const int n = std::min(numSolai, static_cast<int>(solai.size()));
    for (int j = 0; j < n; ++j) {
        const int k = solai[j];
        if (k < 0 || k > parete.UltSolaio || k >= static_cast<int>(parete.Solai.size())) continue;
        const SolaioParete& s = parete.Solai[k];
        if (taglio != 0 && (s.Coordinata < y1 || s.Coordinata > y2)) continue;
        const float cima = s.Coordinata + s.Spessore1;
        if (cima < y1 || cima > y2) continue;
        cime.push_back(cima);
    }
    if (cime.empty()) return {y2 - y1};
    // Slabs of different thickness may list their tops out of order.
    std::sort(cime.begin(), cime.end());
    cime.erase(std::unique(cime.begin(), cime.end()), cime.end());

    std::vector<float> segmenti;
    auto aggiungi = [&](float lunghezza, bool estremo) {
        if (!estremo || lunghezza > PezzoMinimo) segmenti.push_back(std::nearbyint(lunghezza));
    };
    aggiungi(cime.front() - y1, true);
    for (std::size_t j = 0; j + 1 < cime.size(); ++j) aggiungi(cime[j + 1] - cime[j], false);
    aggiungi(y2 - cime.back(), true);
    return segmenti;
}

}  // namespace

int DisFerroVert(const Parete& parete, const Impostazioni& imp, int posizione, int lato,
                 float x, float offY, float y1, float y2, int diametro, float passo,
                 int gambaInferiore, int gambaSuperiore, const std::vector<int>& solai,
                 int numSolai, int taglio, const Bersaglio& b) {
    if (y2 - y1 < 0.9f) return 0;
    const std::vector<float> segmenti = Segmenti(parete, y1, y2, solai, numSolai, taglio);
    const MisureFerro misure = CalcolaMisureFerro(parete, imp, posizione, diametro);
    // Face 0 puts the legs to the left; split pieces step right, bent
    // anchorages always step left.
    const VersoFerro verso{.Verticale = true,
                           .Sfalsamento = SfalsamentoPezzi,
                           .Gamba = lato == 0 ? -misure.Gamba : misure.Gamba,
                           .PiegaTraverso = -PassoPiega,
                           .PiegaLungo = misure.Gamba,
                           .PiegaLatoOpposto = true,
                           .Prefisso = "",
                           .AngoloTesto = 90.0f};
    const FerroSviluppato ferro{parete, imp, b, posizione, lato, diametro, passo, verso};

    int totale = 0;
    int pezziDisegnati = 0;
    float ys = offY + y1;
    const int numSegmenti = static_cast<int>(segmenti.size());
    for (int j = 0; j < numSegmenti; ++j) {
        const bool ultimo = (j == numSegmenti - 1);
        const float ye = ys + segmenti[j];
        const float gambaB = (j == 0 && gambaInferiore != 0) ? misure.Gamba : 0.0f;
        // A segment below another runs on into it by a lap.
        const float prolunga = ultimo ? (gambaSuperiore != 0 ? misure.Gamba : 0.0f)
                                      : misure.Sovrapposizione;
        FineCampata fine = FineCampata::Prolunga;
        if (ultimo) fine = prolunga > 0.0f ? FineCampata::Gamba : FineCampata::Libera;
        // A start leg is drawn when positive: one under half a centimetre
        // draws nothing anyway.
        const CampataFerro piano{.Inizio = ys,
                                 .Fine = ye,
                                 .Lunghezza = segmenti[j],
                                 .ConGambaIniziale = gambaB > 0.0f,
                                 .GambaIniziale = gambaB,
                                 .TipoFine = fine,
                                 .Termine = prolunga,
                                 .LungMax = imp.LungMaxFerri,
                                 .Sovrapposizione = misure.Sovrapposizione,
                                 .PezziDaLunghezza = true,
                                 .InteroComeBarraMassima = true};
        const std::vector<PezzoFerro> pezzi = PianificaPezzi(piano);
        totale += ferro.Disegna(pezzi, x, pezziDisegnati);
        pezziDisegnati += static_cast<int>(pezzi.size());
        ys = ye;
    }
    return totale;
}
