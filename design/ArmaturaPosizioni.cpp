#include "design/ArmaturaPosizioni.h"

#include "design/ArmaturaPosizioniRipetute.h"
#include "design/ArmaturaPosizioniScansione.h"
#include "design/ArmaturaPosizioniTesti.h"
#include "design/ContorniArmatura.h"
#include "drawing/BersaglioMisura.h"
#include "drawing/DisEtichettaPos.h"
#include "drawing/FormeFerri.h"
#include "drawing/Primitive.h"
#include "drawing/SolaiPareti.h"
#include "model/Geometria.h"
#include "model/Impostazioni.h"
#include "model/Layer.h"
#include "model/Parete.h"
#include "model/Sovrapposizione.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// A bar end within this of the contour crossing reaches the contour, cm.
constexpr float TolleranzaContorno = 0.01f;
// Half the arm of the leader tick, cm.
constexpr float MezzoSegno = 3.0f;

bool DellaFaccia(const Parete& parete, int p, int faccia) {
    const bool integrativa = faccia == IntegrativaPiu || faccia == IntegrativaMeno;
    return integrativa && parete.Posizioni[p].Tipo == faccia;
}

// Where the line through the leader ends (in the bar frame) meets the scan line y.
std::optional<float> IncontroRichiamo(const ZonaRuotata& zona, const PosizioneArm& pos, float y) {
    Punto a, c;
    RuotaInDirezione(zona.Direzione, pos.Richiamo[0], pos.Richiamo[1], a.X, a.Y);
    RuotaInDirezione(zona.Direzione, pos.Richiamo[2], pos.Richiamo[3], c.X, c.Y);
    float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
    int stato = 0;
    IntersezioneSegmenti(zona.Inizio.X - MargineScansioneZona, y, zona.Fine.X + MargineScansioneZona,
                         y, a.X, a.Y, c.X, c.Y, xi, yi, stato, xo, yo);
    if (stato <= StatoIntersezione::Parallele) return std::nullopt;
    return xi;
}

void DisegnaZona(const Parete& parete, int p, float dx, float dy, const Bersaglio& b) {
    const std::optional<ZonaRuotata> zona = RuotaZona(parete, p);
    const PosizioneArm& pos = parete.Posizioni[p];
    const int layer = pos.Direzione == 0 ? Layer::ArmIntegr1 : Layer::ArmIntegr2;
    const auto linea = [&](int strato, float xa, float ya, float xb, float yb) {
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        RuotaDaDirezione(zona->Direzione, xa, ya, x1, y1);
        RuotaDaDirezione(zona->Direzione, xb, yb, x2, y2);
        DisLinea(x1 + dx, y1 + dy, x2 + dx, y2 + dy, strato, Stile::Pieno, b);
        return Distanza(x1, y1, x2, y2);
    };
    if (zona) {
        PercorriZona(*zona, pos.Passo, FineScansione::PrimaDelBordo, [&](const LineaZona& l) {
            if (l.Barre.empty()) return;
            if (const auto xi = IncontroRichiamo(*zona, pos, l.Y))
                linea(Layer::PosIntegrativa, *xi + MezzoSegno, l.Y + MezzoSegno, *xi - MezzoSegno,
                      l.Y - MezzoSegno);
            for (const auto& [a, c] : l.Barre) linea(layer, a, l.YLinea, c, l.YLinea);
        });
    }
    const BarreZona barre = zona ? ContaBarreZona(parete, pos, parete.PoligoniPos[p]) : BarreZona{};
    const Impostazioni& imp = b.Imp();
    const TestiEtichetta testi =
        imp.DescrizioneCompleta != 0
            ? TestiEtichettaZona(barre, pos.Diametro, pos.Passo, imp.LungMaxFerri,
                                 LunghezzaSovrapposizione(imp, pos.Diametro, 0))
            : TestiEtichetta{};
    DisEtichettaPos(parete, dx, dy, p, testi.Riga1, testi.Riga2, b);
}

// What the measure of every zone of a face shares: the direction-1 contour
// (it decides the end legs, whatever the bar direction) turned into each bar
// frame once, and the work buffers.
struct MisuraFaccia {
    std::array<std::vector<Punto>, 2> Contorno;  // by frame: RuotaInDirezione 0, 1
    std::vector<float> Bordi;
    std::vector<int> Solai;

    explicit MisuraFaccia(const Parete& parete) {
        for (int direzione = 0; direzione < 2; ++direzione) {
            std::vector<Punto>& contorno = Contorno[direzione];
            contorno.resize(parete.NumPuntiArm);
            for (int j = 0; j < parete.NumPuntiArm; ++j)
                RuotaInDirezione(direzione, parete.ContornoDir1[j].X, parete.ContornoDir1[j].Y,
                                 contorno[j].X, contorno[j].Y);
        }
    }
};

float MisuraZona(const Parete& parete, const Impostazioni& imp, int p, MisuraFaccia& faccia) {
    const std::optional<ZonaRuotata> zona = RuotaZona(parete, p);
    if (!zona) return 0.0f;
    const PosizioneArm& pos = parete.Posizioni[p];
    const std::vector<Punto>& contorno = faccia.Contorno[zona->Direzione];
    std::vector<float>& bordi = faccia.Bordi;
    std::vector<int>& solai = faccia.Solai;
    const BersaglioMisura misura(imp);
    MisureRipetute ripetute;
    float somma = 0.0f;
    PercorriZona(*zona, pos.Passo, FineScansione::PrimaDelBordo, [&](const LineaZona& l) {
        if (l.Barre.empty()) return;
        IncrociOrdinati(contorno, zona->Inizio.X - MargineScansioneZona,
                        zona->Fine.X + MargineScansioneZona, l.YLinea, bordi);
        for (const auto& [a, c] : l.Barre) {
            const bool gambe = bordi.size() >= 2;
            const int sinistra = gambe && a <= bordi.front() + TolleranzaContorno ? 1 : 0;
            const int destra = gambe && c >= bordi.back() - TolleranzaContorno ? 1 : 0;
            somma += static_cast<float>(ripetute.Lunghezza(a, c, sinistra, destra, [&] {
                if (zona->Direzione == 0) {
                    // In the frame of direction 1, x is the model height; the
                    // slabs are chosen over the bar's own stretch.
                    int m = 0;
                    SolaiNegliIntervalli(parete, {a, c}, 2, solai, m);
                    return DisFerroVert(parete, imp, 0, 0, 0.0f, 0.0f, a, c, pos.Diametro,
                                        pos.Passo, sinistra, destra, solai, m, 1, misura);
                }
                return DisFerroOrizz(parete, imp, 0, 0, 0.0f, a, c, pos.Diametro, pos.Passo,
                                     sinistra, destra, misura);
            }));
        }
    });
    return somma;
}

}  // namespace

BarreZona ContaBarreZona(const Parete& parete, const PosizioneArm& pos,
                         std::span<const Punto> poligono) {
    const std::optional<ZonaRuotata> zona = RuotaZona(parete, pos, poligono);
    BarreZona barre{.Numero = 0, .Minima = std::numeric_limits<float>::max(), .Massima = 0.0f};
    if (zona) {
        PercorriZona(*zona, pos.Passo, FineScansione::PrimaDelBordo, [&](const LineaZona& l) {
            for (const auto& [a, c] : l.Barre) {
                // The frame turns the model: lengths are kept.
                const float lunghezza = c - a;
                ++barre.Numero;
                barre.Massima = std::max(barre.Massima, lunghezza);
                barre.Minima = std::min(barre.Minima, lunghezza);
            }
        });
    }
    return barre;
}

void ArmaturaPosizioni(const Parete& parete, float dx, float dy, int faccia, const Bersaglio& b) {
    for (int p = 0; p <= UltimaPosizioneValida(parete); ++p)
        if (DellaFaccia(parete, p, faccia)) DisegnaZona(parete, p, dx, dy, b);
}

std::optional<std::vector<LunghezzaPosizione>> MisuraArmaturaPosizioni(const Parete& parete,
                                                                       const Impostazioni& imp,
                                                                       int faccia) {
    if (!ContorniPronti(parete)) return std::nullopt;
    std::vector<LunghezzaPosizione> lunghezze;
    MisuraFaccia misura(parete);
    for (int p = 0; p <= UltimaPosizioneValida(parete); ++p)
        if (DellaFaccia(parete, p, faccia)) lunghezze.push_back({p, MisuraZona(parete, imp, p, misura)});
    return lunghezze;
}
