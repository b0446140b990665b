#include "drawing/LegendaVideo.h"

#include "drawing/LegendaSimbolo.h"
#include "drawing/LegendaTesti.h"
#include "drawing/RiquadroLegenda.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

namespace {

constexpr char Diametro[] = "\xC3\x98";  // "Ø" in the box's own font

// The face of the elevation drawn (distributed layers or zones of one face);
// the sheet and the maps show the face of the selector.
int LatoMostrato(const StatoInterfaccia& stato) {
    switch (stato.StatoVista) {
        case 0:
        case 14:
            return 0;
        case 1:
        case 15:
            return 1;
        default:
            return stato.LatoCorrente == 0 ? 0 : 1;
    }
}

}  // namespace

void LegendaVideo(const Parete& parete, const StatoInterfaccia& stato, RiquadroLegenda& riquadro) {
    const float t = static_cast<float>(riquadro.TwipPerPixel());
    riquadro.ImmaginePersistente(true);
    riquadro.Cancella();
    riquadro.ImpostaSpessoreTratto(2);

    riquadro.Testo(45 * t, 12 * t, "Orientamento delle armature:");
    SimboloDirezioneRiquadro(75 * t, 80 * t, parete.CosDir1, parete.SinDir1, 0, riquadro);
    riquadro.Testo(45 * t, 30 * t, "Direzione 1");
    SimboloDirezioneRiquadro(175 * t, 80 * t, parete.CosDir2, parete.SinDir2, 1, riquadro);
    riquadro.Testo(150 * t, 30 * t, "Direzione 2");

    const bool magliaUnica = parete.MagliaUnica != 0;
    const bool latoPiu = !magliaUnica && LatoMostrato(stato) == 0;
    const char* intestazione = magliaUnica ? "Armatura diffusa:"
                               : latoPiu   ? "Armatura diffusa lato + :"
                                           : "Armatura diffusa lato - :";
    riquadro.Testo(45 * t, 120 * t, intestazione);

    const int diam1 = latoPiu ? parete.DiamDir1Piu : parete.DiamDir1Meno;
    const int diam2 = latoPiu ? parete.DiamDir2Piu : parete.DiamDir2Meno;
    const float passo1 = latoPiu ? parete.PassoDir1Piu : parete.PassoDir1Meno;
    const float passo2 = latoPiu ? parete.PassoDir2Piu : parete.PassoDir2Meno;
    riquadro.Testo(50 * t, 140 * t, TestoDiametroPasso(Diametro, diam1, passo1));
    riquadro.Testo(150 * t, 140 * t, TestoDiametroPasso(Diametro, diam2, passo2));
    riquadro.Testo(50 * t, 160 * t, TestoAreaStrato(diam1, passo1));
    riquadro.Testo(150 * t, 160 * t, TestoAreaStrato(diam2, passo2));

    riquadro.ImpostaSpessoreTratto(1);
    riquadro.ImmaginePersistente(false);
}
