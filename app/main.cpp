#include "model/Sessione.h"
#include "model/RigaComando.h"
#include "model/Titolo.h"
#include "ui/FinestraPrincipale.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);

    Sessione sessione;
    // The command line is one path, possibly quoted and with blanks inside.
    std::string rigaComando;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) rigaComando += ' ';
        rigaComando += argv[i];
    }
    sessione.parete.FileCorrente = FiltraApici(rigaComando);

    FinestraPrincipale finestra;
    AggiornaTitolo(sessione.parete.FileCorrente, finestra);
    finestra.show();
    return applicazione.exec();
}
