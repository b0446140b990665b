#include "export/EsportaDxf.h"

#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "design/Ridisegna.h"
#include "export/CorniceDxf.h"
#include "export/FinestraLotto.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "export/NomiLayerDxf.h"
#include "export/SezioniDxfProgramma.h"
#include "model/Sessione.h"

#include <memory>
#include <system_error>

namespace {

constexpr int VistaTavola = 5;
constexpr float DistanzaPareti = 200.0f;  // cm between one sheet and the next

void Avanza(const AvanzamentoDxf& avanzamento, int percento) {
    if (avanzamento) avanzamento(percento);
}

bool CartellaNegata(const std::error_code& errore) {
    return errore == std::errc::permission_denied ||
           errore == std::errc::operation_not_permitted ||
           errore == std::errc::read_only_file_system;
}

}  // namespace

int NewFileDXF(std::span<const std::string> percorsi, const Impostazioni& imp, StatoDxf& stato,
               FlussoDxf& flusso, InterfacciaFinestra& finestra,
               const AvanzamentoDxf& avanzamento) {
    // Only the reader's messages reach the window: the open wall's face
    // buttons, label and title stay as they are.
    FinestraLotto soloMessaggi(finestra);
    stato.OffsetXDxf = 0.0f;
    int disegnate = 0;
    const int numero = static_cast<int>(percorsi.size());
    for (int i = 0; i < numero; ++i) {
        auto sessione = std::make_unique<Sessione>();
        sessione->imp = imp;
        if (LeggiParete(*sessione, percorsi[i], soloMessaggi).Riuscito()) {
            CodaGeometria(sessione->parete, sessione->stato);
            CodaArmatura(sessione->parete, sessione->imp);
            sessione->stato.VistaCorrente = VistaTavola;
            Ridisegna(*sessione, DestinazioneDxf{flusso, stato});
            stato.OffsetXDxf += sessione->parete.LarghezzaFoglio + DistanzaPareti;
            ++disegnate;
        }
        Avanza(avanzamento, static_cast<int>((i + 1) * 100.0 / (numero + 1)));
    }
    return disegnate;
}

std::string MessaggioScritturaDxf(const std::filesystem::path& fileDxf, const Esito& esito) {
    if (CartellaNegata(esito.ErroreSistema)) return std::string(MessaggioCartellaNegata);
    std::string motivo = esito.ErroreSistema ? esito.ErroreSistema.message() : esito.Motivo;
    if (motivo.empty()) motivo = esito.Motivo;
    return "Errore nella scrittura del file:\n" + fileDxf.string() + ": " + motivo + "\n" +
           std::string(OperazioneAnnullata);
}

Esito EsportaDxf(std::span<const std::string> percorsi, const std::filesystem::path& fileDxf,
                 Impostazioni& imp, bool r12, InterfacciaFinestra& finestra,
                 const AvanzamentoDxf& avanzamento) {
    Avanza(avanzamento, 0);
    DerivaLayerSuperiore(imp);
    if (percorsi.empty()) return Esito::Errore(std::string(MessaggioNessunFileDxf));
    // A settings file may hold names a DXF file cannot: refuse before any work.
    if (const auto nome = LayerNonValido(imp))
        return Esito::Errore(MessaggioLayerNonValido(*nome) + "\n" + std::string(OperazioneAnnullata));

    StatoDxf stato;
    stato.DxfR12 = r12 ? 1 : 0;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    if (NewFileDXF(percorsi, imp, stato, flusso, finestra, avanzamento) == 0) {
        Avanza(avanzamento, 0);
        return Esito::Errore(std::string(MessaggioNessunaParete));
    }

    Esito scritto = Esito::Ok();
    if (r12) {
        scritto = ScriviFileDxfR12(fileDxf, file, imp);
    } else {
        SezioniDxfProgramma sezioni(imp);
        scritto = ScriviFileDxfR2000(fileDxf, file, handle, sezioni);
    }
    if (!scritto.Riuscito()) {
        Avanza(avanzamento, 0);
        return Esito::ErroreDiSistema(scritto.ErroreSistema, MessaggioScritturaDxf(fileDxf, scritto));
    }
    Avanza(avanzamento, 100);
    return Esito::Ok();
}
