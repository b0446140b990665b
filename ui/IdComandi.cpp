#include "ui/IdComandi.h"

namespace {

using I = IdComandi;

constexpr std::array<ComandoProgramma, NumComandiProgramma> Tabella{{
    {100, &I::IdApri, "&Apri", "open", "open"},
    {101, &I::IdSalva, "&Salva", "save", "save"},
    {103, &I::IdEsci, "&Esci", "exit", "exit"},
    {105, &I::IdAnnulla, "Annulla", "undo", "undo"},
    {106, &I::IdRipeti, "Ripeti", "redo", "redo"},
    {107, &I::IdZoom, "Zoom", "zoom", "zoom"},
    {108, &I::IdVistaPrecedente, "Vista precedente", "zprec", "zprec"},
    {109, &I::IdVistaTotale, "Vista totale", "zest", "zest"},
    {110, &I::IdAvvicina, "Avvicina", "zpiu", "zpiu"},
    {111, &I::IdAllontana, "Allontana", "zmeno", "zmeno"},
    {112, &I::IdTrascina, "Trascina", "pan", "pan"},
    {113, &I::IdImpostazioni, "Impostazioni", "opz", "opz"},
    {114, &I::IdProgetto, "Progetto armatura diffusa", "armauto", "ArmAuto"},
    {115, &I::IdDisponiIntegrative, "Disponi armature integrative", "newagg", "newAgg"},
    {116, &I::IdMappaCalcolo, "Mappa armatura da calcolo", "mappa", "mappa"},
    {117, &I::IdEccedenza, "Eccedenza area di armatura", "eccarm", "ecc"},
    {118, &I::IdVisDiffusa, "Visualizza armatura diffusa", "armbase", "armbase"},
    {119, &I::IdVisIntegrativa, "Visualizza armatura integrativa", "armagg", "Agg"},
    {120, &I::IdAnteprimaTavola, "Visualizza anteprima della tavola", "tavola", "tavola"},
    {121, &I::IdInserisciIntegrativa, "Inserisci armatura integrativa", "insagg", "insAgg"},
    {122, &I::IdCopiaMultiplaOpposto, "Copia multipla di armature sul lato opposto", "cmulti",
     "copyMult"},
    {128, &I::IdCopiaArmatura, "Copia armatura", "copyarm", "copyarm"},
    {129, &I::IdCopiaOpposto, "Copia armatura sul lato opposto", "copyLato", "copylato"},
    {130, &I::IdSpostaArmatura, "Sposta armatura", "armspo", "spoarm"},
    {131, &I::IdCancellaIntegrativa, "Cancella armatura integrativa", "armcanc", "armcanc"},
    {132, &I::IdInfoNodi, "Informazioni armature nodi", "info", "info"},
    {133, &I::IdModificaPerimetro, "Modifica perimetro", "perim", "polig"},
    {134, &I::IdSezioneOrizz, "Nuova sezione orizzontale", "sez1", "sez1"},
    {135, &I::IdSezioneVert, "Nuova sezione verticale", "sez2", "sez2"},
    {136, &I::IdSpostaSezione, "Sposta sezione", "sezspo", "sezspo"},
    {137, &I::IdCancellaSezione, "Cancella sezione", "sezcanc", "sezdel"},
    {138, &I::IdSpostaEtichetta, "Sposta etichetta posizione", "pos", "pos"},
    {139, &I::IdQuotaOrizz, "Quota orizzontale", "qor", "qor"},
    {140, &I::IdQuotaVert, "Quota verticale", "qvr", "qver"},
    {141, &I::IdQuotaAllineata, "Quota allineata", "qallin", "qallin"},
    {142, &I::IdCancellaQuota, "Cancella quota", "qcanc", "qcanc"},
    {143, &I::IdQuotaturaContinua, "Quotatura continua", "qcont", "qcont"},
    {144, &I::IdSpostaQuota, "Sposta quota", "qspo", "qspo"},
    {145, &I::IdVisibilitaQuota, "Visibilità quota", "qvedi", "qvedi"},
    {146, &I::IdQuotaturaAutomatica, "Quotatura automatica", "qauto", "qauto"},
    {147, &I::IdComputo, "Computo", "compu", "compu"},
    {148, &I::IdInserisciSolaio, "Inserisci livello solaio", "nsol", "nsol"},
    {149, &I::IdInserisciParete, "Inserisci parete trasversale", "npar", "npar"},
    {150, &I::IdModificaSolaio, "Modifica solaio o parete", "edbord", "edbor"},
    {151, &I::IdCancellaSolaio, "Cancella solaio o parete", "cancbord", "cancbor"},
}};

}  // namespace

const std::array<ComandoProgramma, NumComandiProgramma>& TabellaComandi() { return Tabella; }

void InizializzaIdComandi(IdComandi& ids, int base) {
    for (const ComandoProgramma& c : Tabella) ids.*c.Variabile = base * 1000 + c.Offset;
}
