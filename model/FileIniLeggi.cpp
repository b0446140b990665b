#include "model/FileIni.h"

#include "model/Cartelle.h"
#include "model/FileIniRighe.h"
#include "model/Finestra.h"
#include "model/LettoreSequenziale.h"
#include "model/LimitiFile.h"
#include "model/Numeri.h"
#include "model/Sessione.h"

#include <optional>

namespace {

// Colour indexes of the CAD palette; 0, which it lacks, is read as 7.
constexpr int IndiceColoreMax = 255;
constexpr int IndiceColoreNullo = 0;
constexpr int IndiceColoreSostituto = 7;
constexpr int ColoreRgbMax = 0xFFFFFF;
constexpr int StatoVistaMax = 17;
constexpr int VistaFoglio = 5;
constexpr int VistaMappa = 9999;

struct CampiLetti {
    LettoreSequenziale& file;
    int versione;

    void Nome(std::string& nome) { nome = file.LeggiRiga(); }
    void Intero(int& valore) { valore = file.LeggiIntero16(); }
    void Lungo(int& valore) { valore = file.LeggiIntero32(); }
    void Reale(float& valore, int) { valore = file.LeggiReale(); }
    void Lunghezza(float& valore, int, const char* cosa) { valore = LeggiLunghezza(file, cosa); }
    void FineRiga() {}
    bool Dalla(int v) const { return versione >= v; }
};

// Values are read into a copy, so the checks and the values derived from
// them (colour index 0, the DXF text scale, the option older files lack) come
// after the whole file; the reason of the first value out of range.
std::optional<std::string> VerificaECompleta(Impostazioni& imp, const StatoInterfaccia& stato,
                                                 int versione) {
    for (int i = 0; i < NumLayer; ++i) {
        int& indice = imp.ColoriLayer[i];
        if (indice == IndiceColoreNullo) indice = IndiceColoreSostituto;
        if (indice < 0 || indice > IndiceColoreMax) {
            return "il layer " + imp.NomiLayer[i] + " ha l'indice di colore " +
                   std::to_string(indice) + ", fuori dall'intervallo 0-255.";
        }
        if (imp.ColoriSchermo[i] < 0 || imp.ColoriSchermo[i] > ColoreRgbMax) {
            return "il layer " + imp.NomiLayer[i] + " ha il colore video " +
                   std::to_string(imp.ColoriSchermo[i]) + ", che non è un colore RGB.";
        }
    }
    if (stato.StatoVista < 0 || stato.StatoVista > StatoVistaMax) {
        return "lo stato di visualizzazione " + std::to_string(stato.StatoVista) +
               " non esiste.";
    }
    const int vista = stato.VistaCorrente;
    if ((vista < 0 || vista > VistaFoglio) && vista != VistaMappa) {
        return "la vista " + std::to_string(vista) + " non esiste.";
    }
    // ScalaDxf stays: the DXF dialog derives it again before an export.
    const float scalaDxf = imp.ScalaDxf;
    if (!RicalcolaScalaDxf(imp)) {
        return "la scala di stampa DXF (" + ArrotondaStr(imp.ScalaMm, 3) + " mm = " +
               ArrotondaStr(imp.ScalaUnita, 3) + " unità) non è valida.";
    }
    imp.ScalaDxf = scalaDxf;
    if (versione < 7) imp.IndicaLato = 0;
    return std::nullopt;
}

// The reason a file cannot be taken, or nothing when letto and statoLetto hold it whole.
// A newer file leaves them as they came.
std::optional<std::string> LeggiSopra(LettoreSequenziale& file, Impostazioni& letto,
                                      StatoInterfaccia& statoLetto) {
    const int versione = file.LeggiIntero16();
    if (file.InErrore()) return file.MotivoErrore();
    if (versione > VersioneIni) return std::nullopt;
    if (versione < 1) return "la versione " + std::to_string(versione) + " non esiste.";
    CampiLetti campi{file, versione};
    PercorriRigheIni(campi, letto, statoLetto);
    if (file.InErrore()) return file.MotivoErrore();
    return VerificaECompleta(letto, statoLetto, versione);
}

}  // namespace

Esito LeggiIni(Sessione& sessione, InterfacciaFinestra& finestra) {
    ImpostazioniDefault(sessione, finestra);
    const std::string percorso = PercorsoIni(sessione.imp).string();
    if (!EsisteFile(percorso, sessione.stato, finestra)) return Esito::Ok();

    Impostazioni letto = sessione.imp;
    StatoInterfaccia statoLetto = sessione.stato;
    std::optional<std::string> guasto = "il file non si può aprire.";
    if (auto file = LettoreSequenziale::Apri(percorso)) {
        guasto = LeggiSopra(*file, letto, statoLetto);
    }
    if (!guasto) {
        sessione.imp = std::move(letto);
        sessione.stato.StatoVista = statoLetto.StatoVista;
        sessione.stato.VistaCorrente = statoLetto.VistaCorrente;
        return Esito::Ok();
    }

    // Whatever the file holds goes back to the defaults, the screen colours
    // and the values that only this file and the dialog set too.
    ImpostaColoriVideo(sessione.imp);
    const Impostazioni avvio;
    sessione.imp.RiservaIni = avvio.RiservaIni;
    sessione.imp.DescrizioneCompleta = avvio.DescrizioneCompleta;
    sessione.imp.IndicaLato = avvio.IndicaLato;
    const std::string testo = "Il file delle impostazioni " + percorso +
                              " è danneggiato e non è stato letto:\n" + *guasto +
                              "\nSono in uso le impostazioni predefinite.";
    finestra.Messaggio(testo, "Attenzione!", IconaMessaggio::Esclamazione);
    return Esito::Errore(testo);
}
