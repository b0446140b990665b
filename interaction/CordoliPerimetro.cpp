#include "interaction/CordoliPerimetro.h"

#include "design/EtichettaPosizione.h"
#include "interaction/FormCordoloDati.h"
#include "model/BandaCordolo.h"
#include "model/Parete.h"
#include "model/Poligoni.h"
#include "model/PuntiCoincidenti.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <ranges>

namespace {

// The index in the new outer perimeter of side j of prima, -1 when it is gone.
int LatoDopo(const Parete& parete, std::span<const Punto> prima, int numPrima, int j) {
    if (j < 0 || j >= numPrima || static_cast<int>(prima.size()) <= numPrima) return -1;
    const int n = parete.NumPuntiEst;
    if (n == numPrima) return j;
    const auto& dopo = parete.PerimetroEsterno;
    for (int k = 0; k < n && k + 1 < static_cast<int>(dopo.size()); ++k)
        if (PuntiCoincidenti(dopo[k], prima[j]) && PuntiCoincidenti(dopo[k + 1], prima[j + 1])) return k;
    return -1;
}

// Ring beam i built again on side lato, as its dialog's "Ok" stores it; one
// whose band there is its stored band keeps it exactly.
void SegueLato(Parete& parete, int i, int lato) {
    StatoInterfaccia buffer;
    buffer.IndiceCorrente = i;
    buffer.NuovoElemento = 0;  // the label keeps its place across the side
    buffer.PosCorrente = parete.Posizioni[i];
    buffer.PosCorrente.LatoPerimetro = lato;
    const PosizioneArm& pos = buffer.PosCorrente;
    if (!LatoCordoloEsiste(parete, pos)) return;
    if (BandaUguale(pos, parete.PoligoniPos[i], CalcolaBandaCordolo(parete, pos))) {
        parete.Posizioni[i].LatoPerimetro = lato;
        return;
    }
    (void)CalcParalle(buffer, parete);
    CalcolaPosRuotata(buffer);
    // Stored in place: the list keeps its order.
    parete.Posizioni[i] = buffer.PosCorrente;
    CopiaVertici(buffer.PoligonoCorrente, buffer.UltPuntoCorrente, parete.PoligoniPos[i]);
}

}  // namespace

void CordoliSeguonoPerimetro(Parete& parete, std::span<const Punto> prima, int numPrima) {
    if (std::ranges::equal(parete.PerimetroEsterno, prima) && parete.NumPuntiEst == numPrima) return;
    const int ultima = std::min({parete.UltPosizione, static_cast<int>(parete.Posizioni.size()) - 1,
                                 static_cast<int>(parete.PoligoniPos.size()) - 1});
    for (int i = 0; i <= ultima; ++i) {
        const PosizioneArm& pos = parete.Posizioni[i];
        if (pos.Tipo != Cordolo || pos.PoligonoLato >= 0) continue;
        const int lato = LatoDopo(parete, prima, numPrima, pos.LatoPerimetro);
        if (lato >= 0) SegueLato(parete, i, lato);
    }
    TrovaLatiCordoli(parete);
}
