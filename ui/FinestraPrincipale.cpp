#include "ui/FinestraPrincipale.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>

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

QString Testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FinestraPrincipale::FinestraPrincipale(QWidget* parent) : QMainWindow(parent) {
    resize(1200, 800);
}

void FinestraPrincipale::Messaggio(const std::string& testo, const std::string& titolo,
                                   IconaMessaggio icona) {
    QMessageBox box(IconaQt(icona), Testo(titolo), Testo(testo), QMessageBox::Ok, this);
    box.exec();
}

bool FinestraPrincipale::Domanda(const std::string& testo, const std::string& titolo,
                                 IconaMessaggio icona) {
    QMessageBox box(IconaQt(icona), Testo(titolo), Testo(testo),
                    QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}

// The face selector and its label arrive with the side column of the window.
void FinestraPrincipale::SelezionaLatoMeno() {}
void FinestraPrincipale::MostraPulsantiLato(bool) {}
void FinestraPrincipale::MostraEtichettaMagliaUnica(bool) {}

void FinestraPrincipale::ImpostaTitolo(const std::string& titolo) { setWindowTitle(Testo(titolo)); }

void FinestraPrincipale::CursoreAttesa(bool attesa) {
    if (attesa)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// Until the canvas arrives the lines go to the status bar; the redraw after
// the load clears them.
void FinestraPrincipale::MostraCaricamento(const std::vector<std::string>& righe) {
    QStringList testi;
    for (const std::string& riga : righe) testi << Testo(riga);
    statusBar()->showMessage(testi.join(' '));
    statusBar()->repaint();
}

std::optional<std::string> FinestraPrincipale::ScegliFileDaAprire(const std::string& titolo,
                                                                  const std::string& filtro) {
    const QString scelto = QFileDialog::getOpenFileName(this, Testo(titolo), {}, Testo(filtro));
    if (scelto.isEmpty()) return std::nullopt;
    return scelto.toStdString();
}

std::optional<std::string> FinestraPrincipale::ScegliFileDaSalvare(const std::string& titolo,
                                                                   const std::string& filtro,
                                                                   const std::string& nomeProposto) {
    const QString scelto =
        QFileDialog::getSaveFileName(this, Testo(titolo), Testo(nomeProposto), Testo(filtro));
    if (scelto.isEmpty()) return std::nullopt;
    return scelto.toStdString();
}

// The property grid arrives with the side column of the window.
void FinestraPrincipale::PanelDiffusa() {}

void FinestraPrincipale::AggiornaDopoModifica() {
    statusBar()->clearMessage();
    update();
}

// The legend box and its range frame are not laid out in the window yet.
void FinestraPrincipale::MostraRiquadroScala(bool) {}
