#include "ui/FrmPolig.h"

#include "drawing/Palette.h"
#include "model/Sessione.h"
#include "ui/ColoreQt.h"
#include "ui/PosizioneFinestra.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int ColoreNero = 0;
constexpr int ColoreRossoChiaro = 12;

// The control array's indexes.
enum IndiceComando {
    EliminaVerticeComando = 0,
    InserisciVerticeComando = 1,
    AssegnaCoordinateComando = 2,
    AssegnaPerimetroComando = 3,
    AnnullaComando = 4,
};

// The "Grid" toggle's 16 x 16 picture: a few grid nodes.
QIcon IconaGriglia() {
    QPixmap immagine(16, 16);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setPen(Qt::black);
    for (int x = 2; x < 16; x += 4)
        for (int y = 2; y < 16; y += 4) pittore.drawRect(x - 1, y - 1, 1, 1);
    return QIcon(immagine);
}

}  // namespace

FrmPolig::FrmPolig(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel,
                   std::function<void()> ridisegna, QWidget* padre)
    : QWidget(padre, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      sessione_(sessione),
      finestra_(finestra),
      ridisegna_(std::move(ridisegna)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    tpp_ = twipPerPixel > 0 ? twipPerPixel : 15;
    const auto px = [this](int twip) { return twip / tpp_; };

    auto* label1 = new QLabel(QStringLiteral("Coordinate dei vertici"), this);
    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFrameShape(QFrame::Box);
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setMinimumHeight(px(3540));
    connect(list1_, &QListWidget::itemClicked, this, [this] { List1_Click(); });

    etichettaVertice_ = new QLabel(this);
    etichettaVertice_->setObjectName(QStringLiteral("Label2_2"));
    QFont grassetto = etichettaVertice_->font();
    grassetto.setBold(true);
    etichettaVertice_->setFont(grassetto);
    auto* caselle = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        caselle->addWidget(new QLabel(i == 0 ? QStringLiteral("X =") : QStringLiteral("Y ="), this), i, 0);
        text1_[i] = new QLineEdit(this);
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        text1_[i]->setFrame(true);
        caselle->addWidget(text1_[i], i, 1);
    }
    check1_ = new QPushButton(this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setToolTip(QStringLiteral("Grid"));
    check1_->setCheckable(true);
    check1_->setIcon(IconaGriglia());
    check1_->setIconSize(QSize(16, 16));
    check1_->setFixedSize(px(600), px(720));
    caselle->addWidget(check1_, 0, 2, 2, 1);
    connect(check1_, &QPushButton::toggled, this, [this](bool acceso) {
        sessione_.stato.SnapGriglia = acceso ? 1 : 0;
        ridisegna_();
    });

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(px(60), px(60), px(60), px(60));
    colonna->addWidget(label1);
    colonna->addWidget(list1_, 1);
    colonna->addWidget(etichettaVertice_);
    colonna->addLayout(caselle);

    const std::array<std::pair<IndiceComando, const char*>, 5> comandi{{
        {EliminaVerticeComando, "Elimina vertice"},
        {InserisciVerticeComando, "Inserisci vertice"},
        {AssegnaCoordinateComando, "Assegna coordinate al vertice"},
        {AssegnaPerimetroComando, "Assegna perimetro"},
        {AnnullaComando, "Annulla"},
    }};
    for (const auto& [indice, testo] : comandi) {
        auto* pulsante = new QPushButton(QString::fromUtf8(testo), this);
        pulsante->setObjectName(QStringLiteral("Command1_%1").arg(indice));
        pulsante->setAutoDefault(false);
        // Deleting and inserting are built but never offered: a new vertex
        // count rewrites the other perimeter and the outline too.
        const bool nascosto =
            indice == EliminaVerticeComando || indice == InserisciVerticeComando;
        pulsante->setVisible(!nascosto);
        if (!nascosto) colonna->addWidget(pulsante);
        connect(pulsante, &QPushButton::clicked, this, [this, i = indice] { Command1_Click(i); });
    }

    AdattaAlContenuto();
    // The design position, 13905 twips from the left and 4065 from the top.
    const QScreen* schermo = padre && padre->screen() ? padre->screen() : QGuiApplication::primaryScreen();
    const QRect posto(px(13905), px(4065), width(), height());
    setGeometry(TenutaSulloSchermo(posto, schermo ? schermo->availableGeometry() : QRect()));
}

void FrmPolig::AdattaAlContenuto() {
    // The list as wide as its widest line, with room for its scroll bar.
    const int righe = list1_->count() > 0 ? list1_->sizeHintForColumn(0) : 0;
    list1_->setMinimumWidth(righe + 2 * list1_->frameWidth() +
                            list1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list1_));
    layout()->activate();
    // Never smaller than the design's client area of 2595 x 6285 twips.
    setFixedSize(layout()->sizeHint().expandedTo(QSize(2595 / tpp_, 6285 / tpp_)));
    if (isVisible()) {
        const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
        if (schermo) setGeometry(TenutaSulloSchermo(geometry(), schermo->availableGeometry()));
    }
}

void FrmPolig::Carica(int perimetro) {
    CaricaEditorPerimetro(sessione_, perimetro);
    origine_ = OrigineEditorDi(sessione_.parete);
    setWindowTitle(QString::fromStdString(TitoloEditorPerimetro(perimetro)));
    AggiornaNodi();
    {
        const QSignalBlocker blocco(check1_);
        check1_->setChecked(sessione_.stato.SnapGriglia != 0);
    }
    MostraSelezione();
    ridisegna_();
}

void FrmPolig::AggiornaNodi() {
    list1_->clear();
    for (const std::string& riga : RigheVertici(sessione_.stato))
        list1_->addItem(QString::fromStdString(riga));
    AdattaAlContenuto();
}

void FrmPolig::List1_Click() {
    SelezionaVertice(sessione_.stato, list1_->currentRow());
    MostraSelezione();
    ridisegna_();
}

void FrmPolig::MostraSelezione() {
    const StatoInterfaccia& stato = sessione_.stato;
    const int i = stato.VerticeSelezionato;
    if (i < 0 || i >= list1_->count()) return;
    {
        const QSignalBlocker blocco(list1_);
        list1_->setCurrentRow(i);
    }
    etichettaVertice_->setText(QString::fromStdString(EtichettaVertice(i)));
    for (int k = 0; k < 2; ++k) text1_[k]->setText(QString::fromStdString(stato.Text1[k]));
    ColoreCaselle(ColoreNero);
}

void FrmPolig::ColoreCaselle(int colorePalette) {
    for (QLineEdit* casella : text1_) {
        QPalette tavolozza = casella->palette();
        tavolozza.setColor(QPalette::Text, ColoreQt(ColoreBase(colorePalette)));
        casella->setPalette(tavolozza);
    }
}

void FrmPolig::DopoClickTela(EsitoClickVertice esito) {
    if (esito == EsitoClickVertice::Selezionato) {
        MostraSelezione();
    } else if (esito == EsitoClickVertice::Proposto) {
        for (int k = 0; k < 2; ++k)
            text1_[k]->setText(QString::fromStdString(sessione_.stato.Text1[k]));
        ColoreCaselle(ColoreRossoChiaro);
    }
}

void FrmPolig::Command1_Click(int indice) {
    StatoInterfaccia& stato = sessione_.stato;
    switch (indice) {
        case AssegnaCoordinateComando:
            for (int k = 0; k < 2; ++k) stato.Text1[k] = text1_[k]->text().toStdString();
            if (!AssegnaCoordinate(stato, finestra_)) {
                // A box holding no number keeps what was typed, for the
                // engineer to mend; one out of range shows the vertex again.
                if (stato.Text1[0] == text1_[0]->text().toStdString() &&
                    stato.Text1[1] == text1_[1]->text().toStdString())
                    return;
                break;
            }
            AggiornaNodi();
            break;
        case InserisciVerticeComando:
            if (InserisciVertice(stato, finestra_)) AggiornaNodi();
            break;
        case EliminaVerticeComando:
            if (EliminaVertice(stato, finestra_)) AggiornaNodi();
            break;
        case AssegnaPerimetroComando:
            // The change's notification closes the window (the editor is off).
            AssegnaPerimetro(sessione_, finestra_);
            if (isVisible()) close();
            return;
        case AnnullaComando:
            close();
            return;
        default:
            return;
    }
    MostraSelezione();
    ridisegna_();
}

void FrmPolig::ChiudiSeSuperato() {
    if (!isVisible()) return;
    if (sessione_.stato.ModificaPoligono == 0 || OrigineEditorDi(sessione_.parete) != origine_)
        close();
}

void FrmPolig::closeEvent(QCloseEvent* evento) {
    sessione_.stato.ModificaPoligono = 0;
    QWidget::closeEvent(evento);
    ridisegna_();
}

void SempreInPrimoPiano(QWidget& finestra, bool attivo) {
    if (!attivo) return;
    // Set once, before the first show: changing flags on a shown window hides it.
    if (!finestra.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        finestra.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    finestra.setAttribute(Qt::WA_ShowWithoutActivating);
    finestra.show();
    finestra.raise();
}
