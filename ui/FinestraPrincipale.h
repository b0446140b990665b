#pragma once

#include "drawing/Vista.h"
#include "interaction/ContestoModi.h"
#include "interaction/ModiEditorPerimetro.h"
#include "interaction/StatoMacchina.h"
#include "model/Esito.h"
#include "model/Finestra.h"
#include "ui/AzioniFinestra.h"
#include "ui/OspiteDialoghi.h"

#include <QMainWindow>
#include <QRegion>
#include <QTimer>

#include <memory>
#include <string>

class ComandiFinestra;
class EventiTelaQt;
class FrmPolig;
struct FamiglieModi;
class GrigliaProprieta;
class PannelloInfo;
class PannelloScala;
class QLabel;
class QLineEdit;
class RiquadroLegendaQt;
class SelettoriVista;
class SelezioneVistaQt;
class TelaQt;
struct Sessione;

// The main window: it starts and ends the program, lays out the canvas and
// the side column and is the core's window interface. What is shown lives in
// the session; the widgets only show it. The command bars reach it through
// its actions.
class FinestraPrincipale : public QMainWindow,
                           public InterfacciaFinestra,
                           public AzioniFinestra,
                           public PortaTela {
    Q_OBJECT
public:
    // Makes the window (the screen unit is taken here); nothing is loaded
    // before Form_Load.
    explicit FinestraPrincipale(Sessione& sessione, QWidget* parent = nullptr);
    ~FinestraPrincipale() override;

    // The start-up sequence, with the command line as one text. A wall on
    // the command line that the reader refuses has been told; the outcome
    // is then not successful and the program must end with its code. One
    // whose open a fault stopped has been told too; the start-up goes on
    // without a wall.
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
    SelettoriVista& Selettori() { return *selettori_; }
    SelezioneVistaQt& Selezione() { return *selezione_; }
    // The information panel (RichTextBox1).
    PannelloInfo& PannelloInformazioni() { return *informazioni_; }
    // The property grid of the distributed reinforcement (PropertyGrid1).
    GrigliaProprieta& Griglia() { return *griglia_; }
    // The range panel of the maps (Frame1) and its two boxes.
    PannelloScala& RiquadroScala() { return *scala_; }
    QLineEdit& ScalaMassima();
    QLineEdit& ScalaMinima();
    QLabel& Prompt() { return *label1_; }
    // The canvas input machine, fed by the canvas's events.
    MacchinaTela& Macchina() { return *macchina_; }
    // The perimeter editor's window, once it has been opened.
    FrmPolig* EditorPerimetro() { return editor_; }
    // The command bars and their dispatcher, from Form_Load on.
    ComandiFinestra* Comandi() { return comandi_.get(); }

    // InterfacciaFinestra.
    void Messaggio(const std::string& testo, const std::string& titolo,
                   IconaMessaggio icona) override;
    bool Domanda(const std::string& testo, const std::string& titolo,
                 IconaMessaggio icona) override;
    Risposta DomandaAnnullabile(const std::string& testo, const std::string& titolo,
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

    // AzioniFinestra.
    void Ridisegna() override;
    void AggiornaVisualizzazione() override;
    void SelezionaLato(int indice) override;
    void SelezionaDirezione(int indice) override;
    void ImpostaPrompt(const std::string& testo) override;
    void AnnullaEvidenziazione() override;
    void InfoArm() override;
    void MostraTestoInformazioni(const std::string& testo) override;
    void MostraPannelloIntervallo() override;
    void MostraEditorPerimetro(int perimetro) override;
    void ChiudiEditorPerimetro() override;
    void MostraComputo() override;
    void MostraEsportazioneDxf() override;
    void MostraInformazioniProgramma() override;
    void MostraImpostazioni() override;
    bool MostraParametriProgetto() override;
    // Closes as the close box does.
    void Esci() override;

    // PortaTela (Ridisegna and ImpostaPrompt are the actions' own).
    void SpostaImmagine(int dx, int dy) override;
    void InfoNodo(int i) override;
    void RipetiComando(int id) override;
    void MostraDialogoZona() override;
    void MostraDialogoCordolo() override;

    // The canvas colours of the settings, then a redraw.
    void ApplicaColoriVideo();
    // The canvas colours of the settings alone.
    void ColoriTela();

protected:
    // Form_Unload: asks before unsaved changes are lost.
    void closeEvent(QCloseEvent* evento) override;
    // Form_KeyPress and the central widget's resizes.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void CostruisciColonna();
    void CollegaPannelli();
    void CollegaTela();
    void DimensionaSuSchermo();
    void ApplicaPosizioneSalvata();
    void Form_KeyPress(int tasto);
    void AdattaPrompt();
    // Serves the redraw asked for since the last one: the whole canvas, or
    // only the strips a pan brought into view.
    void EseguiRidisegno();

    Sessione& sessione_;
    Vista vista_;
    OspiteDialoghi dialoghi_;
    int twipPerPixel_ = 15;

    TelaQt* tela_ = nullptr;
    SelettoriVista* selettori_ = nullptr;
    RiquadroLegendaQt* legenda_ = nullptr;
    PannelloScala* scala_ = nullptr;
    PannelloInfo* informazioni_ = nullptr;
    GrigliaProprieta* griglia_ = nullptr;
    QLabel* label1_ = nullptr;
    int altezzaPrompt_ = 0;  // pixels the prompt's text needs
    std::unique_ptr<SelezioneVistaQt> selezione_;
    std::unique_ptr<ComandiFinestra> comandi_;
    ServiziModi serviziModi_;
    std::unique_ptr<FamiglieModi> famiglieModi_;
    ModiEditorPerimetro modiEditor_;
    FrmPolig* editor_ = nullptr;
    std::unique_ptr<MacchinaTela> macchina_;
    std::unique_ptr<EventiTelaQt> eventiTela_;
    // A burst of resizes is redrawn once, when it is over.
    QTimer ridisegnoDopoResize_;
    // A redraw is asked for, and served once before the next paint (or by
    // this timer when no paint comes): a whole one, else the strips a pan
    // brought into view.
    bool ridisegnoRichiesto_ = false;
    QRegion striscia_;
    QTimer servizioRidisegno_;
    // The canvas's layers as they were at the last whole redraw.
    int stratiDisegnati_ = -1;
    // The key press being passed up the parents, handled once.
    const QEvent* tastoVisto_ = nullptr;
};
