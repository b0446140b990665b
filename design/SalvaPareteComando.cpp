#include "design/SalvaPareteComando.h"

#include "design/SalvaConNome.h"
#include "design/SalvaParete.h"
#include "model/RecentiMemoria.h"
#include "model/Sessione.h"
#include "model/Testo.h"

Esito ComandoSalva(Sessione& sessione, InterfacciaFinestra& finestra) {
    const std::string file = sessione.parete.FileCorrente;
    if (file.empty() || UgualiSenzaMaiuscole(file, "Anonimo")) return SalvaConNome(sessione, finestra);
    Esito salvata = SalvaParete(sessione, file, finestra);
    if (!salvata.Riuscito()) return salvata;
    // A list that cannot be written has been told; the wall is saved all the same.
    (void)SalvaMemoria(sessione, finestra);
    return Esito::Ok();
}
