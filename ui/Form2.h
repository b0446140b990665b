#pragma once

#include "model/ControlliImpostazioni.h"
#include "model/CopiaImpostazioni.h"

#include <QDialog>

#include <array>
#include <functional>

class GrigliaProprieta;
class InterfacciaFinestra;
class OspiteDialoghi;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
struct Sessione;

// What the settings dialog asks of the main window besides the core's interface.
struct AzioniForm2 {
    std::function<void()> Ridisegna;   // the canvas redraw ("Reset impostazioni")
    std::function<void()> ColoriTela;  // canvas background and foreground from the settings, no redraw
};

// "Impostazioni", the settings dialog. The grid's edits, "Salva impostazioni",
// "Reset impostazioni" and "Colori default" act while it is open; the left
// column and the three frames reach the settings through "&Ok" or "Salva
// impostazioni" only. Closed with exec's code: Accepted for "&Ok",
// CodiceAnnulla for "&Annulla", Rejected for the close box (Esc does nothing).
class Form2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int CodiceAnnulla = 2;

    // Form_Load: the copy of the twenty values, the grid, the controls.
    Form2(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
          AzioniForm2 azioni, int twipPerPixel, QWidget* padre = nullptr);

    // Settings to controls; a later change of the shown icon size gets the note.
    void AggiornaForm2();
    // What the controls hold now (ColoriForm for the swatches).
    [[nodiscard]] ValoriControlli Controlli() const;
    void PannelloSetting();
    [[nodiscard]] const CopiaImpostazioni& Copia() const { return copia_; }
    [[nodiscard]] GrigliaProprieta& Griglia() { return *griglia_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Costruisci();
    void Label8_Click(int riga);
    void Option2_Click(int indice);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void NotaIcone();
    void ColoraCampione(int riga);

    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    OspiteDialoghi& dialoghi_;
    AzioniForm2 azioni_;
    int tpp_;
    CopiaImpostazioni copia_;
    std::array<int, RigheLayer> coloriForm_{};
    std::array<std::string, RigheLayer> nomi_{};
    // The icon size the options show; -1 while the dialog fills itself.
    int iconaMostrata_ = -1;

    std::array<QLineEdit*, RigheLayer> text2_{};
    std::array<QPushButton*, RigheLayer> label8_{};
    std::array<QCheckBox*, RigheLayer> check4_{};
    std::array<QCheckBox*, NumGruppiOsnap> check1_{};
    QButtonGroup* option5_ = nullptr;
    QButtonGroup* option1_ = nullptr;
    std::array<QLineEdit*, 2> text1_{};
    QButtonGroup* option2_ = nullptr;
    GrigliaProprieta* griglia_ = nullptr;
};

// The "Impostazioni" command: the dialog through the dialog host, then its
// close (ChiudiImpostazioni): the tail once and one refresh however it closed.
// The window's MostraImpostazioni calls it:
//   MostraImpostazioni(sessione_, *this, dialoghi_,
//                      {.Ridisegna = [this] { Ridisegna(); },
//                       .ColoriTela = [this] { /* tela_ colours, no redraw */ }},
//                      twipPerPixel_, this);
void MostraImpostazioni(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
                        const AzioniForm2& azioni, int twipPerPixel, QWidget* padre);
