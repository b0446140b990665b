#include "interaction/FormSolaiDati.h"

#include "design/Modifica.h"
#include "drawing/SolaiPareti.h"
#include "model/CampoNumerico.h"
#include "model/FileArmature.h"
#include "model/FileSolai.h"
#include "model/Finestra.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"
#include "model/TestoNumerico.h"

#include <algorithm>
#include <optional>

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

// The limits of each number item and the decimals the file keeps: the level
// or abscissa within the wall's box, the band's sizes and setbacks from 0.
CampoNumerico CampoVoceSolaio(int id, const Parete& p, bool parete) {
    if (id != VoceSolaio::Coordinata) return CampoLunghezza(DecimaliSolai);
    CampoNumerico campo = CampoCoordinata(DecimaliSolai);
    campo.Minimo = std::max(campo.Minimo, parete ? p.XminParete : p.YminParete);
    campo.Massimo = std::min(campo.Massimo, parete ? p.XmaxParete : p.YmaxParete);
    return campo;
}

// The perimeters may take the band's faces, so they stay within the
// coordinate range: a slab spans Coordinata - Spessore2 to + Spessore1, a
// wall Coordinata - Spessore1 to + Spessore2.
bool BandaNelCampo(const SolaioParete& s, bool parete) {
    const float prima = s.Coordinata - (parete ? s.Spessore1 : s.Spessore2);
    const float dopo = s.Coordinata + (parete ? s.Spessore2 : s.Spessore1);
    return CoordinataAmmessa(prima) && CoordinataAmmessa(dopo);
}

// The perimeter vertices that the band moved, as the file keeps them, so
// that the wall reopened has the outline that was checked.
void VerticiSpostatiScritti(std::vector<Punto>& perimetro, const std::vector<Punto>& prima) {
    for (std::size_t i = 0; i < perimetro.size(); ++i)
        if (i >= prima.size() || perimetro[i] != prima[i]) perimetro[i] = VerticeScritto(perimetro[i]);
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
    if (Campo(s, id) == nullptr) return false;
    const bool parete = DialogoParete(sessione.stato.Modo);
    const std::optional<float> valore =
        IniziaConNumero(testo)
            ? ValoreCampo(CampoVoceSolaio(id, sessione.parete, parete), ValoreTesto(testo))
            : std::nullopt;
    SolaioParete prova = s;
    if (valore) *Campo(prova, id) = *valore;
    if (!valore || !BandaNelCampo(prova, parete)) {
        testo = NumeroSemplice(*Campo(s, id));
        return false;
    }
    s = prova;
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
    const std::vector<Punto> esterno = p.PerimetroEsterno, interno = p.PerimetroInterno;
    if (k <= ultimo && lista[k].Coordinata != s.Coordinata) aggiorna(p, lista[k].Coordinata, 0, 0);
    aggiorna(p, s.Coordinata, s.Spessore1, s.Spessore2);
    VerticiSpostatiScritti(p.PerimetroEsterno, esterno);
    VerticiSpostatiScritti(p.PerimetroInterno, interno);
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
