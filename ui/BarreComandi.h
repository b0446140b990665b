#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

// Kinds of command-bar control.
enum class TipoControllo { Pulsante, Popup, PulsanteDiviso };

class BarraComandi;

// One control of a command bar, known by its id. It is a QAction of the bar
// that holds it; a popup and a split button carry a bar of their own. A
// control that begins a group has a separator before it.
class ControlloComando {
public:
    ControlloComando(TipoControllo tipo, int id, QAction* azione, QAction* separatore,
                     BarraComandi* popup);

    int Id() const { return id_; }
    TipoControllo Tipo() const { return tipo_; }
    QString Titolo() const;
    void ImpostaTitolo(const QString& titolo);
    QString Parametro() const { return parametro_; }
    void ImpostaParametro(const QString& parametro) { parametro_ = parametro; }
    bool Visibile() const;
    void ImpostaVisibile(bool visibile);
    bool Abilitato() const;
    void ImpostaAbilitato(bool abilitato);
    bool Selezionato() const;
    void ImpostaSelezionato(bool selezionato);
    bool InizioGruppo() const { return inizioGruppo_; }
    void ImpostaInizioGruppo(bool inizio);
    bool HaIcona() const;
    void ImpostaIcona(const QIcon& icona);

    // The popup's own bar; null for a plain button.
    BarraComandi* Popup() const { return popup_; }
    QAction* Azione() const { return azione_; }

private:
    void AggiornaSeparatore();

    TipoControllo tipo_;
    int id_;
    QAction* azione_;
    QAction* separatore_;  // null when the bar shows no separators of its own
    BarraComandi* popup_;
    QString parametro_;
    bool inizioGruppo_ = false;
};

class BarreComandi;

// A menu bar, a toolbar or a popup, with its controls in order.
class BarraComandi {
public:
    BarraComandi(BarreComandi& barre, QWidget* widget);

    ControlloComando& Aggiungi(TipoControllo tipo, int id, const QString& titolo);
    const std::vector<ControlloComando*>& Controlli() const { return controlli_; }
    QWidget* Widget() const { return widget_; }
    // 16 or 24: the size of the icons this bar shows.
    void ImpostaDimensioneIcone(int lato);
    int DimensioneIcone() const { return latoIcone_; }

private:
    BarreComandi& barre_;
    QWidget* widget_;
    std::vector<ControlloComando*> controlli_;
    int latoIcone_ = 16;
};

// The command bars of a main window: the menu bar, toolbars and popups, an
// image list whose tags are control ids, and the two notifications: execute
// (a visible, enabled control was chosen) and update (the current enabled
// and checked state of one control is wanted). The update pass is coalesced:
// any number of requests within one turn of the event loop run one pass.
// Requests come after each command, after mouse, key and wheel events in
// the window, when the window is active again after a dialog, and a menu
// runs the pass before it opens.
class BarreComandi : public QObject {
    Q_OBJECT
public:
    explicit BarreComandi(QMainWindow* finestra);
    ~BarreComandi() override;

    BarraComandi& MenuPrincipale() { return *menuPrincipale_; }
    BarraComandi& AggiungiBarra(const QString& nome, int latoIcone);
    QToolBar* BarraStrumenti(const QString& nome) const;

    // Every control with this id (a command may sit in the menu and in a toolbar).
    std::vector<ControlloComando*> Trova(int id) const;
    const std::vector<std::unique_ptr<ControlloComando>>& Tutti() const { return controlli_; }

    // Every control whose id equals a tag shows that image.
    void ImpostaListaImmagini(const std::map<int, QIcon>& immagini);

    std::function<void(const ControlloComando&)> Esecuzione;
    std::function<void(ControlloComando&)> Aggiornamento;
    // Runs after every update pass.
    std::function<void()> FinePassaggio;

    // Asks for one update pass at the next turn of the event loop.
    void RichiediAggiornamento();
    // One update pass now, over every control.
    void AggiornaTutti();
    // The pass asked for, now rather than after the next paint; nothing
    // when none is pending.
    void ServiAggiornamento();

    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    friend class BarraComandi;
    ControlloComando& Registra(std::unique_ptr<ControlloComando> controllo);
    void Esegui(ControlloComando& controllo);
    void CollegaMenu(QMenu* menu);

    QMainWindow* finestra_;
    std::unique_ptr<BarraComandi> menuPrincipale_;
    std::vector<std::unique_ptr<BarraComandi>> barre_;
    std::vector<std::unique_ptr<ControlloComando>> controlli_;
    QTimer timer_;
};
