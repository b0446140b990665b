#pragma once

#include <QDialog>

class InterfacciaFinestra;
class OspiteDialoghi;
class QRadioButton;
struct Sessione;

// "Quota attiva nel contesto:": the current plan or "Tutte le piante" for
// dimension QuotaSelezionata (the logic is interaction/FormPropQuoteDati.h).
// "Ok" stores the choice as one change, "&Annulla" and the close box change
// nothing. No default or cancel button: Esc does nothing.
class FrmPropQuote : public QDialog {
    Q_OBJECT
public:
    FrmPropQuote(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel,
                 QWidget* padre = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    QRadioButton* piantaCorrente_ = nullptr;
};

// The dimension mode's dialog through the dialog host. The window plugs it
// into the canvas modes' services:
//   servizi.FrmPropQuote = [this](Sessione& s, InterfacciaFinestra& f) {
//       MostraFrmPropQuote(s, f, dialoghi_, twipPerPixel_, this); };
void MostraFrmPropQuote(Sessione& sessione, InterfacciaFinestra& finestra,
                        OspiteDialoghi& dialoghi, int twipPerPixel, QWidget* padre);
