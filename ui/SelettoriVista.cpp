#include "ui/SelettoriVista.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QButtonGroup* Gruppo(QWidget* genitore, QBoxLayout* riga, const char* primo, const char* secondo) {
    auto* gruppo = new QButtonGroup(genitore);
    gruppo->setExclusive(true);
    int id = 0;
    for (const char* testo : {primo, secondo}) {
        auto* pulsante = new QRadioButton(QString::fromUtf8(testo), genitore);
        gruppo->addButton(pulsante, id++);
        riga->addWidget(pulsante);
    }
    return gruppo;
}

void Seleziona(QButtonGroup* gruppo, int indice) {
    for (QAbstractButton* b : gruppo->buttons()) b->setChecked(gruppo->id(b) == indice);
}

}  // namespace

SelettoriVista::SelettoriVista(QWidget* parent) : QWidget(parent) {
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* rigaLato = new QHBoxLayout;
    lati_ = Gruppo(this, rigaLato, "Lato +", "Lato -");
    label3_ = new QLabel(" Armatura a maglia unica centrale", this);
    label3_->hide();
    rigaLato->addWidget(label3_);
    auto* rigaDirezione = new QHBoxLayout;
    direzioni_ = Gruppo(this, rigaDirezione, "Direzione 1", "Direzione 2");
    colonna->addLayout(rigaLato);
    colonna->addLayout(rigaDirezione);
    // idClicked, not toggled: a change of the checked button toggles two buttons.
    connect(lati_, &QButtonGroup::idClicked, this, [this](int id) {
        if (ClicLato) ClicLato(id);
    });
    connect(direzioni_, &QButtonGroup::idClicked, this, [this](int id) {
        if (ClicDirezione) ClicDirezione(id);
    });
}

void SelettoriVista::SelezionaLato(int indice) { Seleziona(lati_, indice); }

void SelettoriVista::SelezionaDirezione(int indice) { Seleziona(direzioni_, indice); }

void SelettoriVista::MostraPulsantiLato(bool visibili) {
    for (QAbstractButton* b : lati_->buttons()) b->setVisible(visibili);
}

void SelettoriVista::MostraEtichettaMagliaUnica(bool visibile) { label3_->setVisible(visibile); }

QAbstractButton* SelettoriVista::Option1(int indice) const { return lati_->button(indice); }

QAbstractButton* SelettoriVista::Option2(int indice) const { return direzioni_->button(indice); }

PannelloScala::PannelloScala(QWidget* parent) : QWidget(parent) {
    auto* griglia = new QGridLayout(this);
    griglia->setContentsMargins(0, 0, 0, 0);
    QFont grassetto = font();
    grassetto.setBold(true);
    const char* etichette[2] = {"Max.", "Min."};
    const char* comandi[2] = {"Default", "Range"};
    for (int i = 0; i < 2; ++i) {
        auto* etichetta = new QLabel(etichette[i], this);
        etichetta->setFont(grassetto);
        text1_[i] = new QLineEdit(this);
        command1_[i] = new QPushButton(comandi[i], this);
        command1_[i]->setAutoDefault(false);
        connect(command1_[i], &QPushButton::clicked, this, [this, i] {
            if (ClicComando) ClicComando(i);
        });
    }
    // "Max." above the buttons, "Min." below them.
    griglia->addWidget(findChildren<QLabel*>().at(0), 0, 0);
    griglia->addWidget(text1_[0], 0, 1);
    griglia->addWidget(command1_[0], 1, 0);
    griglia->addWidget(command1_[1], 1, 1);
    griglia->addWidget(findChildren<QLabel*>().at(1), 2, 0);
    griglia->addWidget(text1_[1], 2, 1);
    hide();
}
