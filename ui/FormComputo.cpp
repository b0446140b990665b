#include "ui/FormComputo.h"

#include "export/Computo.h"
#include "export/ComputoFile.h"
#include "export/FinestraLotto.h"
#include "export/NomeEsportazione.h"
#include "model/Finestra.h"
#include "model/Sessione.h"
#include "ui/LettoreRtf.h"
#include "ui/OspiteDialoghi.h"
#include "ui/SceltaFileSalvataggio.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

FormComputo::FormComputo(std::string testoRtf, std::string& fileRelazione,
                         OspiteDialoghi& dialoghi, QWidget* padre)
    : QDialog(padre), testo_(std::move(testoRtf)), fileRelazione_(fileRelazione),
      dialoghi_(dialoghi) {
    setWindowTitle(QStringLiteral("Computo"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(720, 560);
    documento_ = new QTextEdit(this);
    MostraRtf(*documento_, testo_);

    auto* salva = new QPushButton(QStringLiteral("Salva computo"), this);
    salva->setObjectName(QStringLiteral("SalvaComputo"));
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("Chiudi"));
    connect(salva, &QPushButton::clicked, this, &FormComputo::SalvaComputo);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(salva);
    pulsanti->addWidget(chiudi);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(documento_);
    colonna->addLayout(pulsanti);
}

void FormComputo::SalvaComputo() {
    fileRelazione_ = NomeComputoProposto(fileRelazione_);
    const auto file = FileDaSalvareConConferma(
        this, dialoghi_, QStringLiteral("Salva computo"), QStringLiteral("File (*.rtf)"),
        QString::fromStdString(fileRelazione_), {}, QStringLiteral("rtf"));
    if (!file) return;
    const Esito esito = ::SalvaComputo(file->toStdString(), testo_);
    if (!esito.Riuscito())
        dialoghi_.Messaggio(this, QString::fromStdString(esito.Motivo), QStringLiteral("Attenzione!"),
                            IconaMessaggio::Esclamazione);
}

void MostraComputo(QWidget* padre, Sessione& sessione, OspiteDialoghi& dialoghi) {
    // The open wall's bill is proposed beside it, under its name.
    if (std::string nome = FileEsportazioneDaParete(sessione.parete.FileCorrente, "rtf"); !nome.empty())
        sessione.stato.FileRelazione = std::move(nome);
    FormComputo finestra(ComputoParete(sessione.parete, sessione.imp),
                         sessione.stato.FileRelazione, dialoghi, padre);
    dialoghi.Esegui(finestra);
}

void MostraComputoPareti(QWidget* padre, std::span<const std::string> percorsi, Sessione& sessione,
                         InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi) {
    FinestraLotto soloMessaggi(finestra);
    FormComputo computo(ComputoPareti(percorsi, sessione.imp, soloMessaggi),
                        sessione.stato.FileRelazione, dialoghi, padre);
    dialoghi.Esegui(computo);
}
