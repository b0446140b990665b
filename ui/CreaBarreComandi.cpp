#include "ui/CreaBarreComandi.h"

#include "model/Recenti.h"
#include "model/Titolo.h"
#include "ui/BarreComandi.h"
#include "ui/Icone.h"

#include <QMainWindow>
#include <QMenuBar>

namespace {

using I = IdComandi;

struct VoceBarra {
    std::string_view Titolo;
    int I::*Id;
    bool InizioGruppo;
};

// The toolbar "Standard" in order; the split button "Modifica perimetro"
// sits between the first and the second part.
constexpr VoceBarra PrimaParte[] = {
    {"&Apri", &I::IdApri, false},
    {"&Salva", &I::IdSalva, false},
    {"Annulla", &I::IdAnnulla, true},
    {"Ripeti", &I::IdRipeti, false},
    {"Zoom", &I::IdZoom, true},
    {"Vista precedente", &I::IdVistaPrecedente, false},
    {"Vista totale", &I::IdVistaTotale, false},
    {"Avvicina", &I::IdAvvicina, false},
    {"Allontana", &I::IdAllontana, false},
    {"Trascina", &I::IdTrascina, false},
    {"Impostazioni", &I::IdImpostazioni, true},
    {"Disponi armature integrative", &I::IdDisponiIntegrative, true},
    {"Mappa armatura da calcolo", &I::IdMappaCalcolo, false},
    {"Eccedenza area di armatura", &I::IdEccedenza, false},
    {"Visualizza armatura diffusa", &I::IdVisDiffusa, false},
    {"Visualizza armatura integrativa", &I::IdVisIntegrativa, false},
    {"Visualizza anteprima della tavola", &I::IdAnteprimaTavola, false},
    {"Inserisci armatura integrativa", &I::IdInserisciIntegrativa, true},
    {"Copia armatura", &I::IdCopiaArmatura, false},
    {"Copia armatura sul lato opposto", &I::IdCopiaOpposto, false},
    {"Copia multipla di armature sul lato opposto", &I::IdCopiaMultiplaOpposto, false},
    {"Sposta armatura", &I::IdSpostaArmatura, false},
    {"Cancella armatura integrativa", &I::IdCancellaIntegrativa, false},
    {"Informazioni armature nodi", &I::IdInfoNodi, false},
};

constexpr VoceBarra SecondaParte[] = {
    {"Inserisci livello solaio", &I::IdInserisciSolaio, false},
    {"Inserisci parete trasversale", &I::IdInserisciParete, false},
    {"Modifica solaio o parete", &I::IdModificaSolaio, false},
    {"Cancella solaio o parete", &I::IdCancellaSolaio, false},
    {"Nuova sezione orizzontale", &I::IdSezioneOrizz, true},
    {"Nuova sezione verticale", &I::IdSezioneVert, false},
    {"Sposta sezione", &I::IdSpostaSezione, false},
    {"Cancella sezione", &I::IdCancellaSezione, false},
    {"Sposta etichetta posizione", &I::IdSpostaEtichetta, false},
    {"Quota orizzontale", &I::IdQuotaOrizz, true},
    {"Quota verticale", &I::IdQuotaVert, false},
    {"Quota allineata", &I::IdQuotaAllineata, false},
    {"Cancella quota", &I::IdCancellaQuota, false},
    {"Quotatura continua", &I::IdQuotaturaContinua, false},
    {"Sposta quota", &I::IdSpostaQuota, false},
    {"Visibilità quota", &I::IdVisibilitaQuota, false},
    {"Quotatura automatica", &I::IdQuotaturaAutomatica, false},
    {"Computo", &I::IdComputo, true},
    // The only way to the automatic design of the distributed layers.
    {"Progetto armatura diffusa", &I::IdProgetto, true},
};

QString Testo(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

void Aggiungi(BarraComandi& barra, const IdComandi& ids, const VoceBarra& voce) {
    barra.Aggiungi(TipoControllo::Pulsante, ids.*voce.Id, Testo(voce.Titolo))
        .ImpostaInizioGruppo(voce.InizioGruppo);
}

}  // namespace

BarreComandi* CreaBarreComandi(QMainWindow* finestra, const IdComandi& ids,
                               const ElencoRecenti& recenti, int iconeGrandi) {
    const int lato = iconeGrandi != 0 ? 24 : 16;
    auto* barre = new BarreComandi(finestra);

    finestra->menuBar()->setNativeMenuBar(false);
    BarraComandi& menu = barre->MenuPrincipale();
    BarraComandi& file =
        *menu.Aggiungi(TipoControllo::Popup, IdFisso::MenuFile, "&File").Popup();
    file.ImpostaDimensioneIcone(lato);
    file.Aggiungi(TipoControllo::Pulsante, ids.IdApri, "&Apri");
    file.Aggiungi(TipoControllo::Pulsante, ids.IdSalva, "&Salva");
    file.Aggiungi(TipoControllo::Pulsante, ids.IdImpostazioni, "&Impostazioni")
        .ImpostaInizioGruppo(true);
    for (int k = 0; k < MaxFileRecenti; ++k)
        file.Aggiungi(TipoControllo::Pulsante, IdFisso::PrimoRecente + k, {})
            .ImpostaInizioGruppo(k == 0);
    file.Aggiungi(TipoControllo::Pulsante, ids.IdEsci, "&Esci").ImpostaInizioGruppo(true);
    menu.Aggiungi(TipoControllo::Pulsante, IdFisso::GeneraDxf, "&Genera file DXF");
    menu.Aggiungi(TipoControllo::Pulsante, IdFisso::Informazioni, "&Informazioni su...");
    AggiornaVociRecenti(*barre, recenti);

    BarraComandi& standard = barre->AggiungiBarra("Standard", lato);
    for (const VoceBarra& voce : PrimaParte) Aggiungi(standard, ids, voce);
    ControlloComando& perimetro = standard.Aggiungi(TipoControllo::PulsanteDiviso,
                                                    ids.IdModificaPerimetro, "Modifica perimetro");
    perimetro.ImpostaInizioGruppo(true);
    perimetro.ImpostaAbilitato(true);
    perimetro.Popup()->Aggiungi(TipoControllo::Pulsante, IdFisso::PerimetroEsterno,
                                "Modifica perimetro esterno");
    perimetro.Popup()->Aggiungi(TipoControllo::Pulsante, IdFisso::PerimetroInterno,
                                "Modifica perimetro interno");
    for (const VoceBarra& voce : SecondaParte) Aggiungi(standard, ids, voce);

    barre->ImpostaListaImmagini(ListaImmagini(iconeGrandi + 1));
    return barre;
}

void AggiornaVociRecenti(BarreComandi& barre, const ElencoRecenti& recenti) {
    for (int k = 0; k < MaxFileRecenti; ++k) {
        const std::string& percorso = recenti.FileRecenti[k];
        for (ControlloComando* voce : barre.Trova(IdFisso::PrimoRecente + k)) {
            // A "&" in a file name is shown, not taken as the item's shortcut.
            voce->ImpostaTitolo(QString::fromStdString(NomeFile(percorso)).replace("&", "&&"));
            voce->ImpostaParametro(QString::fromStdString(percorso));
            voce->ImpostaVisibile(!percorso.empty());
        }
    }
}
