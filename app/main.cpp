#include "model/Protezione.h"
#include "model/Sessione.h"
#include "ui/ApplicazioneKorvane.h"
#include "ui/FinestraPrincipale.h"

int main(int argc, char* argv[]) {
    ApplicazioneKorvane applicazione(argc, argv);

    // The command line is one path, possibly quoted and with blanks inside.
    std::string rigaComando;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) rigaComando += ' ';
        rigaComando += argv[i];
    }

    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    // A wall refused at start-up has been told: the program ends there. The
    // start-up runs before any event: a fault in it is told here, and ends it.
    Esito avvio;
    const Esito interrotto = Protetto([&] { avvio = finestra.Form_Load(rigaComando); });
    if (!interrotto.Riuscito()) return SegnalaInterruzione(finestra, "Errore all'avvio.", interrotto).Codice;
    if (!avvio.Riuscito()) return avvio.Codice;
    finestra.show();
    return applicazione.exec();
}
