#pragma once

#include "drawing/Vista.h"
#include "model/Esito.h"
#include "model/Finestra.h"
#include "ui/OspiteDialoghi.h"

#include <QMainWindow>
#include <QTimer>

#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;
class RiquadroLegendaQt;
class TelaQt;
struct Sessione;

// The main window: it starts and ends the program, lays out the canvas and
// the side column and is the core's window interface. What is shown lives in
// the session; the widgets only show it.
class FinestraPrincipale : public QMainWindow, public InterfacciaFinestra {
    Q_OBJECT
public:
    // Makes the window (the screen unit is taken here); nothing is loaded
    // before Form_Load.
    explicit FinestraPrincipale(Sessione& sessione, QWidget* parent = nullptr);

    // The start-up sequence, with the command line as one text. A wall on
    // the command line that the reader refuses has been told; the outcome
    // is then not successful and the program must end with its code.
    [[nodiscard]] Esito Form_Load(const std::string& rigaComando);

    // The layout pass: canvas and side column on the central widget's
    // client area, the canvas size into the view.
    void CommandBars_Ridimensiona();

    int TwipPerPixel() const { return twipPerPixel_; }
    Sessione& SessioneAperta() { return sessione_; }
    Vista& VistaTela() { return vista_; }
    OspiteDialoghi& Dialoghi() { return dialoghi_; }
    TelaQt& Tela() { return *tela_; }
    RiquadroLegendaQt& Legenda() { return *legenda_; }
    // The information panel (RichTextBox1), for the panel that fills it.
    QTextEdit& PannelloInformazioni() { return *informazioni_; }
    // Where the property grid of the distributed reinforcement goes.
    QWidget& ContenitoreGriglia() { return *griglia_; }
    // The range panel of the maps (Frame1) and its two boxes and buttons.
    QWidget& PannelloScala() { return *frame1_; }
    QLineEdit& ScalaMassima() { return *text1_[0]; }
    QLineEdit& ScalaMinima() { return *text1_[1]; }
    QPushButton& PulsanteScala(int indice) { return *command1_[indice]; }
    QLabel& Prompt() { return *label1_; }

    // InterfacciaFinestra.
    void Messaggio(const std::string& testo, const std::string& titolo,
                   IconaMessaggio icona) override;
    bool Domanda(const std::string& testo, const std::string& titolo,
                 IconaMessaggio icona) override;
    void SelezionaLatoMeno() override;
    void MostraPulsantiLato(bool visibili) override;
    void MostraEtichettaMagliaUnica(bool visibile) override;
    void ImpostaTitolo(const std::string& titolo) override;
    void CursoreAttesa(bool attesa) override;
    void MostraCaricamento(const std::vector<std::string>& righe) override;
    std::optional<std::string> ScegliFileDaAprire(const std::string& titolo,
                                                  const std::string& filtro) override;
    std::optional<std::string> ScegliFileDaSalvare(const std::string& titolo,
                                                   const std::string& filtro,
                                                   const std::string& nomeProposto) override;
    void PanelDiffusa() override;
    void AggiornaDopoModifica() override;
    void MostraRiquadroScala(bool visibile) override;

public slots:
    // "&Esci": closes as the close box does.
    void Esci();
    // "&Informazioni su...": the information window, through the dialog host.
    void MostraInformazioni();
    // The face and direction selectors (index 0 or 1).
    void Option1_Click(int indice);
    void Option2_Click(int indice);
    // The canvas colours of the settings, then a redraw.
    void ApplicaColoriVideo();

protected:
    // Form_Unload: asks before unsaved changes are lost.
    void closeEvent(QCloseEvent* evento) override;
    // Form_KeyPress and the central widget's resizes.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void CostruisciColonna();
    void DimensionaSuSchermo();
    void ApplicaPosizioneSalvata();
    void Form_KeyPress(int tasto);
    // The one place the central redraw of the screen is called from.
    void Ridisegna();

    Sessione& sessione_;
    Vista vista_;
    OspiteDialoghi dialoghi_;
    int twipPerPixel_ = 15;

    TelaQt* tela_ = nullptr;
    QWidget* frame2_ = nullptr;
    QRadioButton* option1_[2] = {};
    QRadioButton* option2_[2] = {};
    QButtonGroup* gruppoLato_ = nullptr;
    QButtonGroup* gruppoDirezione_ = nullptr;
    QLabel* label3_ = nullptr;
    RiquadroLegendaQt* legenda_ = nullptr;
    QWidget* frame1_ = nullptr;
    QLineEdit* text1_[2] = {};
    QPushButton* command1_[2] = {};
    QTextEdit* informazioni_ = nullptr;
    QWidget* griglia_ = nullptr;
    QLabel* label1_ = nullptr;
    // A burst of resizes is redrawn once, when it is over.
    QTimer ridisegnoDopoResize_;
    // The key press being passed up the parents, handled once.
    const QEvent* tastoVisto_ = nullptr;
};
