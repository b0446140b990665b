#pragma once

// What the window tests share: one application object, a profile folder of
// their own, and a script that answers the window's dialogs.

#include "Fixture.h"
#include "ui/ApplicazioneKorvane.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

// The program's application, made once, with the user profile and the
// per-user store in a temporary folder, so no test reads or writes the
// user's own.
inline QApplication& ApplicazioneDiProva() {
    static CartellaTemporanea profilo;
    static QApplication* applicazione = [] {
        setenv("XDG_CONFIG_HOME", profilo.Percorso().c_str(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(profilo.Percorso().string()));
        static int argc = 1;
        static char nome[] = "test";
        static char* argv[] = {nome, nullptr};
        return new ApplicazioneKorvane(argc, argv);
    }();
    return *applicazione;
}

// One dialog as the user would have seen it.
struct DialogoVisto {
    std::string Titolo;
    std::string Testo;  // the text of a box; empty for other dialogs
};

// Answers the dialogs in order: a box gets the next button of Pulsanti
// (QMessageBox::Ok when none is left), a file dialog the next path of File
// (an empty path, or none left, cancels it).
struct CopioneDialoghi {
    std::deque<QMessageBox::StandardButton> Pulsanti;
    std::deque<std::string> File;
    std::vector<DialogoVisto> Visti;

    int operator()(QDialog& dialogo) {
        DialogoVisto visto{dialogo.windowTitle().toStdString(), {}};
        if (auto* box = qobject_cast<QMessageBox*>(&dialogo)) {
            visto.Testo = box->text().toStdString();
            Visti.push_back(visto);
            if (Pulsanti.empty()) return QMessageBox::Ok;
            const QMessageBox::StandardButton risposta = Pulsanti.front();
            Pulsanti.pop_front();
            return risposta;
        }
        Visti.push_back(visto);
        if (auto* file = qobject_cast<QFileDialog*>(&dialogo)) {
            if (File.empty()) return QDialog::Rejected;
            const std::string scelto = File.front();
            File.pop_front();
            if (scelto.empty()) return QDialog::Rejected;
            file->selectFile(QString::fromStdString(scelto));
            return QDialog::Accepted;
        }
        return QDialog::Accepted;
    }
};
