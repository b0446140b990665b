#pragma once

#include <QDialog>

class GrigliaProprieta;
class OspiteDialoghi;
class QPushButton;
struct Sessione;

// "Progetto amatura diffusa", the parameters of the automatic design. Every
// accepted edit changes the settings at once. Closed with exec's code:
// Accepted for "Progetta", Rejected for "Annulla" and the close box. No
// default or cancel button: Enter and Esc act only inside a grid editor.
class FrmProg : public QDialog {
    Q_OBJECT
public:
    FrmProg(Sessione& sessione, int twipPerPixel, QWidget* padre = nullptr);

    // Builds the grid from the parameters (deferred while the grid notifies).
    void Panne();
    [[nodiscard]] GrigliaProprieta& Griglia() { return *griglia_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Sessione& sessione_;
    GrigliaProprieta* griglia_ = nullptr;
};

// The design command's dialog through the dialog host. True when "Progetta"
// closed it on an open wall: the caller then runs the design as one change
// (ApplicaProgettoDiffusa). "Annulla" and the close box change no design and
// need no recompute. The window's MostraParametriProgetto calls it:
//   return MostraFrmProg(sessione_, dialoghi_, twipPerPixel_, this);
[[nodiscard]] bool MostraFrmProg(Sessione& sessione, OspiteDialoghi& dialoghi, int twipPerPixel,
                                 QWidget* padre);
