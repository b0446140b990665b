#include "ui/FrmProg.h"

#include "model/ParametriProgetto.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/OspiteDialoghi.h"

#include <QKeyEvent>
#include <QPushButton>

FrmProg::FrmProg(Sessione& sessione, int twipPerPixel, QWidget* padre)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      sessione_(sessione) {
    const int tpp = twipPerPixel > 0 ? twipPerPixel : 15;
    const auto t = [tpp](int x, int y, int w, int h) {
        return QRect(x / tpp, y / tpp, w / tpp, h / tpp);
    };
    setWindowTitle(QStringLiteral("Progetto amatura diffusa"));
    setFixedSize(4380 / tpp, 3795 / tpp);

    griglia_ = new GrigliaProprieta(this);
    griglia_->setObjectName(QStringLiteral("PropertyGrid1"));
    griglia_->setGeometry(t(60, 60, 4215, 3195));
    griglia_->Validazione = [this](QTreeWidgetItem& voce, QString& testo) {
        std::string digitato = testo.toStdString();
        (void)ValidaParametro(sessione_.imp, GrigliaProprieta::Id(voce), digitato,
                              GrigliaProprieta::Valore(voce).toStdString());
        testo = QString::fromStdString(digitato);
    };
    griglia_->CambioValore = [this](QTreeWidgetItem& voce) {
        if (GrigliaProprieta::Tipo(voce) != TipoVoce::Lista) return;
        if (CambiaParametro(sessione_.imp, GrigliaProprieta::Id(voce),
                            GrigliaProprieta::Valore(voce).toInt()))
            Panne();
    };

    auto* progetta = new QPushButton(QStringLiteral("Progetta"), this);
    progetta->setObjectName(QStringLiteral("Command1_0"));
    progetta->setGeometry(t(540, 3360, 1395, 375));
    progetta->setAutoDefault(false);
    progetta->setEnabled(sessione_.parete.CaricataParete());
    connect(progetta, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("Command1_1"));
    annulla->setGeometry(t(2460, 3360, 1395, 375));
    annulla->setAutoDefault(false);
    connect(annulla, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    setTabOrder(griglia_, progetta);
    setTabOrder(progetta, annulla);

    Panne();
}

void FrmProg::Panne() {
    const std::vector<VoceParametro> voci = VociParametri(sessione_.imp, sessione_.parete.MagliaUnica);
    griglia_->Ricostruisci([this, voci] {
        QTreeWidgetItem* categoria = griglia_->AggiungiCategoria(CategoriaParametri);
        for (const VoceParametro& v : voci) {
            QTreeWidgetItem* voce = griglia_->AggiungiVoce(
                categoria, v.Tipo == TipoParametro::Lista ? TipoVoce::Lista : TipoVoce::Testo,
                QString::fromStdString(v.Didascalia), QString::fromStdString(v.Valore), v.Id);
            for (const SceltaParametro& s : v.Scelte)
                griglia_->AggiungiScelta(voce, QString::fromStdString(s.Testo), s.Numero);
        }
        AllargaPerGriglia(*this, *griglia_);
    });
}

void FrmProg::keyPressEvent(QKeyEvent* evento) {
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

bool MostraFrmProg(Sessione& sessione, OspiteDialoghi& dialoghi, int twipPerPixel, QWidget* padre) {
    FrmProg dialogo(sessione, twipPerPixel, padre);
    return dialoghi.Esegui(dialogo) == QDialog::Accepted && sessione.parete.CaricataParete();
}
