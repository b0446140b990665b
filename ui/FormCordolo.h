#pragma once

#include <QDialog>

class GrigliaProprieta;
class InterfacciaFinestra;
class OspiteDialoghi;
class QTextEdit;
struct Sessione;

// "Cordolo perimetrale": edits the ring beam in the edit buffer; "Ok" stores
// it as one change (interaction/FormCordoloDati.h). "Annulla", the close box and
// Esc store nothing; Enter presses "Ok" unless a grid editor is open.
class FormCordolo : public QDialog {
    Q_OBJECT
public:
    FormCordolo(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel, QWidget* padre = nullptr);

    void PanelCord();
    void infoST();

    [[nodiscard]] GrigliaProprieta& Griglia() { return *griglia_; }
    [[nodiscard]] QTextEdit& Testo() { return *testo_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    GrigliaProprieta* griglia_ = nullptr;
    QTextEdit* testo_ = nullptr;
};

// The window's PortaTela::MostraDialogoCordolo:
//   MostraFormCordolo(sessione_, *this, dialoghi_, twipPerPixel_, this);
// It opens at its design place, moved inside the screen where that is off it.
void MostraFormCordolo(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
                       int twipPerPixel, QWidget* padre);
