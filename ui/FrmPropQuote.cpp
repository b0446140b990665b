#include "ui/FrmPropQuote.h"

#include "interaction/FormPropQuoteDati.h"
#include "model/Sessione.h"
#include "ui/OspiteDialoghi.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

FrmPropQuote::FrmPropQuote(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel,
                           QWidget* padre)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      sessione_(sessione),
      finestra_(finestra) {
    const int tpp = twipPerPixel > 0 ? twipPerPixel : 15;
    const auto t = [tpp](int x, int y, int w, int h) {
        return QRect(x / tpp, y / tpp, w / tpp, h / tpp);
    };
    setWindowTitle(QString::fromUtf8(TitoloFrmPropQuote));
    setFixedSize(4275 / tpp, 1200 / tpp);

    piantaCorrente_ = new QRadioButton(
        QString::fromStdString(DidascaliaPiantaCorrente(sessione_.stato.VistaCorrente,
                                                        sessione_.parete.MagliaUnica)),
        this);
    piantaCorrente_->setObjectName(QStringLiteral("Option1_0"));
    piantaCorrente_->setGeometry(t(60, 60, 4095, 255));
    auto* tutte = new QRadioButton(QString::fromUtf8(DidascaliaTutteLePiante), this);
    tutte->setObjectName(QStringLiteral("Option1_1"));
    tutte->setGeometry(t(60, 420, 4095, 255));
    if (QuotaInTutteLePiante(sessione_.parete, sessione_.stato.QuotaSelezionata))
        tutte->setChecked(true);
    else
        piantaCorrente_->setChecked(true);

    auto* annulla = new QPushButton(QStringLiteral("&Annulla"), this);
    annulla->setObjectName(QStringLiteral("Command1_0"));
    annulla->setGeometry(t(1620, 780, 1215, 315));
    annulla->setAutoDefault(false);
    connect(annulla, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Command1_1"));
    ok->setGeometry(t(2940, 780, 1215, 315));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        (void)ConfermaFrmPropQuote(sessione_, finestra_, piantaCorrente_->isChecked());
        done(QDialog::Accepted);
    });
}

void FrmPropQuote::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            evento->accept();
            return;
        default:
            QDialog::keyPressEvent(evento);
    }
}

void MostraFrmPropQuote(Sessione& sessione, InterfacciaFinestra& finestra,
                        OspiteDialoghi& dialoghi, int twipPerPixel, QWidget* padre) {
    FrmPropQuote dialogo(sessione, finestra, twipPerPixel, padre);
    (void)dialoghi.Esegui(dialogo);
}
