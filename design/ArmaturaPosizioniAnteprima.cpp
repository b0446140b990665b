#include "design/ArmaturaPosizioniAnteprima.h"

#include "design/ArmaturaPosizioniScansione.h"
#include "drawing/Palette.h"
#include "drawing/Vista.h"
#include "model/Geometria.h"
#include "model/Parete.h"

#include <optional>

namespace {

constexpr int ColoreAnteprima = 8;  // grey

}  // namespace

void DisBarrePosizione(const Parete& parete, int p, int direzione, int lato, TelaSchermo& tela,
                       StratoTela strato, const Vista& vista) {
    const std::optional<ZonaRuotata> zona = RuotaZona(parete, p);
    if (!zona) return;
    const PosizioneArm& pos = parete.Posizioni[p];
    if (pos.Tipo != lato || pos.Direzione != direzione) return;
    tela.ImpostaStileTratto(StileTratto::Continuo);
    const int colore = ColoreBase(ColoreAnteprima);
    PercorriZona(*zona, {}, pos.Passo, FineScansione::SulBordo, [&](const LineaZona& l) {
        for (const FerroZona& f : l.Ferri.Ferri) {
            float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
            RuotaDaDirezione(zona->Direzione, f.Inizio, l.YLinea, x1, y1);
            RuotaDaDirezione(zona->Direzione, f.Fine, l.YLinea, x2, y2);
            tela.Linea(strato, XSchermo(vista, x1), YSchermo(vista, y1), XSchermo(vista, x2),
                       YSchermo(vista, y2), colore);
        }
    });
}
