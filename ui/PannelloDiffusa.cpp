#include "ui/PannelloDiffusa.h"

#include "interaction/ModificaDiffusa.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"

namespace {

// Captions take this share of the grid's width.
constexpr double DivisoreDiffusa = 0.6;

}  // namespace

void PanelDiffusa(const Parete& parete, GrigliaProprieta& griglia) {
    // The items are made now: the model may change before a deferred rebuild runs.
    const std::vector<VoceDiffusa> voci = VociDiffusa(parete);
    std::string contenuto;
    for (const VoceDiffusa& v : voci)
        contenuto += std::to_string(v.Id) + '\x1f' + v.Didascalia + '\x1f' + v.Valore + '\x1e';
    griglia.RicostruisciSeCambia(std::move(contenuto), [&griglia, voci] {
        griglia.ImpostaDivisore(DivisoreDiffusa);
        QTreeWidgetItem* categoria = griglia.AggiungiCategoria("Armatura diffusa");
        for (const VoceDiffusa& v : voci)
            griglia.AggiungiVoce(categoria, TipoVoce::Testo, QString::fromStdString(v.Didascalia),
                                 QString::fromStdString(v.Valore), v.Id);
    });
}

void PropertyGrid1_ValidaModifica(Sessione& sessione, InterfacciaFinestra& finestra,
                                  const AzioniDiffusa& azioni, QTreeWidgetItem& voce,
                                  QString& testo) {
    std::string digitato = testo.toStdString();
    const std::string corrente = GrigliaProprieta::Valore(voce).toStdString();
    ValidaModificaDiffusa(sessione, finestra, GrigliaProprieta::Id(voce), digitato, corrente,
                          azioni.AdattaFinestra);
    testo = QString::fromStdString(digitato);
    const StatoInterfaccia& stato = sessione.stato;
    if (stato.InfoNodiAttivo != 0 && stato.NodoSelezionato >= 0 && azioni.InfoNodo)
        azioni.InfoNodo(stato.NodoSelezionato);
}

void CollegaGrigliaDiffusa(GrigliaProprieta& griglia, Sessione& sessione,
                           InterfacciaFinestra& finestra, AzioniDiffusa azioni) {
    // Typing the shown value again recomputes and refits as any edit does.
    griglia.ValidaTestoInvariato = true;
    griglia.Validazione = [&sessione, &finestra, azioni](QTreeWidgetItem& voce, QString& testo) {
        PropertyGrid1_ValidaModifica(sessione, finestra, azioni, voce, testo);
    };
}
