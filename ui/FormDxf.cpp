#include "ui/FormDxf.h"

#include "drawing/Palette.h"
#include "export/EsportaDxf.h"
#include "export/NomeEsportazione.h"
#include "export/NomiLayerDxf.h"
#include "model/Cartelle.h"
#include "model/FileIni.h"
#include "model/Finestra.h"
#include "model/Sessione.h"
#include "ui/ColoreQt.h"
#include "ui/FormComputo.h"
#include "ui/OspiteDialoghi.h"
#include "ui/SceltaFileSalvataggio.h"
#include "ui/SelettoreColore.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString Attenzione = QStringLiteral("Attenzione!");

QString Qs(const std::string& s) { return QString::fromStdString(s); }

QPushButton* Pulsante(const QString& testo, const char* nome, QWidget* padre) {
    auto* p = new QPushButton(testo, padre);
    p->setObjectName(QString::fromLatin1(nome));
    p->setAutoDefault(false);
    return p;
}

QString StileCampione(int aci) {
    const int rgb = ColoreAci(aci);
    const QColor sfondo = ColoreQt(rgb);
    const QColor testo = sfondo.lightness() < 128 ? Qt::white : Qt::black;
    return QStringLiteral("background-color: %1; color: %2; border: 1px solid black;")
        .arg(sfondo.name(), testo.name());
}

// The folder the dialog opens on: the open wall's, else the one shown last
// in the run, else the analysis program's last project, else the current folder.
QString CartellaIniziale(const Sessione& s) {
    const std::string& aperto = s.parete.FileCorrente;
    if (!aperto.empty() && QFileInfo(Qs(aperto)).completeBaseName().toUpper() != "ANONIMO")
        return QFileInfo(Qs(aperto)).absolutePath();
    if (!s.stato.CartellaPareti.empty()) return Qs(s.stato.CartellaPareti);
    const std::string progetto = CartellaUltimoProgetto();
    return progetto.empty() ? QDir::currentPath() : Qs(progetto);
}

}  // namespace

FormDxf::FormDxf(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
                 QWidget* padre)
    : QDialog(padre), sessione_(sessione), finestra_(finestra), dialoghi_(dialoghi) {
    setWindowTitle(QStringLiteral("Disegno DXF"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // Wall files: folder tree, the folder's files, the chosen list.
    cartelle_ = new QFileSystemModel(this);
    cartelle_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    cartelle_->setRootPath(QDir::rootPath());
    albero_ = new QTreeView(this);
    albero_->setModel(cartelle_);
    for (int c = 1; c < cartelle_->columnCount(); ++c) albero_->hideColumn(c);
    albero_->header()->hide();
    connect(albero_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { MostraCartella(cartelle_->filePath(i)); });
    // The model reads the folders in the background, and folders made or
    // deleted beside them by other programs move its rows under the shown
    // folder: until the user scrolls the tree, the folder is brought back
    // into view once the tree has laid out the change.
    const auto riporta = [this] {
        if (scorsoDallUtente_) return;
        QTimer::singleShot(0, albero_, [this] { albero_->scrollTo(albero_->currentIndex()); });
    };
    connect(albero_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { scorsoDallUtente_ = true; });
    connect(cartelle_, &QAbstractItemModel::rowsInserted, this, riporta);
    connect(cartelle_, &QAbstractItemModel::rowsRemoved, this, riporta);
    connect(cartelle_, &QAbstractItemModel::layoutChanged, this, riporta);
    file_ = new QListWidget(this);
    file_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(file_, &QListWidget::itemDoubleClicked, this, [this] { AggiungiSelezionati(); });
    scelti_ = new QListWidget(this);
    scelti_->setSortingEnabled(true);

    auto* aggiungi = Pulsante(QStringLiteral("Aggiungi  >>"), "Aggiungi", this);
    auto* rimuovi = Pulsante(QStringLiteral("Rimuovi <<"), "Rimuovi", this);
    auto* tutti = Pulsante(QStringLiteral("Aggiungi tutti >>"), "AggiungiTutti", this);
    auto* nessuno = Pulsante(QStringLiteral("Rimuovi << tutti"), "RimuoviTutti", this);
    connect(aggiungi, &QPushButton::clicked, this, [this] { AggiungiSelezionati(); });
    connect(rimuovi, &QPushButton::clicked, this, [this] {
        const auto selezionati = scelti_->selectedItems();
        if (!selezionati.isEmpty()) delete selezionati.front();
    });
    connect(tutti, &QPushButton::clicked, this, [this] {
        scelti_->clear();
        for (const std::string& f : FileCartella()) AggiungiScelto(Qs(f));
    });
    connect(nessuno, &QPushButton::clicked, scelti_, &QListWidget::clear);

    auto* pulsantiLista = new QVBoxLayout;
    for (QPushButton* p : {aggiungi, rimuovi, tutti, nessuno}) pulsantiLista->addWidget(p);
    pulsantiLista->addStretch();
    auto* liste = new QGridLayout;
    liste->addWidget(new QLabel(QStringLiteral("Cartelle"), this), 0, 0);
    liste->addWidget(new QLabel(QStringLiteral("File dati disponibili"), this), 0, 1);
    liste->addWidget(new QLabel(QStringLiteral("File dati per generazione DXF"), this), 0, 3);
    liste->addWidget(albero_, 1, 0);
    liste->addWidget(file_, 1, 1);
    liste->addLayout(pulsantiLista, 1, 2);
    liste->addWidget(scelti_, 1, 3);

    // The 24 layer rows, 0-11 on the left and 12-23 on the right.
    auto* cornice = new QGroupBox(QStringLiteral("Layer"), this);
    auto* righe = new QGridLayout(cornice);
    for (int meta = 0; meta < 2; ++meta) {
        const int col = meta * 3;
        righe->addWidget(new QLabel(QStringLiteral("Nome"), cornice), 0, col);
        righe->addWidget(new QLabel(QStringLiteral("Colore"), cornice), 0, col + 1);
        righe->addWidget(new QLabel(QStringLiteral("Disegna"), cornice), 0, col + 2);
    }
    for (int i = 0; i < RigheLayerDxf; ++i) {
        const int riga = 1 + i % 12, col = (i / 12) * 3;
        nomi_[i] = new QLineEdit(cornice);
        nomi_[i]->setObjectName(QStringLiteral("Nome%1").arg(i));
        campioni_[i] = Pulsante({}, "", cornice);
        campioni_[i]->setObjectName(QStringLiteral("Colore%1").arg(i));
        campioni_[i]->setFlat(true);
        campioni_[i]->setFixedWidth(48);
        disegna_[i] = new QCheckBox(cornice);
        connect(campioni_[i], &QPushButton::clicked, this, [this, i] { ScegliColore(i); });
        righe->addWidget(nomi_[i], riga, col);
        righe->addWidget(campioni_[i], riga, col + 1);
        righe->addWidget(disegna_[i], riga, col + 2);
    }

    // Print scale, dialect, buttons, progress.
    auto* scala = new QGroupBox(QStringLiteral("Scala di stampa programma CAD"), this);
    scalaMm_ = new QLineEdit(scala);
    scalaMm_->setObjectName(QStringLiteral("ScalaMm"));
    scalaUnita_ = new QLineEdit(scala);
    scalaUnita_->setObjectName(QStringLiteral("ScalaUnita"));
    auto* guida = Pulsante(QStringLiteral("?"), "Guida", scala);
    connect(guida, &QPushButton::clicked, this, &FormDxf::GuidaStampa);
    auto* rigaScala = new QHBoxLayout(scala);
    rigaScala->addWidget(scalaMm_);
    rigaScala->addWidget(new QLabel(QStringLiteral("mm ="), scala));
    rigaScala->addWidget(scalaUnita_);
    rigaScala->addWidget(new QLabel(QStringLiteral("unit\u00e0"), scala));
    rigaScala->addWidget(guida);
    r12_ = new QCheckBox(QStringLiteral("DXF compatibilit\u00e0 R12"), this);

    auto* salva = Pulsante(QStringLiteral("Salva impostazioni"), "SalvaImpostazioni", this);
    auto* predefinite = Pulsante(QStringLiteral("Impostazioni di default"), "Default", this);
    auto* computo = Pulsante(QStringLiteral("Visualizza computo"), "Computo", this);
    auto* genera = Pulsante(QStringLiteral("Genera File &DXF"), "Genera", this);
    genera->setDefault(true);
    auto* esci = Pulsante(QStringLiteral("&Esci"), "Esci", this);
    connect(salva, &QPushButton::clicked, this, &FormDxf::SalvaImpostazioni);
    connect(predefinite, &QPushButton::clicked, this, &FormDxf::ImpostazioniDiDefault);
    connect(computo, &QPushButton::clicked, this, &FormDxf::VisualizzaComputo);
    connect(genera, &QPushButton::clicked, this, &FormDxf::NewSalvaDXF);
    connect(esci, &QPushButton::clicked, this, &QDialog::reject);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 100);
    barra_->setValue(0);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(scala);
    comandi->addWidget(r12_);
    for (QPushButton* p : {salva, predefinite, computo, genera, esci}) comandi->addWidget(p);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(liste);
    colonna->addWidget(cornice);
    colonna->addLayout(comandi);
    colonna->addWidget(barra_);

    MostraCartella(CartellaIniziale(sessione_));
    AggiornaFormDXF();
}

void FormDxf::MostraCartella(const QString& cartella) {
    const QString percorso = QDir(cartella).absolutePath();
    sessione_.stato.CartellaPareti = percorso.toStdString();
    const QModelIndex indice = cartelle_->index(percorso);
    if (indice.isValid() && albero_->currentIndex() != indice) {
        const QSignalBlocker blocco(albero_->selectionModel());
        albero_->setCurrentIndex(indice);
        albero_->scrollTo(indice);
    }
    file_->clear();
    const QDir dir(percorso);
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (f.suffix().compare(QStringLiteral("set"), Qt::CaseInsensitive) != 0) continue;
        auto* voce = new QListWidgetItem(f.fileName(), file_);
        voce->setData(Qt::UserRole, f.absoluteFilePath());
    }
}

void FormDxf::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // The folder was scrolled to before the tree had its size.
    albero_->scrollTo(albero_->currentIndex());
}

QString FormDxf::Cartella() const { return Qs(sessione_.stato.CartellaPareti); }

std::vector<std::string> FormDxf::FileCartella() const {
    std::vector<std::string> elenco;
    for (int i = 0; i < file_->count(); ++i)
        elenco.push_back(file_->item(i)->data(Qt::UserRole).toString().toStdString());
    return elenco;
}

std::vector<std::string> FormDxf::FileScelti() const {
    std::vector<std::string> elenco;
    for (int i = 0; i < scelti_->count(); ++i) elenco.push_back(scelti_->item(i)->text().toStdString());
    return elenco;
}

void FormDxf::SelezionaFile(const std::vector<std::string>& nomi) {
    for (int i = 0; i < file_->count(); ++i) {
        const std::string nome = file_->item(i)->text().toStdString();
        file_->item(i)->setSelected(std::find(nomi.begin(), nomi.end(), nome) != nomi.end());
    }
}

void FormDxf::AggiungiSelezionati() {
    for (int i = 0; i < file_->count(); ++i)
        if (file_->item(i)->isSelected()) AggiungiScelto(file_->item(i)->data(Qt::UserRole).toString());
}

void FormDxf::AggiungiScelto(const QString& percorso) {
    // The full path, so files of several folders can be chosen together.
    if (scelti_->findItems(percorso, Qt::MatchExactly).isEmpty()) scelti_->addItem(percorso);
}

void FormDxf::AggiornaFormDXF() { ImpostaValori(::AggiornaFormDXF(sessione_.imp, sessione_.stato.DxfR12)); }

ValoriDialogoDxf FormDxf::Valori() const {
    ValoriDialogoDxf v;
    for (int i = 0; i < RigheLayerDxf; ++i) {
        v.Nomi[i] = nomi_[i]->text().toStdString();
        v.Colori[i] = colori_[i];
        v.Disegna[i] = disegna_[i]->isChecked();
    }
    v.ScalaMm = scalaMm_->text().toStdString();
    v.ScalaUnita = scalaUnita_->text().toStdString();
    v.R12 = r12_->isChecked();
    return v;
}

void FormDxf::ImpostaValori(const ValoriDialogoDxf& v) {
    for (int i = 0; i < RigheLayerDxf; ++i) {
        nomi_[i]->setText(Qs(v.Nomi[i]));
        colori_[i] = v.Colori[i];
        MostraColore(i);
        disegna_[i]->setChecked(v.Disegna[i]);
    }
    scalaMm_->setText(Qs(v.ScalaMm));
    scalaUnita_->setText(Qs(v.ScalaUnita));
    r12_->setChecked(v.R12);
}

void FormDxf::MostraColore(int riga) {
    campioni_[riga]->setText(QString::number(colori_[riga]));
    campioni_[riga]->setStyleSheet(StileCampione(colori_[riga]));
}

bool FormDxf::Leggi() {
    barra_->setValue(0);
    ValoriDialogoDxf v = Valori();
    if (const auto rifiutato = ::Leggi(v, sessione_.imp, sessione_.stato.DxfR12)) {
        dialoghi_.Messaggio(this, Qs(MessaggioLayerNonValido(*rifiutato)) + "\n" + Qs(std::string(OperazioneAnnullata)),
                            Attenzione, IconaMessaggio::Esclamazione);
        return false;
    }
    ImpostaValori(v);
    return true;
}

void FormDxf::NewSalvaDXF() {
    if (!Leggi()) return;
    const std::vector<std::string> pareti = FileScelti();
    if (pareti.empty()) {
        dialoghi_.Messaggio(this, Qs(std::string(MessaggioNessunFileDxf)), Attenzione,
                            IconaMessaggio::Esclamazione);
        return;
    }
    // The last drawing of the run, else one named after the first chosen wall, beside it.
    const std::string& ultimo = sessione_.stato.FileDxf;
    const auto file = FileDaSalvareConConferma(
        this, dialoghi_, QStringLiteral("Salva disegno DXF"), QStringLiteral("File Disegno (*.DXF)"),
        Qs(ultimo.empty() ? FileEsportazioneDaParete(pareti.front(), "DXF") : ultimo), Cartella(),
        QStringLiteral("DXF"));
    if (!file) return;
    sessione_.stato.FileDxf = file->toStdString();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Esito esito = EsportaDxf(pareti, sessione_.stato.FileDxf, sessione_.imp,
                                   sessione_.stato.DxfR12 != 0, finestra_,
                                   [this](int percento) { barra_->setValue(percento); });
    QApplication::restoreOverrideCursor();
    if (!esito.Riuscito())
        dialoghi_.Messaggio(this, Qs(esito.Motivo), Attenzione, IconaMessaggio::Esclamazione);
}

void FormDxf::VisualizzaComputo() {
    const std::vector<std::string> pareti = FileScelti();
    if (pareti.empty()) {
        dialoghi_.Messaggio(this,
                            QStringLiteral("Non sono stati selezionati i file dati.\n"
                                           "Generazione del computo impossibile!"),
                            Attenzione, IconaMessaggio::Esclamazione);
        return;
    }
    sessione_.stato.FileRelazione = FileEsportazioneDaParete(pareti.front(), "rtf");
    MostraComputoPareti(this, pareti, sessione_, finestra_, dialoghi_);
}

void FormDxf::GuidaStampa() {
    dialoghi_.Messaggio(
        this,
        QStringLiteral(
            "Rapporto di scala con cui si eseguir\u00e0 la stampa dal programma CAD.\n"
            "Utilizzando il rapporto 1 mm = 10 unit\u00e0, nella finestra di stampa del CAD, si "
            "otterr\u00e0 un disegno stampato in scala 1:50, se ho scelto nella casella superiore "
            "(Scala del disegno) l'opzione 1:50, altrimenti 1:100.\n"
            "Es: 1 mm = 5 unit\u00e0, con 'Scala del disegno' 1:50 -> otterr\u00f2 che nel CAD un "
            "metro misurer\u00e0 100 unit\u00e0."),
        QStringLiteral("Guida stampa"), IconaMessaggio::Informazione);
}

void FormDxf::ScegliColore(int riga) {
    nomi_[riga]->setStyleSheet(QStringLiteral("background-color: #000080; color: white;"));
    colori_[riga] = ScegliColoreAci(this, dialoghi_, colori_[riga]);
    MostraColore(riga);
    nomi_[riga]->setStyleSheet({});
}

void FormDxf::SalvaImpostazioni() {
    if (!Leggi()) return;
    // The writer tells a failure itself.
    (void)ScriviIni(sessione_, finestra_);
}

void FormDxf::ImpostazioniDiDefault() {
    ImpostazioniDefault(sessione_, finestra_);
    AggiornaFormDXF();
}

int FormDxf::Avanzamento() const { return barra_->value(); }

void MostraEsportazioneDxf(QWidget* padre, Sessione& sessione, InterfacciaFinestra& finestra,
                           OspiteDialoghi& dialoghi) {
    FormDxf dialogo(sessione, finestra, dialoghi, padre);
    dialoghi.Esegui(dialogo);
}
