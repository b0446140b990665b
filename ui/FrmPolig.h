#pragma once

#include "interaction/ClickVertice.h"
#include "interaction/EditorPerimetro.h"

#include <QWidget>

#include <array>
#include <functional>

class InterfacciaFinestra;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct Sessione;

// The perimeter vertex editor: a floating tool window over the editor's
// state (interaction/EditorPerimetro.h), the only window that is not modal. It
// stays above the main window and never takes the focus when shown, so the
// canvas keeps working while it is open. The wall changes only through
// "Assegna perimetro".
class FrmPolig : public QWidget {
    Q_OBJECT
public:
    // ridisegna redraws the canvas (the editor's polygon while it is open).
    FrmPolig(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel,
             std::function<void()> ridisegna, QWidget* padre);

    // Form_Load: loads perimetro (0 outer, 1 inner) into the editor, drops
    // whatever was being edited, selects the first vertex and redraws.
    void Carica(int perimetro);
    // One list line per vertex.
    void AggiornaNodi();
    // After a canvas press: the picked vertex selected, or the proposed point
    // in red in the two boxes. The canvas redraws itself.
    void DopoClickTela(EsitoClickVertice esito);
    // Closes without writing when the editor was switched off or the wall no
    // longer matches what the list was loaded from.
    void ChiudiSeSuperato();

protected:
    // Form_Unload, also for the close box: the edits are dropped.
    void closeEvent(QCloseEvent* evento) override;

private:
    void List1_Click();
    void Command1_Click(int indice);
    // The boxes and the label follow the selected vertex, in black.
    void MostraSelezione();
    void ColoreCaselle(int colorePalette);
    // The window's fixed size to what it holds (never below its design size),
    // kept on the screen once shown.
    void AdattaAlContenuto();

    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    std::function<void()> ridisegna_;
    OrigineEditor origine_;
    QListWidget* list1_ = nullptr;
    QLabel* etichettaVertice_ = nullptr;
    std::array<QLineEdit*, 2> text1_{};
    QPushButton* check1_ = nullptr;
    int tpp_ = 15;
};

// Shows the window above every other at its own place and size without
// taking the focus (nothing happens when attivo is false).
void SempreInPrimoPiano(QWidget& finestra, bool attivo);
