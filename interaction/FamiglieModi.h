#pragma once

#include "interaction/ContestoModi.h"
#include "interaction/StatoMacchina.h"

// The section (400-411), dimension (2000-7005) and slab/wall (7500-9100)
// modes plugged into the canvas machine. Every event is handed to the mode
// function of its family with a target on the canvas's transient layer; a
// Ridisegna result redraws the screen through the window. The hovers of the
// picking modes (the element under the cursor) are done here.
class FamigliaModi : public ModiFamiglia {
public:
    using FunzioneModo = DopoEvento (*)(ContestoModi&, int, float, float);
    // The move of one event: true when the mode has a move action of its own
    // (a guide, a snap, a hover), false to leave the cursor to the machine.
    using FunzioneMovimento = bool (*)(ContestoModi&, int, float, float);

    FamigliaModi(const ServiziModi& servizi, FunzioneModo premi, FunzioneMovimento muovi,
                 FunzioneModo rilascia);

    void Premi(ContestoTela& c, int pulsante, float x, float y) override;
    bool Muovi(ContestoTela& c, int pulsanti, float x, float y) override;
    void Rilascia(ContestoTela& c, int pulsante, float x, float y) override;

private:
    const ServiziModi& servizi_;
    FunzioneModo premi_;
    FunzioneMovimento muovi_;
    FunzioneModo rilascia_;
};

// The hit tests of the canvas; no dialog (either is taken as cancelled).
[[nodiscard]] ServiziModi ServiziTela();

// The three families over one set of services, which must outlive them.
struct FamiglieModi {
    explicit FamiglieModi(const ServiziModi& servizi);
    FamiglieModi(const FamiglieModi&) = delete;
    FamiglieModi& operator=(const FamiglieModi&) = delete;

    // The machine's slots (no perimeter editor).
    [[nodiscard]] ModiEsterni Esterni();

    FamigliaModi Sezioni;
    FamigliaModi Quote;
    FamigliaModi SolaiPareti;
};
