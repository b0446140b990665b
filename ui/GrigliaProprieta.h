#pragma once

#include <QString>
#include <QTreeWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class DelegatoGriglia;

// Kind of a grid item.
enum class TipoVoce { Testo = 0, Booleano = 2, Lista = 8 };

// A property grid ("PropertyGrid1"): categories of captioned items, each with
// a fixed numeric id; text, boolean and list items. Notifications:
// - Validazione, before an edited text is committed: the handler may replace
//   the text, and the text it leaves is what the grid commits (a refusal
//   hands the item's current value back);
// - CambioValore, after a list or boolean item changed.
// A window plugs it in by setting the two handlers and filling it through
// Ricostruisci.
class GrigliaProprieta : public QTreeWidget {
    Q_OBJECT
public:
    struct Scelta {
        QString Testo;
        int Numero = 0;
    };

    std::function<void(QTreeWidgetItem& voce, QString& testo)> Validazione;
    std::function<void(QTreeWidgetItem& voce)> CambioValore;
    // A committed text equal to the one shown still goes to Validazione (the
    // distributed grid runs its edit again); other grids skip it.
    bool ValidaTestoInvariato = false;

    explicit GrigliaProprieta(QWidget* parent = nullptr);

    // Empties the grid and fills it again with riempi. Asked for while a
    // notification runs (whose item would go away under it), it runs after
    // the edit has been committed and closed.
    void Ricostruisci(std::function<void()> riempi);
    // As Ricostruisci, but nothing happens while the grid still shows what
    // the last fill of the same contenuto made (no other fill and no edit
    // since): rebuilding the same items would only lay the view out and
    // paint it again, a frame later than the change that asked.
    void RicostruisciSeCambia(std::string contenuto, std::function<void()> riempi);

    // The divider between captions and values, as a fraction of the width.
    // The captions' column never gets less than its widest caption needs.
    void ImpostaDivisore(double frazione);

    QTreeWidgetItem* AggiungiCategoria(const QString& titolo);
    QTreeWidgetItem* AggiungiVoce(QTreeWidgetItem* categoria, TipoVoce tipo,
                                  const QString& didascalia, const QString& valore, int id);
    // An entry of a list item; the item's value is the number of its selected entry.
    void AggiungiScelta(QTreeWidgetItem* voce, const QString& testo, int numero);
    void SelezionaScelta(QTreeWidgetItem* voce, int numero);

    [[nodiscard]] static int Id(const QTreeWidgetItem& voce);
    [[nodiscard]] static TipoVoce Tipo(const QTreeWidgetItem& voce);
    // A text item's value as typed; a boolean item's "1" or "0"; a list
    // item's selected number.
    [[nodiscard]] static QString Valore(const QTreeWidgetItem& voce);
    [[nodiscard]] QTreeWidgetItem* VoceConId(int id) const;
    [[nodiscard]] const std::vector<Scelta>& Scelte(const QTreeWidgetItem& voce) const;

    [[nodiscard]] bool InNotifica() const { return notifiche_ > 0; }

    // The width (pixels) of the grid, frame and scroll bar included, that
    // shows every caption and every value whole.
    [[nodiscard]] int LarghezzaIntera() const;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    bool viewportEvent(QEvent* evento) override;

private:
    friend class DelegatoGriglia;
    // Runs a notification; a rebuild asked for inside it waits for the event loop.
    void Notifica(const std::function<void()>& notifica);
    void Svuota();
    // The captions' column at the divider, widened to the widest caption.
    void DimensionaColonne();
    // What the widest caption needs with its indentation, and the widest value.
    [[nodiscard]] int LarghezzaDidascalie() const;
    [[nodiscard]] int LarghezzaValori() const;

    DelegatoGriglia* delegato_;
    std::map<const QTreeWidgetItem*, std::vector<Scelta>> scelte_;
    std::function<void()> ricostruzioneInAttesa_;
    std::optional<std::string> contenuto_;  // what RicostruisciSeCambia shows, while it does
    double divisore_ = 0.5;
    int notifiche_ = 0;
    bool riempimento_ = false;
};

// Widens the fixed-size window finestra, the grid and what stands in the
// grid's column (same left edge and width), so that the grid shows every
// caption and value whole; widgets right of the grid move along. Never narrows.
void AllargaPerGriglia(QWidget& finestra, GrigliaProprieta& griglia);
