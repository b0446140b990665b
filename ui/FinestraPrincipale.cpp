#include "ui/FinestraPrincipale.h"

#include "design/ArmaturaDiffusa.h"
#include "design/CaricaProgetto.h"
#include "design/ConfermaUscita.h"
#include "design/Ridisegna.h"
#include "drawing/ComandiVista.h"
#include "export/FrammentiRtf.h"
#include "interaction/FamiglieModi.h"
#include "interaction/ModiQuota.h"
#include "model/Cartelle.h"
#include "model/CartelleIstantanee.h"
#include "model/FileIni.h"
#include "model/Numeri.h"
#include "model/RecentiMemoria.h"
#include "model/RigaComando.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"
#include "model/Titolo.h"
#include "ui/ApplicazioneKorvane.h"
#include "ui/ComandiFinestra.h"
#include "ui/EventiTelaQt.h"
#include "ui/Form2.h"
#include "ui/FormComputo.h"
#include "ui/FormCordolo.h"
#include "ui/FormDxf.h"
#include "ui/FormSolai.h"
#include "ui/FormZona.h"
#include "ui/FrmPolig.h"
#include "ui/FrmProg.h"
#include "ui/FrmPropQuote.h"
#include "ui/FrmSplash.h"
#include "ui/GrigliaProprieta.h"
#include "ui/LayoutFinestra.h"
#include "ui/PannelloDiffusa.h"
#include "ui/PannelloInfo.h"
#include "ui/PosizioneFinestra.h"
#include "ui/RiquadroLegendaQt.h"
#include "ui/SelettoriVista.h"
#include "ui/SelezioneVistaQt.h"
#include "ui/TelaQt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QString Testo(const std::string& s) { return QString::fromStdString(s); }

// The map types of the missing-area maps of "Disponi armature integrative",
// whose scale the range boxes do not set.
constexpr int PrimaMappaMancanti = 5;
constexpr int UltimaMappaMancanti = 9;

// Time after the last resize of a burst before the canvas is redrawn.
constexpr int AttesaRidisegnoMs = 40;

}  // namespace

FinestraPrincipale::FinestraPrincipale(Sessione& sessione, QWidget* parent)
    : QMainWindow(parent), sessione_(sessione) {
    // The screen unit of the side column and of every twip size.
    twipPerPixel_ = std::max(1, static_cast<int>(std::lround(1440.0 / logicalDpiX())));

    auto* centro = new QWidget(this);
    setCentralWidget(centro);
    centro->installEventFilter(this);
    centro->setMinimumSize(2 * MisureColonna::Larghezza / twipPerPixel_,
                           AltezzaMinimaClient(twipPerPixel_));
    tela_ = new TelaQt(centro);
    CostruisciColonna();
    CollegaPannelli();
    CollegaTela();

    ridisegnoDopoResize_.setSingleShot(true);
    ridisegnoDopoResize_.setInterval(AttesaRidisegnoMs);
    // The first show resizes too, but its redraw has come before its paint.
    connect(&ridisegnoDopoResize_, &QTimer::timeout, this, [this] {
        if (tela_->StratiRifatti() != stratiDisegnati_) Ridisegna();
    });
    servizioRidisegno_.setSingleShot(true);
    servizioRidisegno_.setInterval(0);
    connect(&servizioRidisegno_, &QTimer::timeout, this, [this] { EseguiRidisegno(); });
    tela_->PrimaDiMostrare = [this] { EseguiRidisegno(); };

    // Enter is previewed in every control of the window, then passed on.
    qApp->installEventFilter(this);
    ApplicaColoriVideo();
    // The last line against exceptions tells through this window.
    if (ApplicazioneKorvane* applicazione = ApplicazioneKorvane::Corrente())
        applicazione->ImpostaFinestra(this);
}

// The bars and the canvas outlive this body (they are child widgets); they
// stop calling back first.
FinestraPrincipale::~FinestraPrincipale() {
    tela_->PrimaDiMostrare = nullptr;
    ApplicazioneKorvane* applicazione = ApplicazioneKorvane::Corrente();
    if (applicazione && applicazione->Finestra() == this) applicazione->ImpostaFinestra(nullptr);
}

void FinestraPrincipale::CostruisciColonna() {
    QWidget* centro = centralWidget();
    const int tpp = twipPerPixel_;
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(180 / tpp);  // 9 pt

    selettori_ = new SelettoriVista(centro);
    selettori_->setFont(arial);
    selettori_->setAutoFillBackground(true);
    selettori_->setStyleSheet(QStringLiteral("background: white;"));

    legenda_ = new RiquadroLegendaQt(tpp, centro);
    scala_ = new PannelloScala(legenda_);
    scala_->setAutoFillBackground(true);
    scala_->setGeometry(1740 / tpp, 360 / tpp, 1695 / tpp, 1155 / tpp);

    informazioni_ = new PannelloInfo(centro);
    griglia_ = new GrigliaProprieta(centro);
    label1_ = new QLabel(centro);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setStyleSheet(
        QStringLiteral("background: rgb(255, 255, 192); border: 1px solid black; color: black;"));
}

void FinestraPrincipale::CollegaPannelli() {
    selezione_ = std::make_unique<SelezioneVistaQt>(
        sessione_, *selettori_, *scala_,
        AzioniVista{.InfoArm = [this] { InfoArm(); },
                    .AdattaFinestra = [this] { AdattaFinestra(vista_, sessione_.parete.Estensione); },
                    .Ridisegna = [this] { Ridisegna(); }});
    CollegaGrigliaDiffusa(
        *griglia_, sessione_, *this,
        {.AdattaFinestra = [this] { AdattaFinestra(vista_, sessione_.parete.Estensione); },
         .InfoNodo = [this](int nodo) { InfoNodo(nodo); }});
}

void FinestraPrincipale::CollegaTela() {
    serviziModi_ = ServiziTela();
    serviziModi_.FormSolai = [this](Sessione& s, InterfacciaFinestra& f) {
        MostraFormSolai(s, f, dialoghi_, twipPerPixel_, this);
    };
    serviziModi_.FrmPropQuote = [this](Sessione& s, InterfacciaFinestra& f) {
        MostraFrmPropQuote(s, f, dialoghi_, twipPerPixel_, this);
    };
    famiglieModi_ = std::make_unique<FamiglieModi>(serviziModi_);
    modiEditor_.DopoClick = [this](EsitoClickVertice esito) {
        if (editor_) editor_->DopoClickTela(esito);
    };
    ModiEsterni esterni = famiglieModi_->Esterni();
    esterni.Editor = &modiEditor_;
    macchina_ = std::make_unique<MacchinaTela>(
        ContestoTela{sessione_, vista_, *tela_, *this, *this}, esterni);
    eventiTela_ = std::make_unique<EventiTelaQt>(*tela_, *macchina_);
}

Esito FinestraPrincipale::Form_Load(const std::string& rigaComando) {
    Parete& parete = sessione_.parete;
    parete.FileCorrente = FiltraApici(rigaComando);
    if (!EsisteFile(parete.FileCorrente, sessione_.stato, *this)) parete.FileCorrente.clear();
    InizializzaCartelle(sessione_.imp);
    // What programs that were killed or crashed left of their undo histories.
    RimuoviIstantaneeOrfane(RadiceIstantanee(sessione_.imp.CartellaTemporanea));
    DimensionaSuSchermo();
    selezione_->Option1_Click(0);
    selezione_->Option2_Click(0);
    // A damaged memory file has been told and leaves the list empty.
    (void)CaricaMemoria(sessione_, *this);
    parete.PerimetroEsterno.assign(2, Punto{});
    ImpostazioniDefault(sessione_, *this);
    ImpostaColoriVideo(sessione_.imp);
    // A damaged settings file has been told and leaves the defaults.
    if (EsisteFile(PercorsoIni(sessione_.imp).string(), sessione_.stato, *this))
        (void)LeggiIni(sessione_, *this);
    // The ids and the bars follow IconeGrandi; the recent items the memory file.
    comandi_ = std::make_unique<ComandiFinestra>(this, sessione_, vista_, *this, *this);
    ApplicaColoriVideo();
    ApplicaPosizioneSalvata();
    // The view of the first wall is fitted to the canvas as it will be shown.
    if (QLayout* disposizione = layout()) disposizione->activate();
    CommandBars_Ridimensiona();

    if (!parete.FileCorrente.empty()) {
        const Esito aperta =
            CaricaProgetto(sessione_, parete.FileCorrente, vista_, *this, Avvio::Si);
        if (aperta.Codice == CodiceApertura::FineProgramma) {
            parete.FileCorrente.clear();
            SvuotaAnnulla(sessione_.storia);
            return aperta;
        }
        // A fault has been told: the start-up goes on without the wall.
        if (!aperta.Riuscito()) parete.FileCorrente.clear();
    }
    AggiornaTitolo(parete.FileCorrente, *this);
    RicalcolaArmature(parete, sessione_.imp);
    return Esito::Ok();
}

// Sized to the screen less 700 twips in height and 200 in width, centred.
void FinestraPrincipale::DimensionaSuSchermo() {
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect area = schermo->geometry();
    const QSize dimensione(area.width() - 200 / twipPerPixel_,
                           area.height() - 700 / twipPerPixel_);
    setGeometry(QRect(area.topLeft() + QPoint((area.width() - dimensione.width()) / 2,
                                              (area.height() - dimensione.height()) / 2),
                      dimensione));
}

void FinestraPrincipale::ApplicaPosizioneSalvata() {
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSettings impostazioni(QStringLiteral("Vorlex"), QStringLiteral("Vorlex"));
    setGeometry(PosizioneSalvata(impostazioni, geometry(), twipPerPixel_,
                                 schermo ? schermo->availableGeometry() : QRect()));
}

void FinestraPrincipale::CommandBars_Ridimensiona() {
    const LayoutFinestra l = CalcolaLayout(centralWidget()->size(), twipPerPixel_, altezzaPrompt_);
    selettori_->setGeometry(l.Selettori);
    legenda_->setGeometry(l.Legenda);
    informazioni_->setGeometry(l.Informazioni);
    griglia_->setGeometry(l.Griglia);
    label1_->setGeometry(l.Prompt);
    tela_->setGeometry(l.Tela);
    vista_.LarghezzaTela = static_cast<float>(l.Tela.width());
    vista_.AltezzaTela = l.AltezzaTela;
}

void FinestraPrincipale::ApplicaColoriVideo() {
    ColoriTela();
    Ridisegna();
}

void FinestraPrincipale::ColoriTela() {
    tela_->ImpostaColoreSfondo(ColoreSfondoTela(sessione_.imp));
    tela_->ImpostaColorePrimoPiano(sessione_.imp.ColPrimoPiano);
}

// Whatever was redrawn for may have changed what the commands offer.
// The points a dimension mode holds in pixels follow any change of the view.
void FinestraPrincipale::Ridisegna() {
    AggiornaPuntiQuota(sessione_.stato, vista_);
    ridisegnoRichiesto_ = true;
    striscia_ = {};
    servizioRidisegno_.start();
    tela_->update();
    if (comandi_) comandi_->RichiediAggiornamento();
}

// The picture follows the pan at once; what came into view is drawn with
// the next paint. A whole redraw already asked for paints the new view.
void FinestraPrincipale::SpostaImmagine(int dx, int dy) {
    AggiornaPuntiQuota(sessione_.stato, vista_);
    if (ridisegnoRichiesto_ || (dx == 0 && dy == 0)) return;
    striscia_ = (striscia_.translated(dx, dy) | tela_->Scorri(dx, dy)) & tela_->rect();
    servizioRidisegno_.start();
}

void FinestraPrincipale::EseguiRidisegno() {
    servizioRidisegno_.stop();
    const DestinazioneSchermo destinazione{*tela_, vista_, *legenda_, *this};
    if (ridisegnoRichiesto_) {
        ridisegnoRichiesto_ = false;
        striscia_ = {};
        ::Ridisegna(sessione_, destinazione);
        stratiDisegnati_ = tela_->StratiRifatti();
    } else if (!striscia_.isEmpty()) {
        tela_->LimitaDisegno(std::exchange(striscia_, {}));
        ::Ridisegna(sessione_, destinazione);
        tela_->LimitaDisegno({});
    }
}

void FinestraPrincipale::Form_KeyPress(int tasto) {
    constexpr int Invio = 13;
    if (tasto != Invio) return;
    macchina_->TastoInvio();
    StatoInterfaccia& stato = sessione_.stato;
    if (stato.TipoMappa >= PrimaMappaMancanti && stato.TipoMappa <= UltimaMappaMancanti) return;
    // Taken as typed: the "Range" button is the one that checks them.
    stato.ScalaMax = ValoreTesto(ScalaMassima().text().toStdString());
    stato.ScalaMin = ValoreTesto(ScalaMinima().text().toStdString());
    Ridisegna();
}

bool FinestraPrincipale::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == this && evento->type() == QEvent::UpdateRequest) {
        // The pass first: what it changes (the panel, a closed editor's
        // redraw) is painted with this frame instead of asking for another.
        if (comandi_) comandi_->ServiAggiornamento();
        EseguiRidisegno();
    } else if (oggetto == centralWidget() && evento->type() == QEvent::Resize) {
        CommandBars_Ridimensiona();
        ridisegnoDopoResize_.start();
    } else if (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease) {
        auto* widget = qobject_cast<QWidget*>(oggetto);
        if (widget && widget->window() == this) {
            // A key press travels up the parents that ignore it: seen once.
            if (evento->type() == QEvent::KeyRelease) {
                tastoVisto_ = nullptr;
            } else if (evento != tastoVisto_) {
                tastoVisto_ = evento;
                const int tasto = static_cast<QKeyEvent*>(evento)->key();
                if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) Form_KeyPress(13);
            }
        }
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

void FinestraPrincipale::closeEvent(QCloseEvent* evento) {
    if (!ConfermaUscita(sessione_, *this)) {
        evento->ignore();
        return;
    }
    SvuotaAnnulla(sessione_.storia);
    evento->accept();
}

void FinestraPrincipale::Messaggio(const std::string& testo, const std::string& titolo,
                                   IconaMessaggio icona) {
    dialoghi_.Messaggio(this, Testo(testo), Testo(titolo), icona);
}

bool FinestraPrincipale::Domanda(const std::string& testo, const std::string& titolo,
                                 IconaMessaggio icona) {
    return dialoghi_.Domanda(this, Testo(testo), Testo(titolo), icona);
}

Risposta FinestraPrincipale::DomandaAnnullabile(const std::string& testo, const std::string& titolo,
                                                IconaMessaggio icona) {
    return dialoghi_.DomandaAnnullabile(this, Testo(testo), Testo(titolo), icona);
}

void FinestraPrincipale::SelezionaLatoMeno() { selezione_->Option1_Click(1); }

void FinestraPrincipale::MostraPulsantiLato(bool visibili) {
    selettori_->MostraPulsantiLato(visibili);
}

void FinestraPrincipale::MostraEtichettaMagliaUnica(bool visibile) {
    selettori_->MostraEtichettaMagliaUnica(visibile);
}

void FinestraPrincipale::ImpostaTitolo(const std::string& titolo) { setWindowTitle(Testo(titolo)); }

void FinestraPrincipale::CursoreAttesa(bool attesa) {
    if (attesa)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// Written on the canvas, where they stay until the redraw paints the wall.
void FinestraPrincipale::MostraCaricamento(const std::vector<std::string>& righe) {
    constexpr int Margine = 20;
    constexpr int AltezzaRiga = 16;
    // The message stays until the wall is loaded and asks for its redraw.
    ridisegnoRichiesto_ = false;
    striscia_ = {};
    tela_->Cancella(StratoTela::Immagine);
    tela_->Cancella(StratoTela::Transitorio);
    int y = Margine;
    for (const std::string& riga : righe) {
        tela_->Testo(StratoTela::Immagine, Margine, y, AltezzaRiga, 0, 0, riga);
        y += AltezzaRiga * 3 / 2;
    }
    tela_->repaint();
}

std::optional<std::string> FinestraPrincipale::ScegliFileDaAprire(const std::string& titolo,
                                                                  const std::string& filtro) {
    const auto scelto = dialoghi_.FileDaAprire(this, Testo(titolo), Testo(filtro));
    if (!scelto) return std::nullopt;
    return scelto->toStdString();
}

std::optional<std::string> FinestraPrincipale::ScegliFileDaSalvare(const std::string& titolo,
                                                                   const std::string& filtro,
                                                                   const std::string& nomeProposto) {
    const auto scelto =
        dialoghi_.FileDaSalvare(this, Testo(titolo), Testo(filtro), Testo(nomeProposto));
    if (!scelto) return std::nullopt;
    return scelto->toStdString();
}

void FinestraPrincipale::PanelDiffusa() { ::PanelDiffusa(sessione_.parete, *griglia_); }

void FinestraPrincipale::AggiornaDopoModifica() {
    if (editor_) editor_->ChiudiSeSuperato();
    if (selezione_) selezione_->SeguiDati();
    Ridisegna();
}

void FinestraPrincipale::MostraRiquadroScala(bool visibile) { scala_->setVisible(visibile); }

QLineEdit& FinestraPrincipale::ScalaMassima() { return *scala_->Text1(0); }
QLineEdit& FinestraPrincipale::ScalaMinima() { return *scala_->Text1(1); }

void FinestraPrincipale::AggiornaVisualizzazione() { selezione_->AggiornaVisulalizzazione(); }
void FinestraPrincipale::SelezionaLato(int indice) { selezione_->Option1_Click(indice); }
void FinestraPrincipale::SelezionaDirezione(int indice) { selezione_->Option2_Click(indice); }

void FinestraPrincipale::ImpostaPrompt(const std::string& testo) {
    label1_->setText(Testo(testo));
    AdattaPrompt();
}

// The prompt line shows every line of its text: a taller one takes the
// height from the grid, and the window's least height grows with it.
void FinestraPrincipale::AdattaPrompt() {
    const int larghezza = (MisureColonna::Larghezza + twipPerPixel_ / 2) / twipPerPixel_;
    const int necessaria = label1_->heightForWidth(larghezza);
    if (necessaria == altezzaPrompt_) return;
    altezzaPrompt_ = necessaria;
    centralWidget()->setMinimumHeight(AltezzaMinimaClient(twipPerPixel_, altezzaPrompt_));
    CommandBars_Ridimensiona();
}

void FinestraPrincipale::AnnullaEvidenziazione() { sessione_.stato.ElementoEvidenziato = -1; }

void FinestraPrincipale::InfoArm() { ::InfoArm(sessione_, *informazioni_); }

void FinestraPrincipale::MostraTestoInformazioni(const std::string& testo) {
    informazioni_->ImpostaRtf(RtfInizio() + RtfNero(testo, 20, 0, 0) + RtfFine());
}

void FinestraPrincipale::MostraPannelloIntervallo() { scala_->show(); }

// Choosing the perimeter the editor holds shows it as it is; the other one
// reloads it, so a list is only ever written back where it came from.
void FinestraPrincipale::MostraEditorPerimetro(int perimetro) {
    if (!editor_) editor_ = new FrmPolig(sessione_, *this, twipPerPixel_, [this] { Ridisegna(); }, this);
    const StatoInterfaccia& stato = sessione_.stato;
    if (!editor_->isVisible() || stato.ModificaPoligono == 0 || stato.PerimetroInModifica != perimetro)
        editor_->Carica(perimetro);
    SempreInPrimoPiano(*editor_, true);
}

void FinestraPrincipale::ChiudiEditorPerimetro() {
    if (editor_ && editor_->isVisible()) editor_->close();
}

void FinestraPrincipale::MostraComputo() { ::MostraComputo(this, sessione_, dialoghi_); }

void FinestraPrincipale::MostraEsportazioneDxf() {
    ::MostraEsportazioneDxf(this, sessione_, *this, dialoghi_);
}

void FinestraPrincipale::MostraInformazioniProgramma() {
    FrmSplash splash(twipPerPixel_, this);
    dialoghi_.Esegui(splash);
}

void FinestraPrincipale::MostraImpostazioni() {
    ::MostraImpostazioni(sessione_, *this, dialoghi_,
                         {.Ridisegna = [this] { Ridisegna(); }, .ColoriTela = [this] { ColoriTela(); }},
                         twipPerPixel_, this);
}

bool FinestraPrincipale::MostraParametriProgetto() {
    return MostraFrmProg(sessione_, dialoghi_, twipPerPixel_, this);
}

void FinestraPrincipale::Esci() { close(); }

void FinestraPrincipale::InfoNodo(int i) { ::InfoNodo(sessione_, *informazioni_, i); }

// ComandiRipetibili makes the id the last command anyway.
void FinestraPrincipale::RipetiComando(int id) {
    if (!comandi_) return;
    sessione_.stato.UltimoComando = id;
    comandi_->RipetiUltimoComando();
}

void FinestraPrincipale::MostraDialogoZona() {
    MostraFormZona(sessione_, vista_, *this, dialoghi_, *this, twipPerPixel_, this);
}

void FinestraPrincipale::MostraDialogoCordolo() {
    MostraFormCordolo(sessione_, *this, dialoghi_, twipPerPixel_, this);
}
