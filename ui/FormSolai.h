#pragma once

#include <QDialog>

class GrigliaProprieta;
class InterfacciaFinestra;
class OspiteDialoghi;
struct Sessione;

// "Solaio" / "Parete": shows SolaioCorrente in a property grid and stores it
// on "Ok" (the logic is interaction/FormSolaiDati.h). Edits go into SolaioCorrente
// as they are accepted; "Ok" and "Annulla" both close it, only "Ok" changes
// the wall. No default or cancel button: Esc does nothing.
class FormSolai : public QDialog {
    Q_OBJECT
public:
    FormSolai(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel,
              QWidget* padre = nullptr);

    // Rebuilds the grid from SolaioCorrente (deferred while the grid notifies).
    void PanelSol();
    [[nodiscard]] GrigliaProprieta& Griglia() { return *griglia_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    GrigliaProprieta* griglia_ = nullptr;
};

// The slab and wall modes' dialog through the dialog host. The window plugs
// it into the canvas modes' services:
//   servizi.FormSolai = [this](Sessione& s, InterfacciaFinestra& f) {
//       MostraFormSolai(s, f, dialoghi_, twipPerPixel_, this); };
void MostraFormSolai(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
                     int twipPerPixel, QWidget* padre);
