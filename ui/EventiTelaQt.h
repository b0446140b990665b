#pragma once

#include <QObject>

class MacchinaTela;
class QWidget;

// Hands the canvas widget's mouse events to the canvas input machine: press,
// move (with mouse tracking, so the hover works without a button), release,
// double click (which raises no second press) and the wheel. Positions are
// logical pixels; Qt's left, right and middle buttons are 1, 2 and 4, the
// values the machine compares. The window installs it once on its canvas:
//     new EventiTelaQt(*tela_, macchina_, this);
// and hands the Enter key in mode 200 to macchina_.TastoInvio().
class EventiTelaQt : public QObject {
    Q_OBJECT
public:
    EventiTelaQt(QWidget& tela, MacchinaTela& macchina, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    MacchinaTela& macchina_;
};
