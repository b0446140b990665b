#pragma once

class InterfacciaFinestra;
struct Sessione;

// What the quadrilateral in the edit buffer is: a zone just drawn, which
// takes the default diameter and a spacing from the missing area, or a zone
// under edit, which keeps its bars.
enum class OrigineZona { Nuova, InModifica };

// Completes the edit buffer for the zone quadrilateral PosCorrente.Vertici
// (its box set): AreaRichiestaMax and AreaRichiestaMedia from the missing
// area, at the nodes inside it, of the layer of the missing-area map shown
// (TipoMappa - 5; 0 outside those maps); below the zone-editing mode
// (modo < ModoInput::ModificaZona) the face and direction of the active
// layer; for a new zone the bars; and the zone polygon, the clipped zone
// (also when every node is inside). False after its own message when no node is inside or
// the clipping gives no polygon; the design is never touched.
[[nodiscard]] bool CreaPosizioneDaSelezione(Sessione& sessione, InterfacciaFinestra& finestra,
                                            OrigineZona origine, int modo);
