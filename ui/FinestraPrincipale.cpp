#include "ui/FinestraPrincipale.h"

#include "drawing/Ridisegna.h"

#include "design/ArmaturaDiffusa.h"
#include "design/CaricaProgetto.h"
#include "design/ConfermaUscita.h"
#include "drawing/Ridisegna.h"
#include "model/Cartelle.h"
#include "model/FileIni.h"
#include "model/Numeri.h"
#include "model/RecentiMemoria.h"
#include "model/RigaComando.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"
#include "model/Titolo.h"
#include "ui/FrmSplash.h"
#include "ui/LayoutFinestra.h"
#include "ui/PosizioneFinestra.h"
#include "ui/RiquadroLegendaQt.h"
#include "ui/TelaQt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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

    ridisegnoDopoResize_.setSingleShot(true);
    ridisegnoDopoResize_.setInterval(AttesaRidisegnoMs);
    connect(&ridisegnoDopoResize_, &QTimer::timeout, this, [this] { Ridisegna(); });

    // Enter is previewed in every control of the window, then passed on.
    qApp->installEventFilter(this);
    ApplicaColoriVideo();
}

void FinestraPrincipale::CostruisciColonna() {
    QWidget* centro = centralWidget();
    const int tpp = twipPerPixel_;
    auto colloca = [tpp](QWidget* w, int x, int y, int larghezza, int altezza) {
        w->setGeometry(x / tpp, y / tpp, larghezza / tpp, altezza / tpp);
    };
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(180 / tpp);  // 9 pt

    frame2_ = new QWidget(centro);
    frame2_->setAutoFillBackground(true);
    frame2_->setStyleSheet(QStringLiteral("background: white;"));
    auto* frame3 = new QWidget(frame2_);
    colloca(frame3, 120, 0, 3555, 495);
    auto* frame4 = new QWidget(frame2_);
    colloca(frame4, 120, 540, 3555, 495);
    gruppoLato_ = new QButtonGroup(this);
    gruppoDirezione_ = new QButtonGroup(this);
    const char* lati[] = {"Lato +", "Lato -"};
    const char* direzioni[] = {"Direzione 1", "Direzione 2"};
    for (int i = 0; i < 2; ++i) {
        option1_[i] = new QRadioButton(QString::fromUtf8(lati[i]), frame3);
        option1_[i]->setFont(arial);
        colloca(option1_[i], i == 0 ? 180 : 1920, 180, 1275, 195);
        gruppoLato_->addButton(option1_[i], i);
        option2_[i] = new QRadioButton(QString::fromUtf8(direzioni[i]), frame4);
        option2_[i]->setFont(arial);
        colloca(option2_[i], i == 0 ? 180 : 1920, 180, 1335, 255);
        gruppoDirezione_->addButton(option2_[i], i);
    }
    // idClicked fires once per choice; toggled would fire twice.
    connect(gruppoLato_, &QButtonGroup::idClicked, this, &FinestraPrincipale::Option1_Click);
    connect(gruppoDirezione_, &QButtonGroup::idClicked, this, &FinestraPrincipale::Option2_Click);
    label3_ = new QLabel(QStringLiteral(" Armatura a maglia unica centrale"), frame3);
    QFont arial975(QStringLiteral("Arial"));
    arial975.setPixelSize(195 / tpp);
    label3_->setFont(arial975);
    colloca(label3_, 180, 120, 3195, 315);
    label3_->hide();

    legenda_ = new RiquadroLegendaQt(tpp, centro);
    frame1_ = new QWidget(legenda_);
    frame1_->setAutoFillBackground(true);
    colloca(frame1_, 1740, 360, 1695, 1155);
    QFont etichette(QStringLiteral("Arial"));
    etichette.setPixelSize(165 / tpp);
    etichette.setBold(true);
    const char* nomiScala[] = {"Max.", "Min."};
    const char* nomiPulsanti[] = {"Default", "Range"};
    for (int i = 0; i < 2; ++i) {
        auto* label2 = new QLabel(QString::fromUtf8(nomiScala[i]), frame1_);
        label2->setFont(etichette);
        colloca(label2, 300, i == 0 ? 120 : 840, 495, 195);
        text1_[i] = new QLineEdit(frame1_);
        colloca(text1_[i], 900, i == 0 ? 60 : 780, 735, 315);
        command1_[i] = new QPushButton(QString::fromUtf8(nomiPulsanti[i]), frame1_);
        colloca(command1_[i], i == 0 ? 120 : 900, 420, 735, 315);
    }
    frame1_->hide();

    informazioni_ = new QTextEdit(centro);
    informazioni_->setReadOnly(true);
    griglia_ = new QWidget(centro);
    auto* strato = new QVBoxLayout(griglia_);
    strato->setContentsMargins(0, 0, 0, 0);
    label1_ = new QLabel(centro);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setStyleSheet(
        QStringLiteral("background: rgb(255, 255, 192); border: 1px solid black; color: black;"));
}

Esito FinestraPrincipale::Form_Load(const std::string& rigaComando) {
    Parete& parete = sessione_.parete;
    parete.FileCorrente = FiltraApici(rigaComando);
    if (!EsisteFile(parete.FileCorrente, sessione_.stato, *this)) parete.FileCorrente.clear();
    InizializzaCartelle(sessione_.imp);
    DimensionaSuSchermo();
    Option1_Click(0);
    Option2_Click(0);
    // A damaged memory file has been told and leaves the list empty.
    (void)CaricaMemoria(sessione_, *this);
    parete.PerimetroEsterno.assign(2, Punto{});
    ImpostazioniDefault(sessione_, *this);
    ImpostaColoriVideo(sessione_.imp);
    // A damaged settings file has been told and leaves the defaults.
    if (EsisteFile(PercorsoIni(sessione_.imp).string(), sessione_.stato, *this))
        (void)LeggiIni(sessione_, *this);
    // The command ids and the command bars plug in here, from IconeGrandi.
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
    const LayoutFinestra l = CalcolaLayout(centralWidget()->size(), twipPerPixel_);
    frame2_->setGeometry(l.Selettori);
    legenda_->setGeometry(l.Legenda);
    informazioni_->setGeometry(l.Informazioni);
    griglia_->setGeometry(l.Griglia);
    label1_->setGeometry(l.Prompt);
    tela_->setGeometry(l.Tela);
    vista_.LarghezzaTela = static_cast<float>(l.Tela.width());
    vista_.AltezzaTela = l.AltezzaTela;
}

void FinestraPrincipale::ApplicaColoriVideo() {
    tela_->ImpostaColoreSfondo(ColoreSfondoTela(sessione_.imp));
    tela_->ImpostaColorePrimoPiano(sessione_.imp.ColPrimoPiano);
    Ridisegna();
}

void FinestraPrincipale::Ridisegna() {
    ::Ridisegna(sessione_, DestinazioneSchermo{*tela_, vista_, *legenda_, *this});
}

void FinestraPrincipale::Option1_Click(int indice) {
    sessione_.stato.LatoCorrente = indice;
    option1_[indice]->setChecked(true);
    // The derivation of the display state plugs in here, before the redraw.
    Ridisegna();
}

void FinestraPrincipale::Option2_Click(int indice) {
    sessione_.stato.DirezioneCorrente = indice;
    option2_[indice]->setChecked(true);
    Ridisegna();
}

void FinestraPrincipale::Form_KeyPress(int tasto) {
    constexpr int Invio = 13;
    if (tasto != Invio) return;
    StatoInterfaccia& stato = sessione_.stato;
    // Closing the zone under edit on Enter is wired with the canvas modes.
    if (stato.TipoMappa >= PrimaMappaMancanti && stato.TipoMappa <= UltimaMappaMancanti) return;
    // Taken as typed: the "Range" button is the one that checks them.
    stato.ScalaMax = ValoreTesto(text1_[0]->text().toStdString());
    stato.ScalaMin = ValoreTesto(text1_[1]->text().toStdString());
    Ridisegna();
}

bool FinestraPrincipale::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == centralWidget() && evento->type() == QEvent::Resize) {
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

void FinestraPrincipale::Esci() { close(); }

void FinestraPrincipale::MostraInformazioni() {
    FrmSplash splash(twipPerPixel_, this);
    dialoghi_.Esegui(splash);
}

void FinestraPrincipale::Messaggio(const std::string& testo, const std::string& titolo,
                                   IconaMessaggio icona) {
    dialoghi_.Messaggio(this, Testo(testo), Testo(titolo), icona);
}

bool FinestraPrincipale::Domanda(const std::string& testo, const std::string& titolo,
                                 IconaMessaggio icona) {
    return dialoghi_.Domanda(this, Testo(testo), Testo(titolo), icona);
}

void FinestraPrincipale::SelezionaLatoMeno() { Option1_Click(1); }

void FinestraPrincipale::MostraPulsantiLato(bool visibili) {
    for (QRadioButton* pulsante : option1_) pulsante->setVisible(visibili);
}

void FinestraPrincipale::MostraEtichettaMagliaUnica(bool visibile) {
    label3_->setVisible(visibile);
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

// The property grid of the distributed reinforcement fills itself here when
// it is wired into ContenitoreGriglia.
void FinestraPrincipale::PanelDiffusa() {}

void FinestraPrincipale::AggiornaDopoModifica() {
    Ridisegna();
}

void FinestraPrincipale::MostraRiquadroScala(bool visibile) { frame1_->setVisible(visibile); }
