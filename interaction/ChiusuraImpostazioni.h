#pragma once

#include "design/Modifica.h"
#include "model/ControlliImpostazioni.h"
#include "model/CopiaImpostazioni.h"

#include <functional>

class InterfacciaFinestra;
struct Sessione;

// How the settings dialog closed.
enum class ChiusuraImpostazioni {
    Ok,       // "&Ok": the controls into the settings
    Annulla,  // "&Annulla": the twenty values copied at opening come back
    Chiusura, // the close box: nothing applied, nothing restored
};

// The end of the settings dialog. The laps, the longest bar and the end bends
// that the quantities read may have changed while it was open, so however it
// closes the reinforcement tail runs once and the window refreshes once.
// "&Ok" is a change with its undo step: it reads the controls (LeggiF), lets
// the window repaint the canvas background (coloriTela, no redraw) and
// confirms. The other ways take no undo step and leave the wall unmodified.
void ChiudiImpostazioni(Sessione& sessione, InterfacciaFinestra& finestra,
                        ChiusuraImpostazioni chiusura, const ValoriControlli& controlli,
                        const CopiaImpostazioni& copia, const std::function<void()>& coloriTela,
                        const Ricalcolo& ricalcolo = RicalcoloStandard());
