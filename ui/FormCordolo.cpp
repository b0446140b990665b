#include "ui/FormCordolo.h"

#include "interaction/FormCordoloDati.h"
#include "interaction/TestoFormZona.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/LettoreRtf.h"
#include "ui/OspiteDialoghi.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>

FormCordolo::FormCordolo(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel, QWidget* padre)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      sessione_(sessione), finestra_(finestra) {
    const int tpp = twipPerPixel > 0 ? twipPerPixel : 15;
    const auto t = [tpp](int x, int y, int w, int h) { return QRect(x / tpp, y / tpp, w / tpp, h / tpp); };
    setWindowTitle(QStringLiteral("Cordolo perimetrale"));
    setFixedSize(3225 / tpp, 4635 / tpp);

    griglia_ = new GrigliaProprieta(this);
    griglia_->setObjectName(QStringLiteral("PropertyGrid1"));
    griglia_->setGeometry(t(60, 60, 3135, 1875));
    griglia_->Validazione = [this](QTreeWidgetItem& voce, QString& testo) {
        std::string digitato = testo.toStdString();
        (void)ValidaVoceCordolo(sessione_.stato.PosCorrente, GrigliaProprieta::Id(voce), digitato,
                                GrigliaProprieta::Valore(voce).toStdString());
        testo = QString::fromStdString(digitato);
        infoST();
    };
    griglia_->CambioValore = [this](QTreeWidgetItem& voce) {
        if (GrigliaProprieta::Id(voce) == VoceCordolo::NumBracci)
            CambiaBracciCordolo(sessione_.stato.PosCorrente, GrigliaProprieta::Valore(voce).toInt());
        infoST();
    };

    testo_ = new QTextEdit(this);
    testo_->setObjectName(QStringLiteral("RichTextBox1"));
    testo_->setGeometry(t(60, 1980, 3135, 2175));

    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("Command3"));
    annulla->setGeometry(t(60, 4260, 1515, 315));
    annulla->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setGeometry(t(1680, 4260, 1515, 315));
    ok->setAutoDefault(false);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        (void)OkFormCordolo(sessione_, finestra_);
        done(QDialog::Accepted);
    });
    connect(annulla, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });

    ApriFormCordolo(sessione_.stato, sessione_.parete);
    PanelCord();
    infoST();
}

void FormCordolo::PanelCord() {
    const std::vector<VoceForm> voci = VociFormCordolo(sessione_.stato.PosCorrente);
    const int bracci = sessione_.stato.PosCorrente.NumBracci;
    griglia_->Ricostruisci([this, voci, bracci] {
        griglia_->ImpostaDivisore(0.7);
        QTreeWidgetItem* categoria = griglia_->AggiungiCategoria(QString::fromUtf8(CategoriaCordolo));
        for (const VoceForm& v : voci) {
            const bool lista = v.Id == VoceCordolo::NumBracci;
            QTreeWidgetItem* voce = griglia_->AggiungiVoce(categoria, lista ? TipoVoce::Lista : TipoVoce::Testo,
                                                           QString::fromStdString(v.Didascalia),
                                                           QString::fromStdString(v.Valore), v.Id);
            if (!lista) continue;
            griglia_->AggiungiScelta(voce, QStringLiteral("2"), 2);
            griglia_->AggiungiScelta(voce, QStringLiteral("4"), 4);
            griglia_->SelezionaScelta(voce, bracci);
        }
        categoria->setExpanded(true);
        AllargaPerGriglia(*this, *griglia_);
    });
}

void FormCordolo::infoST() { MostraRtf(*testo_, TestoFormCordolo(sessione_.parete, sessione_.stato)); }

void FormCordolo::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
        case Qt::Key_Escape: evento->accept(); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            evento->accept();
            // An open grid editor (a child of the grid holding the focus) keeps its Enter.
            if (QWidget* f = focusWidget(); !(f && f != griglia_ && griglia_->isAncestorOf(f)))
                findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            return;
        default: QDialog::keyPressEvent(evento);
    }
}

void MostraFormCordolo(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
                       int twipPerPixel, QWidget* padre) {
    FormCordolo dialogo(sessione, finestra, twipPerPixel, padre);
    const int tpp = twipPerPixel > 0 ? twipPerPixel : 15;
    QPoint posto(13170 / tpp, 2910 / tpp);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect area = schermo->availableGeometry();
        posto.setX(std::clamp(posto.x(), area.left(), std::max(area.left(), area.right() - dialogo.width())));
        posto.setY(std::clamp(posto.y(), area.top(), std::max(area.top(), area.bottom() - dialogo.height())));
    }
    dialogo.move(posto);
    (void)dialoghi.Esegui(dialogo);
}
