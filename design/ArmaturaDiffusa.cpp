#include "design/ArmaturaDiffusa.h"

#include "drawing/FormeFerri.h"
#include "drawing/Primitive.h"
#include "drawing/SolaiPareti.h"
#include "model/Geometria.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/Poligoni.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Layer 20 "ARM_DIFFUSA1"; direction 2 draws on the next one.
constexpr int LayerDiffusa = 20;
// Scan lines reach this far beyond the contour on both sides, cm.
constexpr float MargineScansione = 1000.0f;

// One layer's contour and enlarged openings, turned into the bar frame of its
// direction so that every scan line is horizontal.
struct ContornoRuotato {
    std::vector<Punto> Contorno;
    std::vector<std::vector<Punto>> Fori;
};

std::vector<Punto> Ruota(int direzione, const std::vector<Punto>& punti, int ultimo) {
    std::vector<Punto> ruotati(ultimo + 1);
    for (int i = 0; i <= ultimo; ++i)
        RuotaInDirezione(direzione, punti[i].X, punti[i].Y, ruotati[i].X, ruotati[i].Y);
    return ruotati;
}

ContornoRuotato RuotaContorno(const Parete& parete, int direzione) {
    const std::vector<Punto>& contorno = direzione == 0 ? parete.ContornoDir1 : parete.ContornoDir2;
    ContornoRuotato r;
    r.Contorno = Ruota(direzione, contorno, parete.NumPuntiArm);
    const int numFori = std::min(parete.NumAperture, static_cast<int>(parete.ForiArmatura.size()));
    for (int k = 0; k < numFori; ++k) {
        const int ultimo = std::min(parete.PuntiApertura[k],
                                    static_cast<int>(parete.ForiArmatura[k].size()) - 1);
        r.Fori.push_back(Ruota(direzione, parete.ForiArmatura[k], ultimo));
    }
    return r;
}

// Proper crossings of the scan line (xa, y)-(xb, y) with the sides of a ring.
void Incroci(const std::vector<Punto>& anello, float xa, float xb, float y,
             std::vector<float>& incroci) {
    for (std::size_t s = 0; s + 1 < anello.size(); ++s) {
        float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
        int stato = 0;
        IntersezioneSegmenti(xa, y, xb, y, anello[s].X, anello[s].Y, anello[s + 1].X,
                             anello[s + 1].Y, xi, yi, stato, xo, yo);
        if (stato == StatoIntersezione::Interna) incroci.push_back(xi);
    }
}

// Whether the piece between two crossings of a line with an odd count is a
// bar: its middle must lie in the wall and in no opening.
bool PezzoNellaParete(const Parete& parete, int direzione, float xa, float xb, float y) {
    float x = 0.0f, ym = 0.0f;
    RuotaDaDirezione(direzione, (xa + xb) / 2.0f, y, x, ym);
    if (!PuntoInPerimetro(parete, x, ym, -1)) return false;
    for (int k = 0; k < parete.NumAperture; ++k)
        if (PuntoInPerimetro(parete, x, ym, k)) return false;
    return true;
}

// Lays one layer. Returns the summed length of its bars on the measure
// target, 0 otherwise.
float DisponiBarre(const Parete& parete, const Impostazioni& imp, const ContornoRuotato& zona,
                   float dx, float dy, int direzione, float passo, int diametro,
                   const Bersaglio& b) {
    if (!(passo > 0.0f)) return 0.0f;
    const Rettangolo& box = direzione == 0 ? parete.EstArmDir1 : parete.EstArmDir2;
    const float xa = box.Xmin - MargineScansione;
    const float xb = box.Xmax + MargineScansione;
    float somma = 0.0f;
    std::vector<float> incroci;
    std::vector<std::pair<float, float>> barre;
    std::vector<int> solai;
    float y = box.Ymin + 1.0f;
    do {
        incroci.clear();
        Incroci(zona.Contorno, xa, xb, y, incroci);
        for (const std::vector<Punto>& foro : zona.Fori) Incroci(foro, xa, xb, y, incroci);
        std::sort(incroci.begin(), incroci.end());
        incroci.erase(std::unique(incroci.begin(), incroci.end()), incroci.end());

        barre.clear();
        const int n = static_cast<int>(incroci.size());
        if (n >= 2 && n % 2 == 0) {
            for (int i = 0; i + 1 < n; i += 2) barre.emplace_back(incroci[i], incroci[i + 1]);
        } else if (n >= 2) {
            // A line through a contour vertex lost a crossing: keep each piece
            // that lies in the wall.
            for (int i = 0; i + 1 < n; ++i)
                if (PezzoNellaParete(parete, direzione, incroci[i], incroci[i + 1], y))
                    barre.emplace_back(incroci[i], incroci[i + 1]);
        }

        for (const auto& [a, c] : barre) {
            if (!b.Misura()) {
                float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
                RuotaDaDirezione(direzione, a, y, x1, y1);
                RuotaDaDirezione(direzione, c, y, x2, y2);
                DisLinea(x1 + dx, y1 + dy, x2 + dx, y2 + dy, LayerDiffusa + direzione, 0, b);
            } else if (direzione == 0) {
                // In the bar frame of direction 1, x is the model height. The
                // slabs are chosen over this bar's own stretch.
                int m = 0;
                SolaiNegliIntervalli(parete, {a, c}, 2, solai, m);
                somma += static_cast<float>(DisFerroVert(parete, imp, 0, 0, 0.0f, 0.0f, a, c,
                                                         diametro, passo, 1, 1, solai, m, 0, b));
            } else {
                somma += static_cast<float>(
                    DisFerroOrizz(parete, imp, 0, 0, 0.0f, a, c, diametro, passo, 1, 1, b));
            }
        }
        // A spacing too small to move y on would never end the sweep.
        const float prossima = y + passo;
        if (prossima <= y) break;
        y = prossima;
    } while (y < box.Ymax);
    return somma;
}

}  // namespace

void ArmaturaDiffusa(Parete& parete, const Impostazioni& imp, float dx, float dy, int lato,
                     const Bersaglio& b) {
    // The contours must have been built for the current outline.
    const auto completo = [&](const std::vector<Punto>& c) {
        return parete.NumPuntiArm > 0 && static_cast<int>(c.size()) > parete.NumPuntiArm;
    };
    if (!completo(parete.ContornoDir1) || !completo(parete.ContornoDir2)) return;
    const bool piu = (lato == 0);

    const int diam1 = piu ? parete.DiamDir1Piu : parete.DiamDir1Meno;
    const float passo1 = piu ? parete.PassoDir1Piu : parete.PassoDir1Meno;
    const float lung1 =
        DisponiBarre(parete, imp, RuotaContorno(parete, 0), dx, dy, 0, passo1, diam1, b);

    const int diam2 = piu ? parete.DiamDir2Piu : parete.DiamDir2Meno;
    const float passo2 = piu ? parete.PassoDir2Piu : parete.PassoDir2Meno;
    const float lung2 =
        DisponiBarre(parete, imp, RuotaContorno(parete, 1), dx, dy, 1, passo2, diam2, b);

    if (!b.Misura()) return;
    const auto peso = [](int diametro, float lunghezza) {
        return static_cast<float>(AreaBarra(diametro) * PesoSpecificoFerro * lunghezza);
    };
    (piu ? parete.LungDir1Piu : parete.LungDir1Meno) = lung1;
    (piu ? parete.PesoDir1Piu : parete.PesoDir1Meno) = peso(diam1, lung1);
    (piu ? parete.LungDir2Piu : parete.LungDir2Meno) = lung2;
    (piu ? parete.PesoDir2Piu : parete.PesoDir2Meno) = peso(diam2, lung2);
}

void RicalcolaArmature(Parete& parete, const Impostazioni& imp) {
    if (parete.NumPuntiContorno <= 0) return;
    const Bersaglio misura = BersaglioMisura(imp);
    ArmaturaDiffusa(parete, imp, 0.0f, 0.0f, 0, misura);
    ArmaturaDiffusa(parete, imp, 0.0f, 0.0f, 1, misura);
}
