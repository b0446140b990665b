#include "ui/FormZona.h"

#include "interaction/StatoMacchina.h"
#include "interaction/TestoFormZona.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/LettoreRtf.h"
#include "ui/OspiteDialoghi.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

FormZona::FormZona(Sessione& sessione, const Vista& vista, InterfacciaFinestra& finestra, PortaTela& porta,
                   int twipPerPixel, QWidget* padre)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      sessione_(sessione), vista_(vista), finestra_(finestra), porta_(porta) {
    const int tpp = twipPerPixel > 0 ? twipPerPixel : 15;
    const auto t = [tpp](int x, int y, int w, int h) { return QRect(x / tpp, y / tpp, w / tpp, h / tpp); };
    setWindowTitle(QStringLiteral("Armatura integrativa"));
    setFixedSize(4665 / tpp, 4080 / tpp);

    griglia_ = new GrigliaProprieta(this);
    griglia_->setObjectName(QStringLiteral("PropertyGrid1"));
    griglia_->setGeometry(t(60, 60, 4575, 1995));
    const auto modifica = [this](QTreeWidgetItem& voce, QString& testo) {
        std::string digitato = testo.toStdString();
        if (ValidaVoceZona(dati_, sessione_.stato, vista_, GrigliaProprieta::Id(voce), digitato,
                           GrigliaProprieta::Valore(voce).toStdString()) == EsitoVoceZona::DiametroCambiato)
            porta_.Ridisegna();
        testo = QString::fromStdString(digitato);
        infoAA();
    };
    griglia_->Validazione = modifica;
    griglia_->CambioValore = [modifica](QTreeWidgetItem& voce) {
        QString valore = GrigliaProprieta::Valore(voce);
        modifica(voce, valore);
    };

    testo_ = new QTextEdit(this);
    testo_->setObjectName(QStringLiteral("RichTextBox1"));
    testo_->setGeometry(t(60, 2100, 4575, 1215));

    const auto pulsante = [&](const char* nome, const char* testo, QRect r) {
        auto* p = new QPushButton(QString::fromUtf8(testo), this);
        p->setObjectName(QString::fromLatin1(nome));
        p->setGeometry(r);
        p->setAutoDefault(false);
        return p;
    };
    auto* ok = pulsante("Command2", "Ok", t(2460, 3720, 2175, 315));
    auto* annulla = pulsante("Command3", "Annulla", t(2460, 3360, 2175, 315));
    auto* perimetro = pulsante("Command1", "Modifica perimetro", t(60, 3720, 2355, 315));
    auto* ricalcola = pulsante("Command4", "Ricalcola passo", t(60, 3360, 2355, 315));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        OkFormZona(dati_, sessione_, finestra_);
        done(QDialog::Accepted);
    });
    connect(annulla, &QPushButton::clicked, this, [this] {
        AnnullaFormZona(sessione_.stato);
        done(QDialog::Rejected);
    });
    connect(perimetro, &QPushButton::clicked, this, [this] {
        ModificaPerimetroZona(sessione_.stato, vista_);
        porta_.ImpostaPrompt(PromptModificaPerimetro);
        done(QDialog::Rejected);
    });
    connect(ricalcola, &QPushButton::clicked, this, [this] {
        RicalcolaPassoZona(sessione_.stato, sessione_.imp);
        PanelAgg();
        infoAA();
    });
    setTabOrder(ok, annulla);
    setTabOrder(annulla, testo_);
    setTabOrder(testo_, ricalcola);
    setTabOrder(ricalcola, griglia_);

    dati_ = ApriFormZona(sessione_.stato, sessione_.imp);
    PanelAgg();
    infoAA();
}

void FormZona::PanelAgg() {
    const std::vector<VoceForm> voci = VociFormZona(dati_, sessione_.parete, sessione_.stato);
    griglia_->Ricostruisci([this, voci] {
        griglia_->ImpostaDivisore(0.6);
        QTreeWidgetItem* categoria = griglia_->AggiungiCategoria(QString::fromUtf8(CategoriaZona));
        for (const VoceForm& v : voci)
            griglia_->AggiungiVoce(categoria, v.Booleano ? TipoVoce::Booleano : TipoVoce::Testo,
                                   QString::fromStdString(v.Didascalia), QString::fromStdString(v.Valore), v.Id);
        categoria->setExpanded(true);
        AllargaPerGriglia(*this, *griglia_);
    });
}

void FormZona::infoAA() { MostraRtf(*testo_, TestoFormZona(dati_, sessione_)); }

void FormZona::keyPressEvent(QKeyEvent* evento) {
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

void MostraFormZona(Sessione& sessione, const Vista& vista, InterfacciaFinestra& finestra,
                    OspiteDialoghi& dialoghi, PortaTela& porta, int twipPerPixel, QWidget* padre) {
    FormZona dialogo(sessione, vista, finestra, porta, twipPerPixel, padre);
    (void)dialoghi.Esegui(dialogo);
}
