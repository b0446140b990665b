#pragma once

class InterfacciaFinestra;
class TelaSchermo;
struct Sessione;
struct Vista;

// Copies to the other face the zones of the layer shown in a zone layout
// view (display states 2 to 13) whose centroid lies strictly inside the
// rubber-band box BoxX1..BoxY2 of the view (pixels, BoxX1 < BoxX2,
// BoxY1 < BoxY2). Ring beams are left out. The selected zones are marked on
// the canvas image with a yellow circle of 20 cm; on Yes to the question the
// copies are appended at the end of the list as one change of the design.
// A selection the list cannot take is refused with a message before
// anything is marked or asked.
void CopiaLatoOpposto(Sessione& sessione, InterfacciaFinestra& finestra, const Vista& vista,
                      TelaSchermo& tela);
