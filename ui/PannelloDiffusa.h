#pragma once

#include <QString>

#include <functional>

class GrigliaProprieta;
class InterfacciaFinestra;
class QTreeWidgetItem;
struct Parete;
struct Sessione;

// What an edit of the distributed layers asks of the main window.
struct AzioniDiffusa {
    std::function<void()> AdattaFinestra;  // fit the view to the extents (no redraw)
    std::function<void(int nodo)> InfoNodo;  // the balance of a node on the information panel
};

// Fills the grid "PropertyGrid1" with the category "Armatura diffusa" and
// the items of the open wall's distributed layers. Called inside the grid's
// own notification, the rebuild waits until the edit is committed.
void PanelDiffusa(const Parete& parete, GrigliaProprieta& griglia);

// The grid's validation: checks and stores the typed value (no undo step),
// fits the view, recomputes and, in the node-information mode with a node
// picked, shows that node's balance again. testo is what the grid commits.
void PropertyGrid1_ValidaModifica(Sessione& sessione, InterfacciaFinestra& finestra,
                                  const AzioniDiffusa& azioni, QTreeWidgetItem& voce,
                                  QString& testo);

// Plugs the validation above into the window's grid:
//   CollegaGrigliaDiffusa(griglia, sessione, *this, {.AdattaFinestra = ..., .InfoNodo = ...});
// and the window's PanelDiffusa() member calls PanelDiffusa(sessione.parete, griglia).
void CollegaGrigliaDiffusa(GrigliaProprieta& griglia, Sessione& sessione,
                           InterfacciaFinestra& finestra, AzioniDiffusa azioni);
