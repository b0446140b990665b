#pragma once

#include "drawing/FlussoDxf.h"

class InterfacciaFinestra;
class RiquadroLegenda;
class TelaSchermo;
struct Sessione;
struct Vista;

// What the screen redraw paints on: the canvas through the view, the legend
// box beside it, and the window, which shows or hides the colour-scale
// range frame.
struct DestinazioneSchermo {
    TelaSchermo& Tela;
    const Vista& VistaTela;
    RiquadroLegenda& Riquadro;
    InterfacciaFinestra& Finestra;
};

// What the DXF redraw writes into: the entity stream of the export and its switches.
struct DestinazioneDxf {
    FlussoDxf& Flusso;
    const StatoDxf& Stato;
};

// Rebuilds the persistent image of the canvas from the model, with the screen
// layer flags: both canvas layers are cleared; the range frame is shown for
// the required-area and excess maps and hidden otherwise. With a wall loaded
// and the perimeter editor closed, a map state (StatoVista 2-13) paints its
// colour map with the perimeters, the positions of the active layer, the
// slabs and the section lines; any other state fills the legend box and draws
// the elevation of VistaCorrente (0-3) or the sheet (5). With the editor
// open the canvas shows the perimeters and the polygon under edit only;
// otherwise the zone under edit gets its rubber band and grips. Whatever
// is drawn afterwards on the overlay never touches this image.
// A redraw that a fault stops (an exception from a library) is abandoned
// with the canvas empty and told with "Errore!", once while the fault lasts.
void Ridisegna(Sessione& sessione, const DestinazioneSchermo& schermo);

// The export drawing: the sheet of the open wall, with the DXF layer flags,
// whatever view the screen shows. Touches neither the canvas nor the window.
void Ridisegna(const Sessione& sessione, const DestinazioneDxf& dxf);
