#include "model/FileIni.h"

#include "model/FileIniRighe.h"
#include "model/Finestra.h"
#include "model/ScritturaAtomica.h"
#include "model/ScrittoreSequenziale.h"
#include "model/Sessione.h"

#include <algorithm>

namespace {

constexpr char NomeFileIni[] = "Vorlex.ini";

struct CampiScritti {
    ScrittoreSequenziale& file;

    void Nome(const std::string& nome) { file.Riga(nome); }
    void Intero(int valore) { file.Intero(valore); }
    void Lungo(int valore) { file.Intero(valore); }
    void Reale(float valore, int decimali) { file.Reale(valore, decimali); }
    void Lunghezza(float valore, int decimali, const char*) { Reale(valore, decimali); }
    void FineRiga() { file.FineRiga(); }
    // The writer always writes the current version whole.
    static bool Dalla(int) { return true; }
};

// A name is read back as one whole line: a line break inside it would shift
// every later value.
const std::string* NomeSpezzato(const Impostazioni& imp) {
    const auto nome = std::find_if(imp.NomiLayer.begin(), imp.NomiLayer.end(),
                                   [](const std::string& n) {
                                       return n.find_first_of("\r\n") != std::string::npos;
                                   });
    return nome == imp.NomiLayer.end() ? nullptr : &*nome;
}

}  // namespace

std::filesystem::path PercorsoIni(const Impostazioni& imp) {
    return std::filesystem::path(imp.CartellaUtente) / NomeFileIni;
}

std::string TestoIni(const Impostazioni& imp, const StatoInterfaccia& stato) {
    ScrittoreSequenziale file;
    file.Intero(VersioneIni);
    file.FineRiga();
    CampiScritti campi{file};
    PercorriRigheIni(campi, imp, stato);
    return file.Contenuto();
}

Esito ScriviIni(const Sessione& sessione, InterfacciaFinestra& finestra) {
    const std::filesystem::path percorso = PercorsoIni(sessione.imp);
    Esito esito = Esito::Ok();
    if (const std::string* nome = NomeSpezzato(sessione.imp)) {
        esito = Esito::Errore("Impossibile scrivere il file " + percorso.string() +
                              ".\nIl nome di layer \"" + *nome + "\" contiene un a capo.");
    } else {
        esito = ScriviFileAtomico(percorso, TestoIni(sessione.imp, sessione.stato));
    }
    if (!esito.Riuscito()) {
        finestra.Messaggio(esito.Motivo, "Attenzione!", IconaMessaggio::Esclamazione);
    }
    return esito;
}
