#include "model/ResetImpostazioni.h"

#include "model/FileIni.h"
#include "model/Finestra.h"
#include "model/Impostazioni.h"

#include <filesystem>
#include <system_error>

Esito ResetImpostazioni(Impostazioni& imp, InterfacciaFinestra& finestra) {
    ImpostaColoriVideo(imp);
    ValoriDefault(imp);
    const std::filesystem::path percorso = PercorsoIni(imp);
    std::error_code errore;
    const bool esiste = std::filesystem::exists(std::filesystem::symlink_status(percorso, errore));
    if (!esiste) return Esito::Ok();
    std::filesystem::remove(percorso, errore);
    if (!errore) return Esito::Ok();
    const std::string motivo =
        "Impossibile eliminare il file delle impostazioni:\n" + percorso.string();
    finestra.Messaggio(motivo, "Attenzione!", IconaMessaggio::Esclamazione);
    return Esito::ErroreDiSistema(errore, motivo);
}
