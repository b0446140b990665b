#include "ui/OspiteDialoghi.h"

#include "model/Finestra.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconaQt(IconaMessaggio icona) {
    switch (icona) {
        case IconaMessaggio::Esclamazione: return QMessageBox::Warning;
        case IconaMessaggio::Domanda: return QMessageBox::Question;
        case IconaMessaggio::Informazione: return QMessageBox::Information;
        case IconaMessaggio::Critica: return QMessageBox::Critical;
        case IconaMessaggio::Nessuna: break;
    }
    return QMessageBox::NoIcon;
}

// "File dati (*.SET)" also lists "parete.set": every letter of a pattern
// becomes a class of both cases, since the dialog's own option is not
// honoured by every platform dialog.
QString FiltroSenzaMaiuscole(const QString& filtro) {
    const qsizetype apre = filtro.indexOf('(');
    const qsizetype chiude = filtro.lastIndexOf(')');
    if (apre < 0 || chiude < apre) return filtro;
    QString schemi;
    for (const QChar c : filtro.mid(apre + 1, chiude - apre - 1)) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            schemi += QStringLiteral("[%1%2]").arg(c.toUpper(), c.toLower());
        else
            schemi += c;
    }
    return filtro.left(apre + 1) + schemi + filtro.mid(chiude);
}

}  // namespace

int OspiteDialoghi::Esegui(QDialog& dialogo) {
    if (copione_) return copione_(dialogo);
    return dialogo.exec();
}

void OspiteDialoghi::Messaggio(QWidget* padre, const QString& testo, const QString& titolo,
                               IconaMessaggio icona) {
    QMessageBox box(IconaQt(icona), titolo, testo, QMessageBox::Ok, padre);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    Esegui(box);
}

bool OspiteDialoghi::Domanda(QWidget* padre, const QString& testo, const QString& titolo,
                             IconaMessaggio icona) {
    QMessageBox box(IconaQt(icona), titolo, testo, QMessageBox::Yes | QMessageBox::No, padre);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    return Esegui(box) == QMessageBox::Yes;
}

Risposta OspiteDialoghi::DomandaAnnullabile(QWidget* padre, const QString& testo,
                                            const QString& titolo, IconaMessaggio icona) {
    QMessageBox box(IconaQt(icona), titolo, testo,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, padre);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    box.setEscapeButton(QMessageBox::Cancel);
    switch (Esegui(box)) {
        case QMessageBox::Yes: return Risposta::Si;
        case QMessageBox::No: return Risposta::No;
        default: return Risposta::Annulla;
    }
}

std::optional<QString> OspiteDialoghi::FileDaAprire(QWidget* padre, const QString& titolo,
                                                    const QString& filtro) {
    return SceltaFile(padre, titolo, filtro, {}, false);
}

std::optional<QString> OspiteDialoghi::FileDaSalvare(QWidget* padre, const QString& titolo,
                                                     const QString& filtro,
                                                     const QString& nomeProposto) {
    return SceltaFile(padre, titolo, filtro, nomeProposto, true);
}

std::optional<QString> OspiteDialoghi::SceltaFile(QWidget* padre, const QString& titolo,
                                                  const QString& filtro,
                                                  const QString& nomeProposto, bool salva) {
    QFileDialog dialogo(padre, titolo, {}, FiltroSenzaMaiuscole(filtro));
    // Our own dialog, so a script can fill it in like the user would.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);  // the core asks itself
    dialogo.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!nomeProposto.isEmpty()) dialogo.selectFile(nomeProposto);
    if (Esegui(dialogo) != QDialog::Accepted) return std::nullopt;
    const QStringList scelti = dialogo.selectedFiles();
    if (scelti.isEmpty() || scelti.front().isEmpty()) return std::nullopt;
    return scelti.front();
}
