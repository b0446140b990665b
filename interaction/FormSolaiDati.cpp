#include "interaction/FormSolaiDati.h"

#include "design/Modifica.h"
#include "drawing/SolaiPareti.h"
#include "model/Finestra.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"
#include "model/TestoNumerico.h"


namespace {

float* Campo(SolaioParete& s, int id) {
    switch (id) {
    case VoceSolaio::Coordinata: return &s.Coordinata;
    case VoceSolaio::Spessore1: return &s.Spessore1;
    case VoceSolaio::Spessore2: return &s.Spessore2;
    case VoceSolaio::Rientro1: return &s.Rientro1;
    case VoceSolaio::Rientro2: return &s.Rientro2;
    default: return nullptr;
    }
}

}  // namespace

bool DialogoParete(int modo) { return modo >= ModoInput::NuovaParete; }

std::string TitoloFormSolai(int modo) { return DialogoParete(modo) ? "Parete" : "Solaio"; }

std::string CategoriaFormSolai(int modo) {
    return DialogoParete(modo) ? "Dati parete" : "Dati solaio";
}

std::vector<VoceGrigliaSolaio> VociFormSolai(const SolaioParete& s, int modo) {
    const bool parete = DialogoParete(modo);
    const auto testo = [parete](const char* solaio, const char* muro) {
        return std::string(parete ? muro : solaio);
    };
    return {
        {VoceSolaio::Coordinata, testo("Quota solaio [cm]", "Ascissa parete [cm]"),
         NumeroSemplice(s.Coordinata)},
        {VoceSolaio::Spessore1, testo("dY superiore [cm]", "dX lato sinistro [cm]"),
         NumeroSemplice(s.Spessore1)},
        {VoceSolaio::Spessore2, testo("dY inferiore [cm]", "dX lato destro [cm]"),
         NumeroSemplice(s.Spessore2)},
        {VoceSolaio::Rientro1, testo("dX lato sinistro [cm]", "dY inferiore [cm]"),
         NumeroSemplice(s.Rientro1)},
        {VoceSolaio::Rientro2, testo("dX lato destro [cm]", "dY superiore [cm]"),
         NumeroSemplice(s.Rientro2)},
        {VoceSolaio::LatoMeno, testo("Solaio lato meno", "Parete lato meno"),
         s.LatoMeno != 0 ? "1" : "0", true},
        {VoceSolaio::LatoPiu, testo("Solaio lato più", "Parete lato più"),
         s.LatoPiu != 0 ? "1" : "0", true},
    };
}

bool ValidaVoceSolaio(Sessione& sessione, int id, std::string& testo) {
    SolaioParete& s = sessione.stato.SolaioCorrente;
    float* campo = Campo(s, id);
    if (campo == nullptr) return false;
    const float valore = ValoreTesto(testo);
    bool accettato = IniziaConNumero(testo);
    if (id == VoceSolaio::Coordinata) {
        const Parete& p = sessione.parete;
        const bool parete = DialogoParete(sessione.stato.Modo);
        const float minimo = parete ? p.XminParete : p.YminParete;
        const float massimo = parete ? p.XmaxParete : p.YmaxParete;
        accettato = accettato && minimo <= valore && valore <= massimo;
    } else {
        accettato = accettato && valore >= 0.0f;
    }
    if (!accettato) {
        testo = NumeroSemplice(*campo);
        return false;
    }
    *campo = valore;
    return true;
}

void CambioVoceSolaio(Sessione& sessione, int id, bool spuntata) {
    SolaioParete& s = sessione.stato.SolaioCorrente;
    if (id == VoceSolaio::LatoMeno) s.LatoMeno = spuntata ? 1 : 0;
    if (id == VoceSolaio::LatoPiu) s.LatoPiu = spuntata ? 1 : 0;
}

bool ConfermaFormSolai(Sessione& sessione, InterfacciaFinestra& finestra) {
    Parete& p = sessione.parete;
    const StatoInterfaccia& stato = sessione.stato;
    const bool parete = DialogoParete(stato.Modo);
    const SolaioParete s = stato.SolaioCorrente;
    Modifica modifica(sessione, finestra, CodaRicalcolo::Completa, PuntoAnnullamento::Si);
    std::vector<Punto> punti;
    int n = -1;
    if (parete)
        IntervalliParete(p, s, punti, n);
    else
        IntervalliSolaio(p, s, punti, n);
    if (n < 1) {
        finestra.Messaggio("Dimensioni non corrette.\nModifica annullata!", "Attenzione!",
                           IconaMessaggio::Critica);
        return false;
    }
    const auto aggiorna = parete ? AggiornaPerimetriParete : AggiornaPerimetriSolaio;
    std::vector<SolaioParete>& lista = parete ? p.ParetiTrasversali : p.Solai;
    int& ultimo = parete ? p.UltParete : p.UltSolaio;
    const int k = stato.IndiceCorrente;
    if (k < 0) return false;
    if (k <= ultimo && lista[k].Coordinata != s.Coordinata) aggiorna(p, lista[k].Coordinata, 0, 0);
    aggiorna(p, s.Coordinata, s.Spessore1, s.Spessore2);
    if (k > ultimo) {
        if (static_cast<int>(lista.size()) <= k) lista.resize(k + 1);
        ultimo = k;
    }
    lista[k] = s;
    if (parete)
        OrdinaPareti(p);
    else
        OrdinaSolai(p);
    modifica.Conferma();
    return true;
}
