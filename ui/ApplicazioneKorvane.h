#pragma once

#include <QApplication>

class InterfacciaFinestra;

// The program's application object. Qt ends the program when an exception
// leaves an event handler or a slot; every event, and with it every slot a
// widget's event calls, passes through notify. So an exception that no
// boundary of the core stopped is caught here as the last line: it is told
// through the main window and its event is dropped, and the program goes on.
class ApplicazioneKorvane : public QApplication {
public:
    ApplicazioneKorvane(int& argc, char** argv);

    bool notify(QObject* destinatario, QEvent* evento) override;

    // The application running, when it is this program's.
    static ApplicazioneKorvane* Corrente();

    // The window that tells a fault (the main window, once made); with none,
    // the standard error tells it.
    void ImpostaFinestra(InterfacciaFinestra* finestra) { finestra_ = finestra; }
    InterfacciaFinestra* Finestra() const { return finestra_; }

private:
    InterfacciaFinestra* finestra_ = nullptr;
    // A fault met while one is being told is not told again.
    bool segnalando_ = false;
};
