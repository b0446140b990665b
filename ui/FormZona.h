#pragma once

#include "interaction/FormZonaDati.h"

#include <QDialog>

class GrigliaProprieta;
class InterfacciaFinestra;
class OspiteDialoghi;
class PortaTela;
class QTextEdit;
struct Sessione;
struct Vista;

// "Armatura integrativa": confirms and edits the zone in the edit buffer.
// The buttons leave their flags in the buffer (interaction/FormZonaDati.h) and
// close the dialog; the close box leaves the flags of the opening. Enter
// presses "Ok" unless a grid editor is open; Esc does nothing.
class FormZona : public QDialog {
    Q_OBJECT
public:
    FormZona(Sessione& sessione, const Vista& vista, InterfacciaFinestra& finestra, PortaTela& porta,
             int twipPerPixel, QWidget* padre = nullptr);

    // The grid from the current values (deferred while the grid notifies).
    void PanelAgg();
    // The report; it follows every edit.
    void infoAA();

    [[nodiscard]] GrigliaProprieta& Griglia() { return *griglia_; }
    [[nodiscard]] QTextEdit& Testo() { return *testo_; }
    [[nodiscard]] const DatiFormZona& Dati() const { return dati_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Sessione& sessione_;
    const Vista& vista_;
    InterfacciaFinestra& finestra_;
    PortaTela& porta_;
    DatiFormZona dati_;
    GrigliaProprieta* griglia_ = nullptr;
    QTextEdit* testo_ = nullptr;
};

// The window's PortaTela::MostraDialogoZona:
//   MostraFormZona(sessione_, vista_, *this, dialoghi_, *this, twipPerPixel_, this);
void MostraFormZona(Sessione& sessione, const Vista& vista, InterfacciaFinestra& finestra,
                    OspiteDialoghi& dialoghi, PortaTela& porta, int twipPerPixel, QWidget* padre);
