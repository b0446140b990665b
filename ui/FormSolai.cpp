#include "ui/FormSolai.h"

#include "interaction/FormSolaiDati.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/OspiteDialoghi.h"

#include <QKeyEvent>
#include <QPushButton>

FormSolai::FormSolai(Sessione& sessione, InterfacciaFinestra& finestra, int twipPerPixel,
                     QWidget* padre)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      sessione_(sessione),
      finestra_(finestra) {
    const int tpp = twipPerPixel > 0 ? twipPerPixel : 15;
    const auto t = [tpp](int x, int y, int w, int h) {
        return QRect(x / tpp, y / tpp, w / tpp, h / tpp);
    };
    setWindowTitle(QString::fromStdString(TitoloFormSolai(sessione_.stato.Modo)));
    setFixedSize(3390 / tpp, 2730 / tpp);
    move(12690 / tpp, 3180 / tpp);

    griglia_ = new GrigliaProprieta(this);
    griglia_->setObjectName(QStringLiteral("PropertyGrid1"));
    griglia_->setGeometry(t(0, 0, 3375, 2235));
    griglia_->Validazione = [this](QTreeWidgetItem& voce, QString& testo) {
        if (GrigliaProprieta::Tipo(voce) != TipoVoce::Testo) return;
        std::string digitato = testo.toStdString();
        (void)ValidaVoceSolaio(sessione_, GrigliaProprieta::Id(voce), digitato);
        testo = QString::fromStdString(digitato);
    };
    griglia_->CambioValore = [this](QTreeWidgetItem& voce) {
        if (GrigliaProprieta::Tipo(voce) != TipoVoce::Booleano) return;
        CambioVoceSolaio(sessione_, GrigliaProprieta::Id(voce),
                         GrigliaProprieta::Valore(voce) == QStringLiteral("1"));
    };

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Command1_0"));
    ok->setGeometry(t(180, 2340, 1395, 315));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        (void)ConfermaFormSolai(sessione_, finestra_);
        done(QDialog::Accepted);
    });
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("Command1_1"));
    annulla->setGeometry(t(1800, 2340, 1395, 315));
    annulla->setAutoDefault(false);
    connect(annulla, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    setTabOrder(griglia_, ok);
    setTabOrder(ok, annulla);

    PanelSol();
}

void FormSolai::PanelSol() {
    const int modo = sessione_.stato.Modo;
    const std::vector<VoceGrigliaSolaio> voci = VociFormSolai(sessione_.stato.SolaioCorrente, modo);
    const QString categoria = QString::fromStdString(CategoriaFormSolai(modo));
    griglia_->Ricostruisci([this, voci, categoria] {
        griglia_->ImpostaDivisore(0.7);
        QTreeWidgetItem* cat = griglia_->AggiungiCategoria(categoria);
        for (const VoceGrigliaSolaio& v : voci)
            griglia_->AggiungiVoce(cat, v.Booleano ? TipoVoce::Booleano : TipoVoce::Testo,
                                   QString::fromStdString(v.Didascalia),
                                   QString::fromStdString(v.Valore), v.Id);
        AllargaPerGriglia(*this, *griglia_);
    });
}

void FormSolai::keyPressEvent(QKeyEvent* evento) {
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

void MostraFormSolai(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
                     int twipPerPixel, QWidget* padre) {
    FormSolai dialogo(sessione, finestra, twipPerPixel, padre);
    (void)dialoghi.Esegui(dialogo);
}
