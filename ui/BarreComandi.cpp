#include "ui/BarreComandi.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

// A popup shows its icons at the size of its bar.
class StileIconeMenu : public QProxyStyle {
public:
    explicit StileIconeMenu(int lato) : lato_(lato) {}
    int pixelMetric(PixelMetric metrica, const QStyleOption* opzione,
                    const QWidget* widget) const override {
        if (metrica == PM_SmallIconSize) return lato_;
        return QProxyStyle::pixelMetric(metrica, opzione, widget);
    }

private:
    int lato_;
};

bool EventoUtente(QEvent::Type tipo) {
    switch (tipo) {
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::WindowActivate:
            return true;
        default:
            return false;
    }
}

}  // namespace

ControlloComando::ControlloComando(TipoControllo tipo, int id, QAction* azione,
                                   QAction* separatore, BarraComandi* popup)
    : tipo_(tipo), id_(id), azione_(azione), separatore_(separatore), popup_(popup) {}

QString ControlloComando::Titolo() const { return azione_->text(); }
void ControlloComando::ImpostaTitolo(const QString& titolo) {
    azione_->setText(titolo);
    azione_->setToolTip(QString(titolo).remove('&'));
}

// A split button sits in its toolbar through a widget action of its own.
static QAction* Contenitore(const ControlloComando& c) {
    if (c.Tipo() == TipoControllo::PulsanteDiviso && c.Azione()->property("contenitore").isValid())
        return c.Azione()->property("contenitore").value<QAction*>();
    return c.Azione();
}

bool ControlloComando::Visibile() const { return Contenitore(*this)->isVisible(); }
void ControlloComando::ImpostaVisibile(bool visibile) {
    Contenitore(*this)->setVisible(visibile);
    AggiornaSeparatore();
}
bool ControlloComando::Abilitato() const { return azione_->isEnabled(); }
void ControlloComando::ImpostaAbilitato(bool abilitato) { azione_->setEnabled(abilitato); }
bool ControlloComando::Selezionato() const { return azione_->isChecked(); }
void ControlloComando::ImpostaSelezionato(bool selezionato) {
    azione_->setCheckable(true);
    azione_->setChecked(selezionato);
}
void ControlloComando::ImpostaInizioGruppo(bool inizio) {
    inizioGruppo_ = inizio;
    AggiornaSeparatore();
}
bool ControlloComando::HaIcona() const { return !azione_->icon().isNull(); }
void ControlloComando::ImpostaIcona(const QIcon& icona) { azione_->setIcon(icona); }

// The separator goes with its control: a hidden item leaves no stray line.
void ControlloComando::AggiornaSeparatore() {
    if (separatore_) separatore_->setVisible(inizioGruppo_ && Visibile());
}

BarraComandi::BarraComandi(BarreComandi& barre, QWidget* widget) : barre_(barre), widget_(widget) {}

ControlloComando& BarraComandi::Aggiungi(TipoControllo tipo, int id, const QString& titolo) {
    auto* separatore = new QAction(widget_);
    separatore->setSeparator(true);
    separatore->setVisible(false);
    widget_->addAction(separatore);

    QAction* azione = nullptr;
    BarraComandi* popup = nullptr;
    auto nuovoPopup = [&](const QString& nome) {
        auto* menu = new QMenu(nome, widget_);
        auto barra = std::make_unique<BarraComandi>(barre_, menu);
        barra->ImpostaDimensioneIcone(latoIcone_);
        popup = barra.get();
        barre_.barre_.push_back(std::move(barra));
        barre_.CollegaMenu(menu);
        return menu;
    };
    auto* barraStrumenti = qobject_cast<QToolBar*>(widget_);
    if (tipo == TipoControllo::Popup) {
        azione = nuovoPopup(titolo)->menuAction();
        widget_->addAction(azione);
    } else if (tipo == TipoControllo::PulsanteDiviso && barraStrumenti) {
        azione = new QAction(titolo, widget_);
        auto* pulsante = new QToolButton(barraStrumenti);
        pulsante->setDefaultAction(azione);
        pulsante->setMenu(nuovoPopup(titolo));
        pulsante->setPopupMode(QToolButton::MenuButtonPopup);
        pulsante->setIconSize(barraStrumenti->iconSize());
        QObject::connect(barraStrumenti, &QToolBar::iconSizeChanged, pulsante,
                         &QToolButton::setIconSize);
        azione->setProperty("contenitore",
                            QVariant::fromValue(barraStrumenti->addWidget(pulsante)));
    } else {
        azione = new QAction(titolo, widget_);
        if (tipo == TipoControllo::PulsanteDiviso) azione->setMenu(nuovoPopup(titolo));
        widget_->addAction(azione);
    }
    auto& controllo = barre_.Registra(
        std::make_unique<ControlloComando>(tipo, id, azione, separatore, popup));
    controllo.ImpostaTitolo(titolo);
    controlli_.push_back(&controllo);
    return controllo;
}

void BarraComandi::ImpostaDimensioneIcone(int lato) {
    latoIcone_ = lato;
    if (auto* barra = qobject_cast<QToolBar*>(widget_)) {
        barra->setIconSize(QSize(lato, lato));
    } else if (auto* menu = qobject_cast<QMenu*>(widget_)) {
        auto* stile = new StileIconeMenu(lato);
        stile->setParent(menu);
        menu->setStyle(stile);
    }
}

BarreComandi::BarreComandi(QMainWindow* finestra) : QObject(finestra), finestra_(finestra) {
    menuPrincipale_ = std::make_unique<BarraComandi>(*this, finestra->menuBar());
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &BarreComandi::AggiornaTutti);
    qApp->installEventFilter(this);
}

BarreComandi::~BarreComandi() {
    if (qApp) qApp->removeEventFilter(this);
}

BarraComandi& BarreComandi::AggiungiBarra(const QString& nome, int latoIcone) {
    auto* barra = new QToolBar(nome, finestra_);
    barra->setObjectName(nome);
    finestra_->addToolBar(Qt::TopToolBarArea, barra);
    barre_.push_back(std::make_unique<BarraComandi>(*this, barra));
    barre_.back()->ImpostaDimensioneIcone(latoIcone);
    return *barre_.back();
}

QToolBar* BarreComandi::BarraStrumenti(const QString& nome) const {
    return finestra_->findChild<QToolBar*>(nome);
}

std::vector<ControlloComando*> BarreComandi::Trova(int id) const {
    std::vector<ControlloComando*> trovati;
    for (const auto& c : controlli_)
        if (c->Id() == id) trovati.push_back(c.get());
    return trovati;
}

void BarreComandi::ImpostaListaImmagini(const std::map<int, QIcon>& immagini) {
    for (const auto& c : controlli_) {
        const auto trovata = immagini.find(c->Id());
        if (trovata != immagini.end()) c->ImpostaIcona(trovata->second);
    }
}

void BarreComandi::RichiediAggiornamento() {
    if (!timer_.isActive()) timer_.start();
}

void BarreComandi::ServiAggiornamento() {
    if (timer_.isActive()) AggiornaTutti();
}

void BarreComandi::AggiornaTutti() {
    timer_.stop();
    if (Aggiornamento)
        for (const auto& c : controlli_)
            if (c->Visibile()) Aggiornamento(*c);
    if (FinePassaggio) FinePassaggio();
}

bool BarreComandi::eventFilter(QObject* oggetto, QEvent* evento) {
    if (EventoUtente(evento->type())) {
        auto* widget = qobject_cast<QWidget*>(oggetto);
        if (widget && (widget == finestra_ || finestra_->isAncestorOf(widget)))
            RichiediAggiornamento();
    }
    return QObject::eventFilter(oggetto, evento);
}

ControlloComando& BarreComandi::Registra(std::unique_ptr<ControlloComando> controllo) {
    ControlloComando& c = *controllo;
    controlli_.push_back(std::move(controllo));
    if (c.Tipo() != TipoControllo::Popup)
        connect(c.Azione(), &QAction::triggered, this, [this, &c] { Esegui(c); });
    return c;
}

// A hidden or disabled control raises nothing.
void BarreComandi::Esegui(ControlloComando& controllo) {
    if (!controllo.Visibile() || !controllo.Abilitato()) return;
    if (Esecuzione) Esecuzione(controllo);
    RichiediAggiornamento();
}

void BarreComandi::CollegaMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, &BarreComandi::AggiornaTutti);
}
