#pragma once

#include "interaction/ClickVertice.h"
#include "interaction/StatoMacchina.h"

#include <functional>

// The perimeter editor's canvas family for the input machine (idle mode
// while ModificaPoligono is set): a press runs ClickVertice, then tells the
// editor window what changed and redraws; a move with the grid on marks (no
// button) or stores the node. The window plugs it in with
//   ModiEsterni{..., .Editor = &modiEditor_}
// where modiEditor_.DopoClick refreshes the list and boxes of its FrmPolig.
class ModiEditorPerimetro final : public ModiFamiglia {
public:
    std::function<void(EsitoClickVertice)> DopoClick;

    void Premi(ContestoTela& c, int pulsante, float x, float y) override;
    bool Muovi(ContestoTela& c, int pulsanti, float x, float y) override;
    void Rilascia(ContestoTela&, int, float, float) override {}
};
