#include "design/DisElementiVista.h"

#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniCordoli.h"
#include "drawing/DisLineeSezioni.h"
#include "drawing/DisPerimetri.h"
#include "drawing/DisSolaiPareti.h"
#include "drawing/LegendaTavola.h"
#include "drawing/QuoteDisegno.h"
#include "drawing/TavolaSezioni.h"
#include "model/Parete.h"

void DisElementiVista(const Parete& parete, float offX, float offY, int vista,
                      const BersagliPassata& b) {
    DisSimboliPosizioni(parete, offX, offY, b.Disegno);
    DisPerimetri(parete, offX, offY, b.Sagome);
    DisSolai(parete, offX, offY, b.Sagome);
    DisPareti(parete, offX, offY, b.Sagome);
    DisQuote(parete, offX, offY, vista, b.Disegno);
    if (parete.UltSezione >= 0) DisLineeSezioni(parete, offX, offY, b.Disegno);
    LegendaTavola(parete.XminCornice + offX, parete.YmaxCornice + offY, vista, parete, b.Disegno);
}

void DisElevazione(const Parete& parete, float offX, float offY, int vista,
                   const BersagliPassata& b) {
    switch (vista) {
        case 0:
        case 1:
            ArmaturaDiffusa(parete, offX, offY, vista, b.Disegno);
            break;
        case 2:
        case 3:
            ArmaturaPosizioni(parete, offX, offY, vista - 2, b.Disegno);
            break;
        default:
            return;
    }
    DisElementiVista(parete, offX, offY, vista, b);
}

void DisPiantaConSezioni(const Parete& parete, int vista, const BersagliPassata& b) {
    if (vista < 0 || vista > 3) return;
    DisElevazione(parete, 0.0f, 0.0f, vista, b);
    if (parete.UltSezione >= 0) {
        const OrigineTavola origine = OrigineSottoVista(parete);
        DisTavolaSezioni(parete, origine.X, origine.Y, b.Disegno);
    }
}
