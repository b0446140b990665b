#include "ui/Form2.h"

#include "interaction/ChiusuraImpostazioni.h"
#include "interaction/GrigliaImpostazioni.h"
#include "model/FileIni.h"
#include "model/Finestra.h"
#include "model/ResetImpostazioni.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/OspiteDialoghi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <span>
#include <utility>

namespace {

constexpr double DivisoreImpostazioni = 0.75;

QColor ColoreQt(int rgb) { return QColor(RossoDi(rgb), VerdeDi(rgb), BluDi(rgb)); }
int RgbDi(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

QString Nome(const char* base, int indice) {
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(indice);
}

// The column headings of the layer rows, each as large as its text needs and
// never less than its design size: a wider heading pushes the ones at its
// right, a taller one grows upwards, so that none covers another nor the
// first row, which starts at primaRiga.
void IntestaColonne(QWidget* cornice, std::span<const std::pair<const char*, QRect>> titoli,
                    int primaRiga) {
    int libero = 0;  // where the previous heading ends
    for (const auto& [testo, dove] : titoli) {
        auto* etichetta = new QLabel(QString::fromUtf8(testo), cornice);
        const QSize serve = etichetta->sizeHint();
        QRect r = dove;
        r.setWidth(std::max(r.width(), serve.width()));
        r.moveLeft(std::max(r.left(), libero));
        const int fondo = std::min(r.bottom(), primaRiga - 1);
        r.setHeight(std::max(r.height(), serve.height()));
        r.moveBottom(fondo);
        if (r.top() < 0) r.setTop(0);
        etichetta->setGeometry(r);
        libero = r.right() + 1;
    }
}

}  // namespace

Form2::Form2(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
             AzioniForm2 azioni, int twipPerPixel, QWidget* padre)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      sessione_(sessione),
      finestra_(finestra),
      dialoghi_(dialoghi),
      azioni_(std::move(azioni)),
      tpp_(twipPerPixel > 0 ? twipPerPixel : 15),
      copia_(CopiaImpostazioni::Prendi(sessione)) {
    setWindowTitle(QStringLiteral("Impostazioni"));
    Costruisci();
    PannelloSetting();
    AggiornaForm2();
    iconaMostrata_ = option2_->checkedId();
}

void Form2::Costruisci() {
    const auto t = [this](int x, int y, int w, int h) {
        return QRect(x / tpp_, y / tpp_, w / tpp_, h / tpp_);
    };
    setFixedSize(10065 / tpp_, 8025 / tpp_);

    auto* layer = new QGroupBox(QStringLiteral("Layer"), this);
    layer->setGeometry(t(120, 60, 4635, 7875));
    const std::array<std::pair<const char*, QRect>, 4> titoli{{
        {"Nome", t(360, 300, 1500, 225)},
        {"Colore", t(2640, 300, 660, 225)},
        {"Attivo", t(3300, 300, 480, 225)},
        {"Osnap\nquote", t(3780, 180, 800, 375)},
    }};
    IntestaColonne(layer, titoli, t(0, 540, 0, 0).top());
    for (int i = 0; i < RigheLayer; ++i) {
        const int y = 540 + 300 * i;
        text2_[i] = new QLineEdit(layer);
        text2_[i]->setObjectName(Nome("Text2", i));
        text2_[i]->setGeometry(t(240, y, 2535, 285));
        // The names are edited in the DXF export dialog: here a cell to read.
        text2_[i]->setReadOnly(true);
        text2_[i]->setFocusPolicy(Qt::NoFocus);
        QPalette cella = text2_[i]->palette();
        cella.setColor(QPalette::Base, cella.color(QPalette::Window));
        text2_[i]->setPalette(cella);
        label8_[i] = new QPushButton(layer);
        label8_[i]->setObjectName(Nome("Label8", i));
        label8_[i]->setGeometry(t(2820, y, 495, 285));
        label8_[i]->setAutoDefault(false);
        connect(label8_[i], &QPushButton::clicked, this, [this, i] { Label8_Click(i); });
        check4_[i] = new QCheckBox(layer);
        check4_[i]->setObjectName(Nome("Check4", i));
        check4_[i]->setGeometry(t(3540, y, 300, 285));
        if (i < NumGruppiOsnap) {
            check1_[i] = new QCheckBox(layer);
            check1_[i]->setObjectName(Nome("Check1", i));
            check1_[i]->setGeometry(t(4080, y, 300, 285));
        }
    }

    // Two exclusive options in a frame, with their group ids 0 and 1.
    const auto opzioni = [&](QGroupBox* cornice, const char* nome, const char* testo0, QRect r0,
                             const char* testo1, QRect r1) {
        auto* gruppo = new QButtonGroup(this);
        const std::array<std::pair<const char*, QRect>, 2> voci{{{testo0, r0}, {testo1, r1}}};
        for (int k = 0; k < 2; ++k) {
            auto* opzione = new QRadioButton(QString::fromUtf8(voci[k].first), cornice);
            opzione->setObjectName(Nome(nome, k));
            opzione->setGeometry(voci[k].second);
            gruppo->addButton(opzione, k);
        }
        return gruppo;
    };

    auto* sfondo = new QGroupBox(QStringLiteral("Colore sfondo"), this);
    sfondo->setGeometry(t(4920, 60, 4995, 735));
    option5_ = opzioni(sfondo, "Option5", "Nero", t(240, 300, 1000, 285), "Bianco",
                       t(1320, 300, 1100, 285));
    auto* command5 = new QPushButton(QStringLiteral("Colori default"), sfondo);
    command5->setObjectName(QStringLiteral("Command5"));
    command5->setGeometry(t(2820, 240, 1875, 315));
    command5->setAutoDefault(false);
    connect(command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

    auto* tolleranza = new QGroupBox(QStringLiteral("Tolleranza aree di armatura"), this);
    tolleranza->setGeometry(t(4920, 840, 4995, 735));
    option1_ = opzioni(tolleranza, "Option1", "In percentuale", t(120, 240, 1600, 285),
                       "Fissa (cmq/m)", t(2460, 240, 1660, 285));
    for (int k = 0; k < 2; ++k) {
        text1_[k] = new QLineEdit(tolleranza);
        text1_[k]->setObjectName(Nome("Text1", k));
        text1_[k]->setGeometry(k == 0 ? t(1740, 240, 615, 285) : t(4140, 240, 615, 285));
    }

    auto* bottoni = new QGroupBox(QStringLiteral("Barra dei bottoni "), this);
    bottoni->setGeometry(t(4920, 1620, 4995, 735));
    option2_ = opzioni(bottoni, "Option2", "Icone 16x16", t(240, 300, 1600, 285), "Icone 24x24",
                       t(2460, 300, 1600, 285));
    // A click, not a toggle: toggled fires for the option left and the one taken.
    connect(option2_, &QButtonGroup::idClicked, this, [this](int id) { Option2_Click(id); });

    griglia_ = new GrigliaProprieta(this);
    griglia_->setObjectName(QStringLiteral("PropertyGrid1"));
    griglia_->setGeometry(t(4920, 2520, 4995, 4335));
    griglia_->Validazione = [this](QTreeWidgetItem& voce, QString& testo) {
        std::string digitato = testo.toStdString();
        (void)ValidaImpostazione(sessione_, GrigliaProprieta::Id(voce), digitato,
                                 GrigliaProprieta::Valore(voce).toStdString());
        testo = QString::fromStdString(digitato);
    };
    griglia_->CambioValore = [this](QTreeWidgetItem& voce) {
        if (GrigliaProprieta::Tipo(voce) != TipoVoce::Booleano) return;
        ImpostaOpzione(sessione_, finestra_, GrigliaProprieta::Id(voce),
                       GrigliaProprieta::Valore(voce) == QStringLiteral("1"));
    };

    const auto pulsante = [&](const char* nome, const char* testo, QRect dove) {
        auto* p = new QPushButton(QString::fromUtf8(testo), this);
        p->setObjectName(QLatin1String(nome));
        p->setGeometry(dove);
        p->setAutoDefault(false);
        return p;
    };
    connect(pulsante("Command3", "Salva impostazioni", t(5340, 7020, 1875, 375)),
            &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(pulsante("Command4", "Reset impostazioni", t(7680, 7020, 1815, 375)),
            &QPushButton::clicked, this, [this] { Command4_Click(); });
    QPushButton* ok = pulsante("Command1", "&Ok", t(5340, 7500, 1875, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(pulsante("Command2", "&Annulla", t(7680, 7500, 1815, 375)), &QPushButton::clicked,
            this, [this] { done(CodiceAnnulla); });
}

void Form2::PannelloSetting() {
    const std::vector<CategoriaImpostazioni> categorie = CategorieImpostazioni(sessione_);
    griglia_->Ricostruisci([this, categorie] {
        griglia_->ImpostaDivisore(DivisoreImpostazioni);
        for (const CategoriaImpostazioni& c : categorie) {
            QTreeWidgetItem* categoria =
                griglia_->AggiungiCategoria(QString::fromStdString(c.Titolo));
            for (const VoceImpostazione& v : c.Voci)
                griglia_->AggiungiVoce(categoria,
                                       v.Tipo == TipoVoceImpostazione::Booleano ? TipoVoce::Booleano
                                                                                : TipoVoce::Testo,
                                       QString::fromStdString(v.Didascalia),
                                       QString::fromStdString(v.Valore), v.Id);
        }
        AllargaPerGriglia(*this, *griglia_);
    });
}

void Form2::AggiornaForm2() {
    const ValoriControlli c = ValoriDaImpostazioni(sessione_.imp);
    for (int i = 0; i < NumGruppiOsnap; ++i) check1_[i]->setChecked(c.Osnap[i] != 0);
    nomi_ = c.Nomi;
    coloriForm_ = c.Colori;
    for (int i = 0; i < RigheLayer; ++i) {
        text2_[i]->setText(QString::fromStdString(c.Nomi[i]));
        ColoraCampione(i);
        check4_[i]->setChecked(c.Visibili[i] != 0);
    }
    option5_->button(c.SfondoBianco)->setChecked(true);
    option1_->button(c.ModoTolleranza)->setChecked(true);
    text1_[0]->setText(QString::fromStdString(c.TolleranzaPerc));
    text1_[1]->setText(QString::fromStdString(c.TolleranzaFissa));
    option2_->button(c.IconeGrandi)->setChecked(true);
    if (iconaMostrata_ >= 0 && iconaMostrata_ != c.IconeGrandi) NotaIcone();
    if (iconaMostrata_ >= 0) iconaMostrata_ = c.IconeGrandi;
}

ValoriControlli Form2::Controlli() const {
    ValoriControlli c;
    c.Nomi = nomi_;  // typed names are not kept
    c.Colori = coloriForm_;
    for (int i = 0; i < RigheLayer; ++i) c.Visibili[i] = check4_[i]->isChecked() ? 1 : 0;
    for (int i = 0; i < NumGruppiOsnap; ++i) c.Osnap[i] = check1_[i]->isChecked() ? 1 : 0;
    c.SfondoBianco = option5_->checkedId() == 1 ? 1 : 0;
    c.ModoTolleranza = option1_->checkedId() == 1 ? 1 : 0;
    c.TolleranzaPerc = text1_[0]->text().toStdString();
    c.TolleranzaFissa = text1_[1]->text().toStdString();
    c.IconeGrandi = option2_->checkedId() == 0 ? 0 : 1;
    return c;
}

void Form2::ColoraCampione(int riga) {
    label8_[riga]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                                     .arg(ColoreQt(coloriForm_[riga]).name()));
}

void Form2::Label8_Click(int riga) {
    QColorDialog scelta(ColoreQt(coloriForm_[riga]), this);
    scelta.setOption(QColorDialog::DontUseNativeDialog);
    if (dialoghi_.Esegui(scelta) != QDialog::Accepted) return;
    const QColor colore = scelta.currentColor();
    if (!colore.isValid()) return;
    coloriForm_[riga] = RgbDi(colore);
    ColoraCampione(riga);
}

void Form2::Option2_Click(int indice) {
    if (iconaMostrata_ < 0 || indice == iconaMostrata_) return;
    iconaMostrata_ = indice;
    NotaIcone();
}

void Form2::NotaIcone() {
    dialoghi_.Messaggio(this,
                        QStringLiteral("Le dimensioni delle icone verranno modificate al prossimo "
                                       "avvio del programma. (salvare le impostazioni)."),
                        QStringLiteral("Attenzione!"), IconaMessaggio::Informazione);
}

void Form2::Command3_Click() {
    LeggiF(sessione_.imp, Controlli());
    (void)ScriviIni(sessione_, finestra_);  // a failure has been told; the dialog stays
}

void Form2::Command4_Click() {
    (void)ResetImpostazioni(sessione_.imp, finestra_);  // a failure has been told
    if (azioni_.Ridisegna) azioni_.Ridisegna();
    PannelloSetting();
    AggiornaForm2();
}

void Form2::Command5_Click() {
    ColoriDefault(sessione_.imp, option5_->checkedId() == 1 ? 1 : 0);
    AggiornaForm2();
}

void Form2::keyPressEvent(QKeyEvent* evento) {
    // No cancel button: Esc leaves the dialog open.
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void MostraImpostazioni(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
                        const AzioniForm2& azioni, int twipPerPixel, QWidget* padre) {
    Form2 dialogo(sessione, finestra, dialoghi, azioni, twipPerPixel, padre);
    const int codice = dialoghi.Esegui(dialogo);
    const ChiusuraImpostazioni chiusura = codice == QDialog::Accepted ? ChiusuraImpostazioni::Ok
                                          : codice == Form2::CodiceAnnulla
                                              ? ChiusuraImpostazioni::Annulla
                                              : ChiusuraImpostazioni::Chiusura;
    ChiudiImpostazioni(sessione, finestra, chiusura, dialogo.Controlli(), dialogo.Copia(),
                       azioni.ColoriTela);
}
