#include "model/Sessione.h"
#include "ui/FinestraPrincipale.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);

    // The command line is one path, possibly quoted and with blanks inside.
    std::string rigaComando;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) rigaComando += ' ';
        rigaComando += argv[i];
    }

    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    // A wall refused at start-up has been told: the program ends there.
    const Esito avvio = finestra.Form_Load(rigaComando);
    if (!avvio.Riuscito()) return avvio.Codice;
    finestra.show();
    return applicazione.exec();
}
