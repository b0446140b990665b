#include "design/ArmaturaDiffusa.h"

#include "design/AccessoriStrato.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniRipetute.h"
#include "design/ArmaturaPosizioniCordoli.h"
#include "design/ContorniArmatura.h"
#include "drawing/BersaglioMisura.h"
#include "drawing/FormeFerri.h"
#include "drawing/Primitive.h"
#include "drawing/SolaiPareti.h"
#include "model/Geometria.h"
#include "model/LimiteScansione.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/Poligoni.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

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

// A side lying wholly this far above or below the scan line, of a scan line
// at least this long, has both ends on one side of the line by far more than
// the tolerance of the turn tests: never Interna, so it is left untested.
// Within PortataSicura the rounding of those tests stays far below that
// margin; beyond it, and for NaN, every side is tested.
constexpr float DistanzaSicura = 0.001f;  // cm
constexpr float LineaMinima = 1.0f;       // cm
constexpr float PortataSicura = 1.0e6f;   // cm

bool LatoLontanoDallaLinea(const Punto& a, const Punto& b, float xa, float xb, float y) {
    if (!(std::fabs(y) <= PortataSicura) || !(std::fabs(a.Y) <= PortataSicura) ||
        !(std::fabs(b.Y) <= PortataSicura) || !(std::fabs(xa) <= PortataSicura) ||
        !(std::fabs(xb) <= PortataSicura) || !(xb - xa >= LineaMinima)) {
        return false;
    }
    return std::min(a.Y, b.Y) > y + DistanzaSicura || std::max(a.Y, b.Y) < y - DistanzaSicura;
}

// Proper crossings of the scan line (xa, y)-(xb, y) with the sides of a ring.
void Incroci(const std::vector<Punto>& anello, float xa, float xb, float y,
             std::vector<float>& incroci) {
    for (std::size_t s = 0; s + 1 < anello.size(); ++s) {
        if (LatoLontanoDallaLinea(anello[s], anello[s + 1], xa, xb, y)) continue;
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

// Sweeps one layer: calls barra(a, c, y) for every bar, which runs from a to
// c along the scan line y in the bar frame of the direction.
template <typename Barra>
void PercorriBarre(const Parete& parete, const ContornoRuotato& zona, int direzione, float passo,
                   Barra&& barra) {
    if (!(passo > 0.0f)) return;
    const Rettangolo& box = direzione == 0 ? parete.EstArmDir1 : parete.EstArmDir2;
    const float xa = box.Xmin - MargineScansione;
    const float xb = box.Xmax + MargineScansione;
    const TrattoScansione tratto = TrattoDirezione(parete, direzione);
    const float fine = std::min(box.Ymax, tratto.Max);
    std::vector<float> incroci;
    std::vector<std::pair<float, float>> barre;
    float y = PrimaLineaNelTratto(box.Ymin + 1.0f, passo, tratto.Min);
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

        for (const auto& [a, c] : barre) barra(a, c, y);
        // A spacing too small to move y on would never end the sweep.
        const float prossima = y + passo;
        if (prossima <= y) break;
        y = prossima;
    } while (y < fine);
}

// Diameter and spacing of one distributed layer.
struct StratoDiffuso {
    int Diametro = 0;
    float Passo = 0.0f;
};

StratoDiffuso StratoDellaFaccia(const Parete& parete, int lato, int direzione) {
    // Layer index k: direction 1 "lato +", "lato -", then direction 2 likewise.
    const int k = 2 * direzione + (lato == 0 ? 0 : 1);
    return {static_cast<int>(DiamStrato(parete, k)), PassoStrato(parete, k)};
}

// Summed cut length of one layer's bars, each measured as a developed bar.
float LunghezzaStrato(const Parete& parete, const Impostazioni& imp, int direzione,
                      const StratoDiffuso& strato) {
    const BersaglioMisura misura(imp);
    float somma = 0.0f;
    std::vector<int> solai;
    MisureRipetute ripetute;
    PercorriBarre(parete, RuotaContorno(parete, direzione), direzione, strato.Passo,
                  [&](float a, float c, float) {
                      somma += static_cast<float>(ripetute.Lunghezza(a, c, 1, 1, [&] {
                          if (direzione == 0) {
                              // In the bar frame of direction 1, x is the model height.
                              // The slabs are chosen over this bar's own stretch.
                              int m = 0;
                              SolaiNegliIntervalli(parete, {a, c}, 2, solai, m);
                              return DisFerroVert(parete, imp, 0, 0, 0.0f, 0.0f, a, c,
                                                  strato.Diametro, strato.Passo, 1, 1, solai, m,
                                                  0, misura);
                          }
                          return DisFerroOrizz(parete, imp, 0, 0, 0.0f, a, c, strato.Diametro,
                                               strato.Passo, 1, 1, misura);
                      }));
                  });
    return somma;
}

}  // namespace

void ArmaturaDiffusa(const Parete& parete, float dx, float dy, int lato, const Bersaglio& b) {
    if (!ContorniPronti(parete)) return;
    for (int direzione = 0; direzione < 2; ++direzione) {
        const int layer = direzione == 0 ? Layer::ArmDiffusa1 : Layer::ArmDiffusa2;
        const float passo = StratoDellaFaccia(parete, lato, direzione).Passo;
        PercorriBarre(parete, RuotaContorno(parete, direzione), direzione, passo,
                      [&](float a, float c, float y) {
                          float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
                          RuotaDaDirezione(direzione, a, y, x1, y1);
                          RuotaDaDirezione(direzione, c, y, x2, y2);
                          DisLinea(x1 + dx, y1 + dy, x2 + dx, y2 + dy, layer, Stile::Pieno, b);
                      });
    }
}

std::optional<QuantitaFaccia> MisuraArmaturaDiffusa(const Parete& parete,
                                                    const Impostazioni& imp, int lato) {
    if (!ContorniPronti(parete)) return std::nullopt;
    const auto peso = [](int diametro, float lunghezza) {
        return static_cast<float>(AreaBarra(diametro) * PesoSpecificoFerro * lunghezza);
    };
    const StratoDiffuso strato1 = StratoDellaFaccia(parete, lato, 0);
    const StratoDiffuso strato2 = StratoDellaFaccia(parete, lato, 1);
    QuantitaFaccia q;
    q.LungDir1 = LunghezzaStrato(parete, imp, 0, strato1);
    q.PesoDir1 = peso(strato1.Diametro, q.LungDir1);
    q.LungDir2 = LunghezzaStrato(parete, imp, 1, strato2);
    q.PesoDir2 = peso(strato2.Diametro, q.LungDir2);
    return q;
}

void RicalcolaArmature(Parete& parete, const Impostazioni& imp) {
    if (parete.NumPuntiContorno <= 0) return;
    if (const auto piu = MisuraArmaturaDiffusa(parete, imp, 0)) {
        parete.LungDir1Piu = piu->LungDir1;
        parete.PesoDir1Piu = piu->PesoDir1;
        parete.LungDir2Piu = piu->LungDir2;
        parete.PesoDir2Piu = piu->PesoDir2;
    }
    if (const auto meno = MisuraArmaturaDiffusa(parete, imp, 1)) {
        parete.LungDir1Meno = meno->LungDir1;
        parete.PesoDir1Meno = meno->PesoDir1;
        parete.LungDir2Meno = meno->LungDir2;
        parete.PesoDir2Meno = meno->PesoDir2;
    }
    const auto memorizza = [&](const std::vector<LunghezzaPosizione>& lunghezze) {
        for (const LunghezzaPosizione& l : lunghezze) parete.Posizioni[l.Indice].LungTotale = l.LungTotale;
    };
    for (int faccia : {IntegrativaPiu, IntegrativaMeno})
        if (const auto zone = MisuraArmaturaPosizioni(parete, imp, faccia)) memorizza(*zone);
    memorizza(LunghezzeCordoli(parete));
}
