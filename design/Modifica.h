#pragma once

#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StoriaAnnulla.h"

#include <optional>

class InterfacciaFinestra;
struct Impostazioni;
struct Sessione;
struct StatoInterfaccia;

// What a change of the design must rebuild once it is confirmed.
enum class CodaRicalcolo {
    Nessuna,
    Geometria,  // extents, reinforcement contours, section lines
    Armatura,   // layer areas, missing areas at the nodes, bar quantities
    Completa,   // the geometry, then the reinforcement
};

// Whether the change stores an undo step before it is applied.
enum class PuntoAnnullamento { No, Si };

// The geometry tail: extents, reinforcement contours and section lines after
// the outline, a perimeter, an opening or a section changed.
void CodaGeometria(Parete& parete, StatoInterfaccia& stato);
// The part of the reinforcement tail that the provided areas need: provided
// area of each layer and missing area at every node counting every position.
void CodaAree(Parete& parete);
// The reinforcement tail: CodaAree, then the bar quantities.
void CodaArmatura(Parete& parete, const Impostazioni& imp);

// The tails a change runs. The program uses the standard one; a test can
// replace it to watch what runs, or to stop it with a fault.
class Ricalcolo {
public:
    virtual ~Ricalcolo() = default;
    virtual void Geometria(Sessione& sessione) const;
    virtual void Armatura(Sessione& sessione) const;
    virtual void Aree(Sessione& sessione) const;
};
const Ricalcolo& RicalcoloStandard();

// One confirmed change of the design. Made before the change is applied: it
// takes the undo step when asked and remembers the wall and the settings.
// Conferma runs the declared tail once, stores the undo step and tells the
// window once that the wall, the panels and the command states must refresh.
// A change that is never confirmed (a dialog cancelled, an error) puts the
// design back as it was when it goes out of scope, and keeps its undo step.
// The handler edits the design block only; what derives from it is the
// tail's business. When the geometry tail finds the reinforcement outline
// or the openings changed, the zones are cut to the new wall in the same
// step (design/ZoneNellaParete.h), their bars measured again, and each zone
// removed for lying wholly outside is told once the change stands.
//
// A change that an exception stops (in the tail, or in the handler before
// Conferma) leaves nothing behind: the wall with all that derives from it,
// the settings and the undo history with its files are as before it, and
// the step is never stored. Conferma tells such a fault and gives false; an
// exception from the handler goes on to the handler's caller.
class Modifica {
public:
    Modifica(Sessione& sessione, InterfacciaFinestra& finestra, CodaRicalcolo coda,
             PuntoAnnullamento annullamento, const Ricalcolo& ricalcolo = RicalcoloStandard());
    ~Modifica();
    Modifica(const Modifica&) = delete;
    Modifica& operator=(const Modifica&) = delete;

    // True when the change stands (also for a second call after it stood).
    bool Conferma();

private:
    void Ripristina();
    void MemorizzaPasso();

    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    CodaRicalcolo coda_;
    const Ricalcolo& ricalcolo_;
    Parete prima_;
    Impostazioni impPrima_;
    std::optional<PassoAnnulla> passo_;
    // Exceptions in flight when the change began: more at its end means the
    // handler is being left by one.
    int eccezioni_;
    enum class Fine { Aperta, Confermata, Rifiutata } fine_ = Fine::Aperta;
};
