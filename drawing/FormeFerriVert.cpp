#include "drawing/FormeFerri.h"

#include "drawing/FormeFerriComuni.h"
#include "drawing/Primitive.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <string>
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

// The pieces of one vertical bar with what they all share.
struct FerroVert {
    const Parete& parete;
    const Impostazioni& imp;
    const Bersaglio& b;
    int posizione;
    int lato;
    int diametro;
    float passo;
    float gamba;
    float verso;  // -1 legs to the left, +1 to the right

    int Ferro(float xa, float ya, float xb, float yb, int latoTesto) const {
        return DisFerro(xa, ya, xb, yb, latoTesto, LayerFerriSezione, LayerTestoFerri, b);
    }

    int GambaInferiore(float xp, float ys) const {
        if (parete.MagliaUnica == 0) return Ferro(xp, ys, xp + verso * gamba, ys, 1);
        if (parete.PiegaAncoraggio == 0) return 0;
        return Ferro(xp, ys, xp - 5.0f, ys, 0) +
               Ferro(xp - 5.0f, ys, xp - 5.0f, ys + gamba / 2.0f - 5.0f, 1);
    }

    int GambaSuperiore(float xp, float ye) const {
        if (parete.MagliaUnica == 0) return Ferro(xp, ye, xp + verso * gamba, ye, 0);
        if (parete.PiegaAncoraggio == 0) return 0;
        return Ferro(xp, ye, xp - 5.0f, ye, 1) +
               Ferro(xp - 5.0f, ye, xp - 5.0f, ye - gamba / 2.0f + 5.0f, 1);
    }

    void Etichetta(float x, float y, bool pezzoIntero, const std::string& lunghezza) const {
        if (b.Misura()) return;
        ScriviTesto(x, y, EtichettaPezzo(imp, "", pezzoIntero, diametro, passo, lunghezza,
                                         posizione, lato),
                    0, LayerTestoFerri, 1, 0, 90.0f, b);
    }
};

}  // namespace

int DisFerroVert(const Parete& parete, const Impostazioni& imp, int posizione, int lato,
                 float x, float offY, float y1, float y2, int diametro, float passo,
                 int gambaInferiore, int gambaSuperiore, const std::vector<int>& solai,
                 int numSolai, int taglio, const Bersaglio& b) {
    if (y2 - y1 < 0.9f) return 0;
    const std::vector<float> segmenti = Segmenti(parete, y1, y2, solai, numSolai, taglio);
    const MisureFerro misure = CalcolaMisureFerro(parete, imp, posizione, diametro);
    const FerroVert ferro{parete,   imp,   b, posizione, lato, diametro, passo, misure.Gamba,
                          lato == 0 ? -1.0f : 1.0f};
    const float lungMax = imp.LungMaxFerri;
    const float sovrapp = misure.Sovrapposizione;

    int totale = 0;
    int contatore = 0;
    auto ascissa = [&]() { return contatore % 2 == 0 ? x : x + SfalsamentoPezzi; };
    float ys = offY + y1;
    const int numSegmenti = static_cast<int>(segmenti.size());
    for (int j = 0; j < numSegmenti; ++j) {
        const bool ultimo = (j == numSegmenti - 1);
        const float ye = ys + segmenti[j];
        const float gambaB = (j == 0 && gambaInferiore != 0) ? misure.Gamba : 0.0f;
        // A segment below another runs on into it by a lap.
        const float prolunga = ultimo ? (gambaSuperiore != 0 ? misure.Gamba : 0.0f) : sovrapp;

        // The top of the piece ending at ye: the top leg, or the run-on.
        auto sommita = [&](float xp) {
            if (ultimo) return prolunga > 0.0f ? ferro.GambaSuperiore(xp, ye) : 0;
            return ferro.Ferro(xp, ye, xp, ye + prolunga, 0);
        };

        if (segmenti[j] < lungMax - gambaB - prolunga ||
            !FerroDivisibile(imp, gambaB, sovrapp)) {
            const float xp = ascissa();
            int somma = 0;
            if (gambaB > 0.0f) somma += ferro.GambaInferiore(xp, ys);
            if (ultimo && prolunga > 0.0f)
                somma += ferro.Ferro(xp, ys, xp, ye, 0) + ferro.GambaSuperiore(xp, ye);
            else
                somma += ferro.Ferro(xp, ys, xp, ye + prolunga, 0);
            ferro.Etichetta(xp + 1.5f, (ys + ye) / 2.0f, false, std::to_string(somma));
            totale += somma;
            contatore += 1;
            ys = ye;
            continue;
        }

        float resto = segmenti[j];
        float yp = ys;
        int k = 0;
        // The last piece, from yp to the segment's end; it carries the bottom
        // leg too when it is the segment's only piece.
        auto ultimoPezzo = [&]() {
            const float xp = ascissa();
            int somma = 0;
            if (k == 0 && gambaB > 0.01f) somma += ferro.GambaInferiore(xp, ys);
            somma += ferro.Ferro(xp, yp, xp, ye, 0) + sommita(xp);
            ferro.Etichetta(xp + 1.5f, (yp + ye) / 2.0f, false, std::to_string(somma));
            totale += somma;
            contatore += 1;
        };
        while (resto > 0.0f) {
            const float xp = ascissa();
            const float pezzoMax = (k == 0) ? lungMax - gambaB : lungMax;
            if (resto - pezzoMax > ScortaUltimoPezzo) {
                if (k == 0 && gambaB > 0.01f) ferro.GambaInferiore(xp, ys);
                ferro.Ferro(xp, yp, xp, yp + pezzoMax, 0);
                // A full piece counts as one bar of the maximum length.
                totale += static_cast<int>(std::nearbyint(lungMax));
                ferro.Etichetta(xp + 1.5f, yp + pezzoMax / 2.0f, true, FormatoDec(lungMax, 0));
                resto = resto - pezzoMax + sovrapp;
                yp = yp + pezzoMax - sovrapp;
                k += 1;
                contatore += 1;
            } else if (resto - pezzoMax > 0.0f) {
                const float corto = pezzoMax - ScortaUltimoPezzo;
                int somma = ferro.Ferro(xp, yp, xp, yp + corto, 0);
                if (k == 0 && gambaB > 0.01f) somma += ferro.GambaInferiore(xp, ys);
                ferro.Etichetta(xp + 2.0f, yp + corto / 2.0f, false, FormatoDec(corto, 0));
                totale += somma;
                yp = yp + corto - sovrapp;
                k += 1;
                contatore += 1;
                ultimoPezzo();
                resto = 0.0f;
            } else {
                ultimoPezzo();
                resto = 0.0f;
            }
        }
        ys = ye;
    }
    return totale;
}
