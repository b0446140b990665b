#pragma once

struct Impostazioni;
struct Parete;

// Whether the area provided at a node covers what a layer requires there.
enum class StatoNodoArm : int {
    Ok = 0,               // "Nodo OK"
    EntroTolleranza = 1,  // "Nodo entro tolleranza"
    NonVerificato = 2,    // "Nodo N.V."
};

// State of node i in layer k (0-3), from its missing area and the tolerance
// settings (ModoTolleranza 0: TolleranzaPerc percent of the node's required
// area; any other value: TolleranzaFissa cm2/m). A tolerance of 0 or less
// never applies. The difference is taken in float, and a node exactly at the
// tolerance is within it.
[[nodiscard]] StatoNodoArm StatoNodo(const Parete& parete, const Impostazioni& imp, int k, int i);

// Screen colour of the marker and of the legend key of a node state.
[[nodiscard]] int ColoreStatoNodo(StatoNodoArm stato);
