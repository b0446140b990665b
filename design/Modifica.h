#pragma once

#include "model/Parete.h"

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
// The reinforcement tail: provided area of each layer, missing area at every
// node counting every position, and the bar quantities.
void CodaArmatura(Parete& parete, const Impostazioni& imp);

// The tails a change runs. The program uses the standard one; a test can
// replace it to watch what runs.
class Ricalcolo {
public:
    virtual ~Ricalcolo() = default;
    virtual void Geometria(Sessione& sessione) const;
    virtual void Armatura(Sessione& sessione) const;
};
const Ricalcolo& RicalcoloStandard();

// One confirmed change of the design. Made before the change is applied: it
// stores the undo step when asked and remembers the design. Conferma runs the
// declared tail once and tells the window once that the wall, the panels and
// the command states must refresh. A change that is never confirmed (a
// dialog cancelled, an error) puts the design back as it was when it goes
// out of scope. The handler edits the design block only; what derives from
// it is the tail's business.
class Modifica {
public:
    Modifica(Sessione& sessione, InterfacciaFinestra& finestra, CodaRicalcolo coda,
             PuntoAnnullamento annullamento, const Ricalcolo& ricalcolo = RicalcoloStandard());
    ~Modifica();
    Modifica(const Modifica&) = delete;
    Modifica& operator=(const Modifica&) = delete;

    void Conferma();

private:
    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    CodaRicalcolo coda_;
    const Ricalcolo& ricalcolo_;
    ProgettoParete prima_;
    bool confermata_ = false;
};
