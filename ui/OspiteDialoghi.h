#pragma once

#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

enum class IconaMessaggio;
enum class Risposta;

// Every message box, question, file dialog and modal dialog of the window is
// run here. A test installs a script that answers in place of the user, so no
// dialog ever waits in exec(): the script gets the dialog as it would have
// been shown (title, text, buttons, file filter) and gives its result code.
class OspiteDialoghi {
public:
    using Copione = std::function<int(QDialog&)>;

    // Answers every following dialog through the script; an empty script
    // gives the dialogs back to the user.
    void ImpostaCopione(Copione copione) { copione_ = std::move(copione); }

    // Runs a modal dialog and gives its result code.
    int Esegui(QDialog& dialogo);

    // A box with the one button "OK".
    void Messaggio(QWidget* padre, const QString& testo, const QString& titolo,
                   IconaMessaggio icona);
    // A box with "Sì" and "No"; true for "Sì".
    bool Domanda(QWidget* padre, const QString& testo, const QString& titolo,
                 IconaMessaggio icona);
    // A box with "Sì", "No" and "Annulla"; Esc and the close box are "Annulla".
    Risposta DomandaAnnullabile(QWidget* padre, const QString& testo, const QString& titolo,
                                IconaMessaggio icona);

    // Wall-file dialogs: the filter matches the extension in any letter case.
    // No value when cancelled.
    std::optional<QString> FileDaAprire(QWidget* padre, const QString& titolo,
                                        const QString& filtro);
    std::optional<QString> FileDaSalvare(QWidget* padre, const QString& titolo,
                                         const QString& filtro, const QString& nomeProposto);

private:
    std::optional<QString> SceltaFile(QWidget* padre, const QString& titolo,
                                      const QString& filtro, const QString& nomeProposto,
                                      bool salva);

    Copione copione_;
};
