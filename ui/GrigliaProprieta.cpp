#include "ui/GrigliaProprieta.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <cmath>

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
    // The two columns share the width exactly (DimensionaColonne).
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* voce, int colonna) {
        if (riempimento_ || colonna != ColonnaValore || Tipo(*voce) != TipoVoce::Booleano) return;
        Notifica([&] {
            if (CambioValore) CambioValore(*voce);
        });
    });
}

void GrigliaProprieta::Notifica(const std::function<void()>& notifica) {
    contenuto_.reset();  // an edit may leave a value the fill would not give
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
    DimensionaColonne();
}

void GrigliaProprieta::RicostruisciSeCambia(std::string contenuto, std::function<void()> riempi) {
    if (contenuto_ == contenuto && !ricostruzioneInAttesa_) return;
    Ricostruisci([this, contenuto = std::move(contenuto), riempi = std::move(riempi)] {
        if (riempi) riempi();
        contenuto_ = contenuto;
    });
}

void GrigliaProprieta::Svuota() {
    contenuto_.reset();
    clear();
    scelte_.clear();
}

void GrigliaProprieta::ImpostaDivisore(double frazione) {
    divisore_ = frazione;
    DimensionaColonne();
}

void GrigliaProprieta::resizeEvent(QResizeEvent* evento) {
    QTreeWidget::resizeEvent(evento);
    DimensionaColonne();
}

bool GrigliaProprieta::viewportEvent(QEvent* evento) {
    const bool gestito = QTreeWidget::viewportEvent(evento);
    // A scroll bar that comes or goes resizes the viewport alone.
    if (evento->type() == QEvent::Resize) DimensionaColonne();
    return gestito;
}

void GrigliaProprieta::DimensionaColonne() {
    const int larghezza = viewport()->width();
    const int alDivisore = static_cast<int>(larghezza * divisore_);
    // The divider's place while both columns fit; the captions first when they do not.
    const int didascalie =
        std::max(LarghezzaDidascalie(), std::min(alDivisore, larghezza - LarghezzaValori()));
    setColumnWidth(0, didascalie);
    setColumnWidth(1, std::max(0, larghezza - didascalie));
}

int GrigliaProprieta::LarghezzaDidascalie() const {
    QStyleOptionViewItem opzione;
    initViewItemOption(&opzione);
    int massima = 0;
    for (int c = 0; c < topLevelItemCount(); ++c) {
        const QTreeWidgetItem* categoria = topLevelItem(c);
        for (int i = 0; i < categoria->childCount(); ++i) {
            const QModelIndex indice = indexFromItem(categoria->child(i), 0);
            massima = std::max(massima, itemDelegateForIndex(indice)->sizeHint(opzione, indice).width());
        }
    }
    // The items stand one level under their category.
    return massima + indentation() * (rootIsDecorated() ? 2 : 1);
}

int GrigliaProprieta::LarghezzaValori() const {
    QStyleOptionViewItem opzione;
    initViewItemOption(&opzione);
    const int margine = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    // Room for a number as long as the dialogs take.
    int massima = fontMetrics().horizontalAdvance(QStringLiteral(" -00000.0")) + 2 * margine;
    for (int c = 0; c < topLevelItemCount(); ++c) {
        const QTreeWidgetItem* categoria = topLevelItem(c);
        for (int i = 0; i < categoria->childCount(); ++i) {
            const QModelIndex indice = indexFromItem(categoria->child(i), ColonnaValore);
            int larghezza = itemDelegateForIndex(indice)->sizeHint(opzione, indice).width();
            // A list opens as a drop-down with its arrow.
            if (Tipo(*categoria->child(i)) == TipoVoce::Lista)
                larghezza += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
            massima = std::max(massima, larghezza);
        }
    }
    return massima;
}

int GrigliaProprieta::LarghezzaIntera() const {
    // The vertical scroll bar is counted whether it shows or not.
    return LarghezzaDidascalie() + LarghezzaValori() + 2 * frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void AllargaPerGriglia(QWidget& finestra, GrigliaProprieta& griglia) {
    const int manca = griglia.LarghezzaIntera() - griglia.width();
    if (manca <= 0 || griglia.parentWidget() != &finestra) return;
    const int sinistra = griglia.x();
    const int destra = griglia.x() + griglia.width();
    const double fattore = static_cast<double>(griglia.width() + manca) / griglia.width();
    const auto scala = [&](int x) { return sinistra + static_cast<int>(std::lround((x - sinistra) * fattore)); };
    for (QWidget* w : finestra.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow()) continue;
        const QRect r = w->geometry();
        const int fine = r.x() + r.width();
        if (r.x() >= sinistra && fine <= destra) {
            // What stands in the grid's column widens with it, in proportion.
            const int x = scala(r.x());
            w->setGeometry(x, r.y(), scala(fine) - x, r.height());
        } else if (r.x() >= destra) {
            w->move(r.x() + manca, r.y());
        }
    }
    finestra.setFixedWidth(finestra.width() + manca);
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
    voce->setToolTip(0, didascalia);
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
