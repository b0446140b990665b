#include "ui/GrigliaProprieta.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

constexpr int RuoloId = Qt::UserRole;
constexpr int RuoloTipo = Qt::UserRole + 1;
constexpr int RuoloNumero = Qt::UserRole + 2;
constexpr int ColonnaValore = 1;

}  // namespace

class DelegatoGriglia : public QStyledItemDelegate {
public:
    explicit DelegatoGriglia(GrigliaProprieta& griglia)
        : QStyledItemDelegate(&griglia), griglia_(griglia) {}

    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem&,
                          const QModelIndex& indice) const override {
        QTreeWidgetItem* voce = Voce(indice);
        if (voce == nullptr || indice.column() != ColonnaValore) return nullptr;
        switch (GrigliaProprieta::Tipo(*voce)) {
            case TipoVoce::Testo:
                return new QLineEdit(genitore);
            case TipoVoce::Lista: {
                auto* lista = new QComboBox(genitore);
                for (const auto& s : griglia_.Scelte(*voce)) lista->addItem(s.Testo, s.Numero);
                return lista;
            }
            case TipoVoce::Booleano:
                break;
        }
        return nullptr;
    }

    void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
        QTreeWidgetItem* voce = Voce(indice);
        if (auto* testo = dynamic_cast<QLineEdit*>(editor)) {
            testo->setText(voce->text(ColonnaValore));
        } else if (auto* lista = dynamic_cast<QComboBox*>(editor)) {
            lista->setCurrentIndex(lista->findData(voce->data(ColonnaValore, RuoloNumero)));
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& indice) const override {
        QTreeWidgetItem* voce = Voce(indice);
        // A second commit of the same edit (the editor losing its focus to a
        // box the first one opened) is not an edit.
        if (voce == nullptr || griglia_.InNotifica()) return;
        if (auto* editorTesto = dynamic_cast<QLineEdit*>(editor)) {
            QString testo = editorTesto->text();
            if (testo == voce->text(ColonnaValore) && !griglia_.ValidaTestoInvariato) return;
            griglia_.Notifica([&] {
                if (griglia_.Validazione) griglia_.Validazione(*voce, testo);
                voce->setText(ColonnaValore, testo);
            });
        } else if (auto* lista = dynamic_cast<QComboBox*>(editor)) {
            const int numero = lista->currentData().toInt();
            if (lista->currentIndex() < 0 || numero == voce->data(ColonnaValore, RuoloNumero).toInt())
                return;
            griglia_.SelezionaScelta(voce, numero);
            griglia_.Notifica([&] {
                if (griglia_.CambioValore) griglia_.CambioValore(*voce);
            });
        }
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        // While a notification runs its boxes take the focus: no second commit.
        if (evento->type() == QEvent::FocusOut && griglia_.InNotifica()) return false;
        return QStyledItemDelegate::eventFilter(oggetto, evento);
    }

private:
    QTreeWidgetItem* Voce(const QModelIndex& indice) const {
        return griglia_.itemFromIndex(indice);
    }

    GrigliaProprieta& griglia_;
};

GrigliaProprieta::GrigliaProprieta(QWidget* parent)
    : QTreeWidget(parent), delegato_(new DelegatoGriglia(*this)) {
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setItemDelegate(delegato_);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* voce, int colonna) {
        if (riempimento_ || colonna != ColonnaValore || Tipo(*voce) != TipoVoce::Booleano) return;
        Notifica([&] {
            if (CambioValore) CambioValore(*voce);
        });
    });
}

void GrigliaProprieta::Notifica(const std::function<void()>& notifica) {
    ++notifiche_;
    notifica();
    --notifiche_;
    if (notifiche_ == 0 && ricostruzioneInAttesa_) {
        QTimer::singleShot(0, this, [this] {
            if (!ricostruzioneInAttesa_ || InNotifica()) return;
            auto riempi = std::move(ricostruzioneInAttesa_);
            ricostruzioneInAttesa_ = nullptr;
            Ricostruisci(std::move(riempi));
        });
    }
}

void GrigliaProprieta::Ricostruisci(std::function<void()> riempi) {
    if (InNotifica()) {
        ricostruzioneInAttesa_ = std::move(riempi);
        return;
    }
    Svuota();
    riempimento_ = true;
    if (riempi) riempi();
    riempimento_ = false;
}

void GrigliaProprieta::Svuota() {
    clear();
    scelte_.clear();
}

void GrigliaProprieta::ImpostaDivisore(double frazione) {
    divisore_ = frazione;
    setColumnWidth(0, static_cast<int>(viewport()->width() * divisore_));
}

void GrigliaProprieta::resizeEvent(QResizeEvent* evento) {
    QTreeWidget::resizeEvent(evento);
    setColumnWidth(0, static_cast<int>(viewport()->width() * divisore_));
}

QTreeWidgetItem* GrigliaProprieta::AggiungiCategoria(const QString& titolo) {
    auto* categoria = new QTreeWidgetItem(this, {titolo});
    categoria->setFirstColumnSpanned(true);
    QFont font = categoria->font(0);
    font.setBold(true);
    categoria->setFont(0, font);
    categoria->setFlags(Qt::ItemIsEnabled);
    categoria->setExpanded(true);
    return categoria;
}

QTreeWidgetItem* GrigliaProprieta::AggiungiVoce(QTreeWidgetItem* categoria, TipoVoce tipo,
                                                const QString& didascalia, const QString& valore,
                                                int id) {
    const bool riempiva = riempimento_;
    riempimento_ = true;
    auto* voce = new QTreeWidgetItem(categoria, {didascalia});
    voce->setData(0, RuoloId, id);
    voce->setData(0, RuoloTipo, static_cast<int>(tipo));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (tipo == TipoVoce::Booleano) {
        flags |= Qt::ItemIsUserCheckable;
        voce->setFlags(flags);
        const bool vero = valore != "0" && !valore.isEmpty() && valore.compare("false", Qt::CaseInsensitive) != 0;
        voce->setCheckState(ColonnaValore, vero ? Qt::Checked : Qt::Unchecked);
    } else {
        voce->setFlags(flags | Qt::ItemIsEditable);
        voce->setText(ColonnaValore, valore);
        if (tipo == TipoVoce::Lista) voce->setData(ColonnaValore, RuoloNumero, valore.toInt());
    }
    riempimento_ = riempiva;
    return voce;
}

void GrigliaProprieta::AggiungiScelta(QTreeWidgetItem* voce, const QString& testo, int numero) {
    scelte_[voce].push_back({testo, numero});
    if (voce->data(ColonnaValore, RuoloNumero).toInt() == numero) voce->setText(ColonnaValore, testo);
}

void GrigliaProprieta::SelezionaScelta(QTreeWidgetItem* voce, int numero) {
    voce->setData(ColonnaValore, RuoloNumero, numero);
    for (const Scelta& s : Scelte(*voce))
        if (s.Numero == numero) voce->setText(ColonnaValore, s.Testo);
}

int GrigliaProprieta::Id(const QTreeWidgetItem& voce) { return voce.data(0, RuoloId).toInt(); }

TipoVoce GrigliaProprieta::Tipo(const QTreeWidgetItem& voce) {
    return static_cast<TipoVoce>(voce.data(0, RuoloTipo).toInt());
}

QString GrigliaProprieta::Valore(const QTreeWidgetItem& voce) {
    switch (Tipo(voce)) {
        case TipoVoce::Booleano:
            return voce.checkState(ColonnaValore) == Qt::Checked ? "1" : "0";
        case TipoVoce::Lista:
            return QString::number(voce.data(ColonnaValore, RuoloNumero).toInt());
        case TipoVoce::Testo:
            break;
    }
    return voce.text(ColonnaValore);
}

QTreeWidgetItem* GrigliaProprieta::VoceConId(int id) const {
    for (int c = 0; c < topLevelItemCount(); ++c) {
        QTreeWidgetItem* categoria = topLevelItem(c);
        for (int i = 0; i < categoria->childCount(); ++i)
            if (Id(*categoria->child(i)) == id) return categoria->child(i);
    }
    return nullptr;
}

const std::vector<GrigliaProprieta::Scelta>& GrigliaProprieta::Scelte(const QTreeWidgetItem& voce) const {
    static const std::vector<Scelta> nessuna;
    const auto trovate = scelte_.find(&voce);
    return trovate == scelte_.end() ? nessuna : trovate->second;
}
