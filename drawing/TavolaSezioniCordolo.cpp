#include "drawing/TavolaSezioniCordolo.h"

#include "drawing/FormeFerri.h"
#include "drawing/Primitive.h"
#include "model/Layer.h"
#include "model/Parete.h"

#include <string>

namespace {

constexpr float RaggioMarcatore = 0.6f;
// The corner bars sit 2 inside the zone ends and 2 inside the stirrup rows.
constexpr float RientroBarre = 2.0f;
// Leaders start on the rule, 27 above row a and 18 before the bar.
constexpr float AltezzaRegolo = 27.0f;
constexpr float AnticipoRichiamo = 18.0f;
constexpr float AnticipoRegolo = 70.0f;
constexpr float AltezzaEtichetta = 29.0f;
// Slope of the leaders to the far bars.
constexpr float PendenzaRichiamo = 1.61f;

void Linea(float x1, float y1, float x2, float y2, int layer, const Bersaglio& b) {
    DisLinea(x1, y1, x2, y2, layer, Stile::Pieno, b);
}

// The two bars at abscissa x with their leaders from the rule.
void CoppiaDiBarre(float x, float rigaA, float rigaB, float scostamento, const Bersaglio& b) {
    const float regolo = rigaA + AltezzaRegolo;
    DisMirino(x, rigaA - RientroBarre, RaggioMarcatore, b);
    DisMirino(x, rigaB + RientroBarre, RaggioMarcatore, b);
    Linea(x - AnticipoRichiamo, regolo, x, rigaA - RientroBarre, Layer::Quote, b);
    Linea(x - AnticipoRichiamo - scostamento, regolo, x, rigaB + RientroBarre, Layer::Quote, b);
}

}  // namespace

void DisCordoloNelPiano(const Parete& parete, const TelaioSezione& telaio, int j,
                        std::span<const float> incroci, const Bersaglio& b) {
    if (telaio.Verticale || incroci.size() < 2) return;
    if (j < 0 || j >= static_cast<int>(parete.Posizioni.size())) return;
    const PosizioneArm& pos = parete.Posizioni[j];
    const float s0 = telaio.Origine + incroci[0];
    const float s1 = telaio.Origine + incroci[1];
    const float rigaA = telaio.RigaCordoloA, rigaB = telaio.RigaCordoloB;

    DisStaffaCordolo(parete, j + 1, telaio.LineaPosMeno, s0, s1, pos.Diametro, pos.Passo, b);
    Linea(s0, rigaA, s0, rigaB, Layer::ArmaturaSez, b);
    Linea(s1, rigaA, s1, rigaB, Layer::ArmaturaSez, b);

    const float p = s0 + RientroBarre, q = s1 - RientroBarre;
    const float scostamento = (rigaA - rigaB - 2.0f * RientroBarre) / PendenzaRichiamo;
    CoppiaDiBarre(p, rigaA, rigaB, scostamento, b);
    CoppiaDiBarre(q, rigaA, rigaB, scostamento, b);

    const float regolo = rigaA + AltezzaRegolo;
    Linea(q - AnticipoRichiamo, regolo, p - AnticipoRegolo, regolo, Layer::Quote, b);
    const std::string testo = std::string("2+2 ") + SegnoDiametro +
                              std::to_string(pos.DiamCorrenti) + "  (" + std::to_string(j + 1) +
                              ")";
    ScriviTesto(p - AnticipoRegolo, rigaA + AltezzaEtichetta, testo, 0, Layer::TestoFerri,
                Allinea::Sinistra, Allinea::Basso, 0.0f, b);
}
