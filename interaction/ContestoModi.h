#pragma once

#include <functional>

class BersaglioSchermo;
class InterfacciaFinestra;
class TelaSchermo;
struct Sessione;
struct Vista;

// What the canvas modes of sections, dimensions, slabs and transverse walls
// need besides the session: the hit tests of the canvas and the two modal
// dialogs, which live elsewhere and are plugged in by the window. A missing
// hit test finds nothing; a missing dialog is taken as cancelled.
struct ServiziModi {
    // The section line, slab band or transverse-wall band under the cursor
    // (pixels), -1 none.
    std::function<int(const Sessione&, const Vista&, float x, float y)> TrovaSezione;
    std::function<int(const Sessione&, const Vista&, float x, float y)> TrovaSolaio;
    std::function<int(const Sessione&, const Vista&, float x, float y)> TrovaParete;
    // The slab/wall dialog on SolaioCorrente, and the visibility dialog of
    // dimension QuotaSelezionata; both store their change themselves.
    std::function<void(Sessione&, InterfacciaFinestra&)> FormSolai;
    std::function<void(Sessione&, InterfacciaFinestra&)> FrmPropQuote;
};

// One canvas event as the modes see it. The input state machine builds it
// for every press, move and release: the canvas (the dimension crosses stay
// in its persistent image), a target bound to its transient layer (guides,
// snap marks, rubber dimensions) and the window.
struct ContestoModi {
    Sessione& sessione;
    Vista& vista;
    TelaSchermo& tela;
    const BersaglioSchermo& transitorio;
    InterfacciaFinestra& finestra;
    const ServiziModi& servizi;
};

// Every mode function takes the event as ContestoModi, the button (press,
// release: the button; move: the buttons held, 1 left, 4 middle, 0 none) and
// the cursor in canvas pixels, and returns what the machine does next.

// What the state machine does after a mode function: a confirmed change has
// refreshed the window already; Ridisegna asks for a redraw of the screen.
enum class DopoEvento { Nulla, Ridisegna };
