#pragma once

#include "model/Punto.h"

#include <string>
#include <vector>

class InterfacciaFinestra;
struct Parete;
struct Sessione;
struct StatoInterfaccia;

// The perimeter editor's polygon: a pool of points and the pool indexes of
// the vertices in order, in StatoInterfaccia (PoolVertici, OrdineVertici,
// UltVerticeLista, VerticeSelezionato, Text1). The wall changes only through
// AssegnaPerimetro; the window only shows these.

// Title of the editor's message boxes.
[[nodiscard]] std::string TitoloAvviso();

// The pool index of (x, y): the first entry equal within 0.0001 on both
// axes, else a new entry at the end.
int AggiungiVertice(StatoInterfaccia& stato, Punto p);

// Opens the editor on perimetro (0 outer, 1 inner): ModificaPoligono 1, the
// pool and the list from the perimeter (its closing repeat left out), vertex
// 0 selected, the canvas idle.
void CaricaEditorPerimetro(Sessione& sessione, int perimetro);
[[nodiscard]] std::string TitoloEditorPerimetro(int perimetro);

// The point of list position i.
[[nodiscard]] Punto PuntoVertice(const StatoInterfaccia& stato, int i);
// "  1 - X = 0.0    Y = 0.0": one line of the vertex list per position.
[[nodiscard]] std::vector<std::string> RigheVertici(const StatoInterfaccia& stato);
// "Vertice  1:" for position i.
[[nodiscard]] std::string EtichettaVertice(int i);

// Selects position i and puts its coordinates with one decimal into Text1.
void SelezionaVertice(StatoInterfaccia& stato, int i);

// "Assegna coordinate al vertice": moves the selected position to the point
// typed in Text1, as the reinforcement file keeps it. A box holding no
// number tells "Coordinate non valide." and changes nothing; a coordinate
// beyond the range is refused with a message and Text1 shows the vertex
// again. True when moved.
bool AssegnaCoordinate(StatoInterfaccia& stato, InterfacciaFinestra& finestra);

// The two handlers the window builds but never shows. Both ask first
// (Yes/No, no icon, TitoloAvviso) because a new vertex count also rewrites
// the other perimeter and the outline when assigned.
// "Inserisci vertice": after Yes, a vertex halfway along the side that
// leaves the selected one (the closing side after the last), then selected.
// True when inserted.
bool InserisciVertice(StatoInterfaccia& stato, InterfacciaFinestra& finestra);
// "Elimina vertice": with four vertices or more, after Yes the selected one
// is removed; whatever the answer the previous one is selected. Fewer than
// four are refused silently. True when removed.
bool EliminaVertice(StatoInterfaccia& stato, InterfacciaFinestra& finestra);

// "Assegna perimetro": writes the list into the perimeter it was loaded from
// as one change (an undo step even when unchanged; geometry and
// reinforcement tails); a changed vertex count makes the other perimeter and
// the outline copies of it. The ring beams on the outer perimeter follow
// their sides in the same change. Closes the editor (ModificaPoligono 0).
void AssegnaPerimetro(Sessione& sessione, InterfacciaFinestra& finestra);

// What the editor's list was loaded from. When the wall stops matching it
// (another wall opened, an undo or redo, a band change that moved an outline)
// the list is stale and the editor closes without writing.
struct OrigineEditor {
    std::string File;
    std::vector<Punto> Esterno, Interno, Contorno;
    bool operator==(const OrigineEditor&) const = default;
};
[[nodiscard]] OrigineEditor OrigineEditorDi(const Parete& parete);
