#include "export/Computo.h"

#include "design/ArmaturaDiffusa.h"
#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "export/ComputoDocumento.h"
#include "model/Sessione.h"

#include <memory>

std::string ComputoParete(Parete& parete, const Impostazioni& imp) {
    RicalcolaArmature(parete, imp);
    DocumentoComputo doc = IniziaComputo();
    CopuRTF(parete, doc);
    return ChiudiComputo(std::move(doc));
}

std::string ComputoPareti(std::span<const std::string> percorsi, const Impostazioni& imp,
                          InterfacciaFinestra& finestra) {
    DocumentoComputo doc = IniziaComputo();
    for (const std::string& percorso : percorsi) {
        // A session of its own: nothing of one wall reaches the next.
        auto sessione = std::make_unique<Sessione>();
        sessione->imp = imp;
        if (!LeggiParete(*sessione, percorso, finestra).Riuscito()) continue;
        CodaGeometria(sessione->parete, sessione->stato);
        CodaArmatura(sessione->parete, sessione->imp);
        CopuRTF(sessione->parete, doc);
        doc.TestoComputo += "\\par ";
    }
    if (percorsi.size() >= 2) AggiungiRiepilogo(doc);
    return ChiudiComputo(std::move(doc));
}
