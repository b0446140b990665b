#include "ui/ApplicazioneKorvane.h"

#include "model/Protezione.h"

#include <iostream>

ApplicazioneKorvane::ApplicazioneKorvane(int& argc, char** argv) : QApplication(argc, argv) {}

ApplicazioneKorvane* ApplicazioneKorvane::Corrente() {
    return dynamic_cast<ApplicazioneKorvane*>(QCoreApplication::instance());
}

bool ApplicazioneKorvane::notify(QObject* destinatario, QEvent* evento) {
    bool gestito = false;
    const Esito interrotto =
        Protetto([&] { gestito = QApplication::notify(destinatario, evento); });
    if (interrotto.Riuscito()) return gestito;
    if (finestra_ == nullptr || segnalando_) {
        std::cerr << "Errore imprevisto. " << interrotto.Motivo << '\n';
        return false;
    }
    segnalando_ = true;
    const Esito segnalato = Protetto(
        [&] { (void)SegnalaInterruzione(*finestra_, "Errore imprevisto.", interrotto); });
    segnalando_ = false;
    if (!segnalato.Riuscito()) std::cerr << "Errore imprevisto. " << interrotto.Motivo << '\n';
    return false;
}
