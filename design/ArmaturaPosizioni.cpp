#include "design/ArmaturaPosizioni.h"

#include "design/ArmaturaPosizioniRipetute.h"
#include "design/ArmaturaPosizioniScansione.h"
#include "design/ArmaturaPosizioniTesti.h"
#include "design/ContorniArmatura.h"
#include "drawing/BersaglioMisura.h"
#include "drawing/DisEtichettaPos.h"
#include "drawing/FerriZona.h"
#include "drawing/Primitive.h"
#include "model/Geometria.h"
#include "model/Impostazioni.h"
#include "model/Layer.h"
#include "model/Parete.h"
#include "model/Sovrapposizione.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

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
        PercorriZona(*zona, {}, pos.Passo, FineScansione::PrimaDelBordo, [&](const LineaZona& l) {
            if (l.Ferri.Ferri.empty()) return;
            if (const auto xi = IncontroRichiamo(*zona, pos, l.Y))
                linea(Layer::PosIntegrativa, *xi + MezzoSegno, l.Y + MezzoSegno, *xi - MezzoSegno,
                      l.Y - MezzoSegno);
            for (const FerroZona& f : l.Ferri.Ferri)
                linea(layer, f.Inizio, l.YLinea, f.Fine, l.YLinea);
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
    std::vector<int> Solai;

    explicit MisuraFaccia(const Parete& parete) {
        for (int direzione = 0; direzione < 2; ++direzione)
            Contorno[direzione] = ContornoGambe(parete, direzione);
    }
};

float MisuraZona(const Parete& parete, const Impostazioni& imp, int p, MisuraFaccia& faccia) {
    const std::optional<ZonaRuotata> zona = RuotaZona(parete, p);
    if (!zona) return 0.0f;
    const PosizioneArm& pos = parete.Posizioni[p];
    const BersaglioMisura misura(imp);
    MisureRipetute ripetute;
    float somma = 0.0f;
    PercorriZona(*zona, faccia.Contorno[zona->Direzione], pos.Passo, FineScansione::PrimaDelBordo,
                 [&](const LineaZona& l) {
                     for (const FerroZona& f : l.Ferri.Ferri) {
                         somma += static_cast<float>(ripetute.Lunghezza(
                             f.Inizio, f.Fine, f.GambaInizio, f.GambaFine, [&] {
                                 return DisFerroZona(parete, imp, zona->Direzione, f, pos.Diametro,
                                                     pos.Passo, PosaFerro{.Posizione = p + 1},
                                                     faccia.Solai, misura);
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
        PercorriZona(*zona, {}, pos.Passo, FineScansione::PrimaDelBordo, [&](const LineaZona& l) {
            for (const FerroZona& f : l.Ferri.Ferri) {
                // The frame turns the model: lengths are kept.
                const float lunghezza = f.Fine - f.Inizio;
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
