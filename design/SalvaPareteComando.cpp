#include "design/SalvaPareteComando.h"

#include "design/SalvaConNome.h"
#include "design/SalvaParete.h"
#include "model/FileIntero.h"
#include "model/Finestra.h"
#include "model/RecentiMemoria.h"
#include "model/Sessione.h"
#include "model/Testo.h"

Esito ComandoSalva(Sessione& sessione, InterfacciaFinestra& finestra) {
    const std::string file = sessione.parete.FileCorrente;
    if (file.empty() || UgualiSenzaMaiuscole(file, "Anonimo")) return SalvaConNome(sessione, finestra);
    if (FileScomparso(file)) {
        if (!finestra.Domanda("Il file della parete " + file +
                                  " non esiste più: può essere stato spostato, rinominato o "
                                  "cancellato.\nVuoi salvare la parete con un altro nome?",
                              "Attenzione!", IconaMessaggio::Nessuna))
            return Esito::Errore("Salvataggio annullato.", CodiceSalvataggio::Rinuncia);
        return SalvaConNome(sessione, finestra);
    }
    Esito salvata = SalvaParete(sessione, file, finestra);
    if (!salvata.Riuscito()) return salvata;
    // A list that cannot be written has been told; the wall is saved all the same.
    (void)SalvaMemoria(sessione, finestra);
    return Esito::Ok();
}
