#include "ui/AggiornaComandi.h"

#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "model/StoriaAnnulla.h"

#include <array>
#include <initializer_list>

namespace {

bool Tra(int valore, int minimo, int massimo) { return valore >= minimo && valore <= massimo; }

bool Fra(int id, const IdComandi& ids, std::initializer_list<int IdComandi::*> membri) {
    for (int IdComandi::*m : membri)
        if (ids.*m == id) return true;
    return false;
}

StatoComando Abilita(bool abilitato) {
    StatoComando stato;
    stato.Abilitato = abilitato;
    return stato;
}

}  // namespace

StatoComando CommandBars_AggiornaComando(int id, const IdComandi& ids, const Parete& parete,
                                         const StoriaAnnulla& storia, StatoInterfaccia& stato) {
    using I = IdComandi;
    const bool editor = stato.ModificaPoligono != 0;
    const bool parete_ = parete.NumPuntiContorno != 0;
    const bool vistaMappe = Tra(stato.StatoVista, 2, 13) && !editor;

    // The six view modes, checked by ModoVista 0 to 5.
    static constexpr std::array<int IdComandi::*, 6> modi = {
        &I::IdVisDiffusa, &I::IdVisIntegrativa, &I::IdAnteprimaTavola,
        &I::IdDisponiIntegrative, &I::IdMappaCalcolo, &I::IdEccedenza};
    int modo = 0;
    for (int IdComandi::*m : modi) {
        if (ids.*m == id) {
            StatoComando esito;
            esito.Selezionato = stato.ModoVista == modo;
            return esito;
        }
        ++modo;
    }

    if (id == ids.IdAnnulla) return Abilita(storia.IndiceAnnulla > storia.PrimoAnnulla);
    if (id == ids.IdRipeti) return Abilita(storia.IndiceAnnulla < storia.UltimoAnnulla);
    if (Fra(id, ids, {&I::IdCopiaArmatura, &I::IdSpostaArmatura, &I::IdCancellaIntegrativa}))
        return Abilita(vistaMappe);
    if (Fra(id, ids, {&I::IdCopiaOpposto, &I::IdCopiaMultiplaOpposto}))
        return Abilita(vistaMappe && parete.MagliaUnica == 0);
    if (id == ids.IdInfoNodi) {
        StatoComando esito = Abilita(vistaMappe);
        if (vistaMappe && stato.InfoNodiAttivo != 0) {
            esito.Selezionato = true;
            return esito;
        }
        if (!vistaMappe) stato.InfoNodiAttivo = 0;
        esito.Selezionato = false;
        esito.RicostruisciInfoArm = true;
        return esito;
    }
    if (id == ids.IdSpostaEtichetta)
        return Abilita(Tra(stato.StatoVista, 14, 16) && parete_ && !editor);
    if (id == ids.IdInserisciIntegrativa)
        return Abilita(Tra(stato.StatoVista, 6, 9) && !editor);
    if (Fra(id, ids,
            {&I::IdSezioneOrizz, &I::IdSezioneVert, &I::IdSpostaSezione, &I::IdCancellaSezione}))
        return Abilita(parete_ && stato.StatoVista != 17 && !editor);
    if (id == ids.IdComputo) return Abilita(parete_ && !editor);
    if (Fra(id, ids,
            {&I::IdModificaPerimetro, &I::IdInserisciSolaio, &I::IdInserisciParete,
             &I::IdModificaSolaio, &I::IdCancellaSolaio})) {
        const bool abilitato = parete_ && stato.StatoVista <= 15;
        StatoComando esito = Abilita(abilitato);
        if (!abilitato && editor) {
            stato.ModificaPoligono = 0;
            esito.EditorChiuso = true;
        }
        return esito;
    }
    if (Fra(id, ids,
            {&I::IdQuotaOrizz, &I::IdQuotaVert, &I::IdQuotaAllineata, &I::IdCancellaQuota,
             &I::IdQuotaturaContinua, &I::IdSpostaQuota, &I::IdVisibilitaQuota,
             &I::IdQuotaturaAutomatica}))
        return Abilita(stato.VistaCorrente <= 4 && stato.StatoVista != 17 && parete_ && !editor);
    return {};
}
