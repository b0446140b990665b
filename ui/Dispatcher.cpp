#include "ui/Dispatcher.h"

#include "design/AnnullaModifica.h"
#include "design/CaricaProgetto.h"
#include "design/ConfermaUscita.h"
#include "design/Modifica.h"
#include "design/ProgettoDiffusa.h"
#include "design/SalvaPareteComando.h"
#include "interaction/SelezioneVista.h"
#include "drawing/ComandiVista.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/QuoteFormato.h"
#include "model/Finestra.h"
#include "model/Recenti.h"
#include "model/Sessione.h"
#include "model/Testo.h"
#include "ui/AzioniFinestra.h"

#include <array>
#include <string_view>

namespace {

using I = IdComandi;

bool Nominata(const std::string& file) {
    return !file.empty() && !UgualiSenzaMaiuscole(file, "Anonimo");
}

// After a wall is opened from the menu the selectors show face "Lato +"
// ("Lato -" for a single mesh) and direction 1.
void SelettoriIniziali(ContestoComandi& c) {
    c.azioni.SelezionaLato(c.sessione.parete.MagliaUnica != 0 ? 1 : 0);
    c.azioni.SelezionaDirezione(0);
}

// The export dialog reads every chosen wall into a session of its own, so the
// open wall, its unsaved edits and its undo history are never touched: only
// the question whether to save first, since the drawing shows what is saved.
// A wall whose files already hold its design has nothing to save.
void GeneraDxf(ContestoComandi& c) {
    Sessione& s = c.sessione;
    if (Nominata(s.parete.FileCorrente) && ModificheDaSalvare(s) &&
        c.finestra.Domanda("Vuoi salvare il file prima di procedere?\n"
                           "Solo salvando il file, le modifiche apportate all'armatura verranno "
                           "riportate nel DXF",
                           "Attenzione!", IconaMessaggio::Nessuna))
        (void)ComandoSalva(s, c.finestra);  // a failed save has been told
    c.azioni.MostraEsportazioneDxf();
}

// A plain repeatable command: the mode it arms and what it resets.
struct RigaRipetibile {
    int I::*Id;
    int Modo;
    std::string_view Prompt;  // empty: the prompt line stays as it is
    bool SpegneInfoNodi;
    bool AnnullaEvidenziazione;
};

constexpr std::string_view PromptCopia = "Seleziona l'armatura da copiare";

constexpr std::array<RigaRipetibile, 18> Ripetibili{{
    {&I::IdQuotaOrizz, ModoInput::QuotaOrizzontale, {}, false, false},
    {&I::IdQuotaVert, ModoInput::QuotaVerticale, {}, false, false},
    {&I::IdQuotaAllineata, ModoInput::QuotaAllineata, {}, false, false},
    {&I::IdCancellaQuota, ModoInput::CancellaQuota, {}, false, true},
    {&I::IdSpostaQuota, ModoInput::SpostaQuota, {}, false, true},
    {&I::IdVisibilitaQuota, ModoInput::VisibilitaQuota, {}, false, true},
    {&I::IdSpostaEtichetta, ModoInput::SpostaEtichetta, {}, false, true},
    {&I::IdSezioneOrizz, ModoInput::NuovaSezioneOrizzontale, {}, false, false},
    {&I::IdSezioneVert, ModoInput::NuovaSezioneVerticale, {}, false, false},
    {&I::IdCancellaSezione, ModoInput::CancellaSezione, {}, false, true},
    {&I::IdSpostaSezione, ModoInput::SpostaSezione, {}, false, true},
    {&I::IdCopiaArmatura, ModoInput::CopiaPosizione, PromptCopia, true, true},
    {&I::IdCopiaOpposto, ModoInput::CopiaLatoOpposto, PromptCopia, true, true},
    {&I::IdCopiaMultiplaOpposto, ModoInput::CopiaMultiplaPrimoAngolo,
     "Seleziona con un box le armature da copiare", true, true},
    {&I::IdSpostaArmatura, ModoInput::SpostaPosizione,
     "Seleziona e trascina nella nuova posizione l'armatura da spostare", true, true},
    {&I::IdCancellaIntegrativa, ModoInput::CancellaPosizione, {}, true, true},
    {&I::IdModificaSolaio, ModoInput::ModificaSolaioParete, {}, false, false},
    {&I::IdCancellaSolaio, ModoInput::CancellaSolaioParete, {}, false, false},
}};

constexpr std::array<std::pair<int I::*, int>, 2> RipetibiliBande{{
    {&I::IdInserisciSolaio, ModoInput::NuovoSolaio},
    {&I::IdInserisciParete, ModoInput::NuovaParete},
}};

// The automatic dimension chains replace the existing dimensions, after a
// question when there are any. No undo step is taken.
void QuotaturaAutomaticaComando(ContestoComandi& c) {
    Sessione& s = c.sessione;
    if (!s.parete.CaricataParete()) return;
    if (s.parete.UltQuota > -1 &&
        !c.finestra.Domanda("La quotatura automatica annullerà le quote esistenti.\nProcedere?",
                            "Attenzione!", IconaMessaggio::Nessuna))
        return;
    Modifica modifica(s, c.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::No);
    s.parete.Quote.assign(1, Quota{});
    s.parete.UltQuota = -1;
    QuotaturaAutomatica(s.parete, FormatoQuoteDa(s.imp));
    modifica.Conferma();
    c.azioni.Ridisegna();
}

void InfoNodiComando(ContestoComandi& c) {
    StatoInterfaccia& stato = c.sessione.stato;
    stato.InfoNodiAttivo = stato.InfoNodiAttivo != 0 ? 0 : -1;
    if (stato.InfoNodiAttivo != 0) {
        stato.NodoSelezionato = -1;
        c.azioni.MostraTestoInformazioni(TestoInfoNodi);
        c.azioni.AnnullaEvidenziazione();
    } else {
        c.azioni.InfoArm();
    }
    if (stato.TipoMappa < 5 || stato.TipoMappa > 9) c.azioni.MostraPannelloIntervallo();
}

// "Progetta" is one change of the design: its transaction refreshes the
// window once. Cancelled, the dialog changed no design and nothing is redone.
void ProgettoComando(ContestoComandi& c) {
    if (c.azioni.MostraParametriProgetto()) ApplicaProgettoDiffusa(c.sessione, c.finestra);
}

// The last stage; false for an id it does not know.
bool ComandiPropri(int id, ContestoComandi& c) {
    const IdComandi& ids = c.ids;
    Sessione& s = c.sessione;
    static constexpr std::array<int I::*, 6> modiVista = {
        &I::IdVisDiffusa, &I::IdVisIntegrativa, &I::IdAnteprimaTavola,
        &I::IdDisponiIntegrative, &I::IdMappaCalcolo, &I::IdEccedenza};
    for (int modo = 0; modo < static_cast<int>(modiVista.size()); ++modo) {
        if (ids.*modiVista[modo] != id) continue;
        s.stato.ModoVista = modo;
        c.azioni.AggiornaVisualizzazione();
        return true;
    }
    if (id == ids.IdAnnulla) {
        AnnullaModifica(s, c.finestra);
    } else if (id == ids.IdRipeti) {
        RipetiModifica(s, c.finestra);
    } else if (id == ids.IdZoom) {
        s.stato.InfoNodiAttivo = 0;
        AvviaZoomFinestra(c.vista, s.stato.Modo, s.stato.ModoPrec);
    } else if (id == ids.IdAllontana) {
        ZoomAllontana(c.vista, s.parete.Estensione);
        c.azioni.Ridisegna();
    } else if (id == ids.IdAvvicina) {
        ZoomAvvicina(c.vista);
        c.azioni.Ridisegna();
    } else if (id == ids.IdVistaPrecedente) {
        VistaPrecedente(c.vista);
        c.azioni.Ridisegna();
    } else if (id == ids.IdVistaTotale) {
        // What the view draws now, changes since it was chosen included.
        AggiornaEstensioneVista(s.stato, s.parete);
        VistaTotale(c.vista, s.parete.Estensione);
        c.azioni.Ridisegna();
    } else if (id == ids.IdImpostazioni) {
        // The dialog's close runs the tail and refreshes the window once.
        c.azioni.MostraImpostazioni();
    } else if (id == ids.IdProgetto) {
        ProgettoComando(c);
    } else if (id == ids.IdQuotaturaAutomatica) {
        QuotaturaAutomaticaComando(c);
    } else if (id == ids.IdInfoNodi) {
        InfoNodiComando(c);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool SottoGruppoMenuFile(int id, ContestoComandi& c) {
    const IdComandi& ids = c.ids;
    Sessione& s = c.sessione;
    if (id == ids.IdComputo) {
        c.azioni.MostraComputo();
    } else if (id == IdFisso::GeneraDxf) {
        GeneraDxf(c);
    } else if (id == ids.IdApri) {
        (void)ApriFile(s, c.vista, c.finestra);  // every failure has been told
    } else if (id == ids.IdSalva) {
        if (s.parete.CaricataParete()) (void)ComandoSalva(s, c.finestra);
    } else if (id >= IdFisso::PrimoRecente && id < IdFisso::PrimoRecente + MaxFileRecenti) {
        // Every failure has been told; an open the user stopped changes nothing.
        const Esito aperta = ApriFileRecente(s, id - IdFisso::PrimoRecente, c.vista, c.finestra);
        if (aperta.Codice != CodiceApertura::Annullata) SelettoriIniziali(c);
    } else if (id == ids.IdEsci) {
        c.azioni.Esci();
    } else if (id == IdFisso::Informazioni) {
        c.azioni.MostraInformazioniProgramma();
    } else {
        return false;
    }
    return true;
}

bool ComandiRipetibili(int id, ContestoComandi& c) {
    const IdComandi& ids = c.ids;
    StatoInterfaccia& stato = c.sessione.stato;
    stato.UltimoComando = id;

    for (const RigaRipetibile& riga : Ripetibili) {
        if (ids.*riga.Id != id) continue;
        stato.Modo = riga.Modo;
        if (riga.SpegneInfoNodi) stato.InfoNodiAttivo = 0;
        if (riga.AnnullaEvidenziazione) c.azioni.AnnullaEvidenziazione();
        if (!riga.Prompt.empty()) c.azioni.ImpostaPrompt(std::string(riga.Prompt));
        return true;
    }
    for (const auto& [membro, modo] : RipetibiliBande) {
        if (ids.*membro != id) continue;
        stato.Modo = modo;
        return true;
    }
    if (id == ids.IdInserisciIntegrativa) {
        stato.Modo = ModoInput::NuovaZona;
        stato.PosCorrente.Tipo = stato.LatoAttivo;
        stato.PosCorrente.Diametro = c.sessione.parete.DiamIntegrativa;
        stato.InfoNodiAttivo = 0;
        c.azioni.ImpostaPrompt(
            "Premi il pulsante sinistro del mouse per inserire il primo vertice e rilascialo per "
            "completare la selezione della zona da armare.");
        return true;
    }
    if (id == ids.IdQuotaturaContinua) {
        if (c.sessione.parete.UltQuota >= 0) {
            stato.Modo = ModoInput::QuotaturaContinua;
            stato.QuotaSelezionata = -1;
        } else {
            c.finestra.Messaggio("Non sono presenti quote a cui agganciarsi", "Attenzione!",
                                 IconaMessaggio::Esclamazione);
        }
        return true;
    }
    if (id == ids.IdTrascina) {
        AvviaTrascina(stato.Modo, stato.ModoPrec);
        return true;
    }
    if (id == IdFisso::PerimetroEsterno || id == IdFisso::PerimetroInterno) {
        c.azioni.MostraEditorPerimetro(id == IdFisso::PerimetroEsterno ? 0 : 1);
        return true;
    }
    stato.UltimoComando = 0;
    return false;
}

void CommandBars_EseguiComando(int id, ContestoComandi& c) {
    if (SottoGruppoMenuFile(id, c)) return;
    if (ComandiRipetibili(id, c)) return;
    (void)ComandiPropri(id, c);
}
