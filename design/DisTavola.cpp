#include "design/DisTavola.h"

#include "design/DisElementiVista.h"
#include "drawing/PannelliTavola.h"
#include "drawing/TavolaSezioni.h"
#include "model/Parete.h"

void DisTavola(const Parete& parete, const BersagliPassata& b) {
    for (const PannelloTavola& p : PannelliTavola(parete))
        DisElevazione(parete, p.OffX, p.OffY, p.Vista, b);
    if (parete.UltSezione >= 0) {
        const OrigineTavola origine = OrigineFoglio(parete);
        DisTavolaSezioni(parete, origine.X, origine.Y, b.Disegno);
    }
}
