#include "design/LegendaMappa.h"

#include "design/MappaClassi.h"
#include "design/StatoNodo.h"
#include "drawing/LegendaSimbolo.h"
#include "drawing/RiquadroLegenda.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <cmath>

namespace {

constexpr int NumClassi = 10;
// Below this both ends of the range count as zero.
constexpr float RangeNullo = 0.0001f;
constexpr int PrimaMappaCarenza = 5;
constexpr int UltimaMappaCarenza = 8;
constexpr float MezzoLatoChiave = 24.0f;  // twips

std::string Etichetta(float valore, const std::string& separatore) {
    std::string testo = FormatoDec(valore, 2);
    const auto punto = testo.find('.');
    if (punto != std::string::npos) testo.replace(punto, 1, separatore);
    return testo;
}

void Scala(float alto, float basso, const std::string& separatore, float u,
           RiquadroLegenda& riquadro) {
    const float passo = (basso - alto) / static_cast<float>(NumClassi);
    float y = 0.0f;
    for (int i = 0; i < NumClassi; ++i) {
        y = 15.0f * static_cast<float>(i) * u + 360.0f;
        riquadro.Riquadro(10 * u, y, 65 * u, y + 15 * u, ColoreClasse(NumClassi - 1 - i),
                          true);
        riquadro.Testo(70 * u, y - 6 * u,
                       Etichetta(alto + static_cast<float>(i) * passo, separatore));
    }
    riquadro.Testo(70 * u, y + 8 * u, Etichetta(basso, separatore));
}

void ChiaveNodi(float u, RiquadroLegenda& riquadro) {
    constexpr struct {
        StatoNodoArm stato;
        float yCentro, yTesto;  // in pixels
        const char* testo;
    } Voci[] = {
        {StatoNodoArm::NonVerificato, 42, 35, "Nodo N.V."},
        {StatoNodoArm::EntroTolleranza, 62, 55, "Nodo entro tolleranza"},
        {StatoNodoArm::Ok, 82, 75, "Nodo OK"}};
    riquadro.ImpostaRiempimento(Riempimento::Trasparente);
    const float xc = 122 * u;
    for (const auto& v : Voci) {
        const float yc = v.yCentro * u;
        riquadro.Riquadro(xc - MezzoLatoChiave, yc - MezzoLatoChiave, xc + MezzoLatoChiave,
                          yc + MezzoLatoChiave, ColoreStatoNodo(v.stato), true);
    }
    for (const auto& v : Voci) riquadro.Testo(130 * u, v.yTesto * u, v.testo);
}

void DirezioneELato(int direzione, int lato, const Parete& parete, float u,
                    RiquadroLegenda& riquadro) {
    if ((lato != 0 && lato != 1) || (direzione != 0 && direzione != 1)) return;
    SimboloDirezioneRiquadro(160 * u, 165 * u, direzione == 0 ? parete.CosDir1 : parete.CosDir2,
                             direzione == 0 ? parete.SinDir1 : parete.SinDir2, direzione, riquadro);
    riquadro.Testo(120 * u, 105 * u, direzione == 0 ? "Direzione 1" : "Direzione 2");
    riquadro.Testo(120 * u, 120 * u, lato == 0 ? "Lato +" : "Lato -");
}

}  // namespace

void LegendaMappa(float alto, float basso, const std::string& titolo, int direzione, int lato,
                  const Parete& parete, const StatoInterfaccia& stato, RiquadroLegenda& riquadro) {
    const float u = static_cast<float>(riquadro.TwipPerPixel());
    riquadro.ImmaginePersistente(true);
    riquadro.Cancella();
    riquadro.ImpostaRiempimento(Riempimento::Pieno);
    riquadro.ImpostaSpessoreTratto(1);
    riquadro.ImpostaColoreTesto(Rgb(0, 0, 0));
    riquadro.Testo(7 * u, 2 * u, titolo);

    if (parete.NumNodi <= 0) {
        // No node, no range: nothing to scale and nothing that satisfies.
    } else if (std::fabs(alto) <= RangeNullo && std::fabs(basso) <= RangeNullo) {
        riquadro.Riquadro(10 * u, 30 * u, 65 * u, 45 * u, ColoreClasse(0), true);
        riquadro.Testo(75 * u, 22 * u, "L'armatura soddisfa");
        riquadro.Testo(75 * u, 37 * u, "la richiesta di progetto.");
    } else {
        Scala(alto, basso, stato.SeparatoreDecimale, u, riquadro);
        if (stato.TipoMappa >= PrimaMappaCarenza && stato.TipoMappa <= UltimaMappaCarenza)
            ChiaveNodi(u, riquadro);
    }
    DirezioneELato(direzione, lato, parete, u, riquadro);
    riquadro.ImmaginePersistente(false);
}
