#include "interaction/GrigliaImpostazioni.h"

#include "model/CampoNumerico.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"

#include <array>
#include <optional>

namespace {

// A text item: its limits with the decimals the settings file keeps, and
// where an accepted value goes: a whole-number setting, a decimal setting,
// or the wall's DiamIntegrativa when both are empty.
struct RegolaTesto {
    int Id;
    CampoNumerico Campo;
    int Impostazioni::*Intero;
    float Impostazioni::*Decimale;
};

constexpr int IdDiamIntegrativa = 13;
constexpr int IdDescrizioneCompleta = 35;
constexpr int IdIndicaLato = 36;
constexpr int IdPiegaAncoraggio = 95;

constexpr std::array<RegolaTesto, 10> Regole{{
    {1, CampoIntero(20.0f), &Impostazioni::SovrappMin, nullptr},
    {2, CampoIntero(-SenzaLimite, 200.0f), &Impostazioni::SovrappMax, nullptr},
    {7, CampoIntero(6.0f), &Impostazioni::DiamStaffeCordolo, nullptr},
    {9, CampoLunghezza(DecimaliPassiImpostazioni, 5.0f), nullptr, &Impostazioni::PassoStaffeCordolo},
    {IdDiamIntegrativa, CampoIntero(6.0f), nullptr, nullptr},
    {14, CampoLunghezza(DecimaliPassiImpostazioni, 5.0f), nullptr, &Impostazioni::PassoMaxIntegrativa},
    {15, CampoIntero(6.0f), &Impostazioni::DiamReggistaffa, nullptr},
    {20, CampoLunghezza(DecimaliLungMaxFerri, 300.0f), nullptr, &Impostazioni::LungMaxFerri},
    {90, CampoIntero(1.0f, 500.0f), &Impostazioni::PassoGrigliaX, nullptr},
    {91, CampoIntero(1.0f, 500.0f), &Impostazioni::PassoGrigliaY, nullptr},
}};

VoceImpostazione Testo(int id, const char* didascalia, std::string valore) {
    return {id, didascalia, TipoVoceImpostazione::Testo, std::move(valore)};
}

VoceImpostazione Opzione(int id, const char* didascalia, int valore) {
    return {id, didascalia, TipoVoceImpostazione::Booleano, valore != 0 ? "1" : "0"};
}

}  // namespace

std::vector<CategoriaImpostazioni> CategorieImpostazioni(const Sessione& sessione) {
    const Impostazioni& imp = sessione.imp;
    const Parete& parete = sessione.parete;
    std::vector<CategoriaImpostazioni> categorie{
        {"Lunghezza di sovrapposizione ferri",
         {Testo(1, "L Min. (in multipli del diam.)", NumeroSemplice(imp.SovrappMin)),
          Testo(2, "L Max. (in multipli del diam.)", NumeroSemplice(imp.SovrappMax))}},
        {"Riferimento per armatura integrativa",
         {Testo(IdDiamIntegrativa, "Diametro (mm)", NumeroSemplice(parete.DiamIntegrativa)),
          Testo(14, "Passo massimo (cm)", FormatoDec(imp.PassoMaxIntegrativa, 1)),
          Testo(20, "Lunghezza max ferri (cm)", NumeroSemplice(imp.LungMaxFerri)),
          Opzione(IdDescrizioneCompleta, "Descrizione completa delle posizioni",
                  imp.DescrizioneCompleta)}},
        {"Riferimento per cordoli",
         {Testo(15, "Diametro reggistaffa (mm)", NumeroSemplice(imp.DiamReggistaffa)),
          Testo(7, "Diametro staffe (mm)", NumeroSemplice(imp.DiamStaffeCordolo)),
          Testo(9, "Passo staffe (cm)", FormatoDec(imp.PassoStaffeCordolo, 1))}},
        {"Griglia",
         {Testo(90, "Passo X (cm)", NumeroSemplice(imp.PassoGrigliaX)),
          Testo(91, "Passo Y (cm)", NumeroSemplice(imp.PassoGrigliaY))}},
    };
    if (parete.MagliaUnica != 0)
        categorie.push_back({"Armatura a maglia unica",
                             {Opzione(IdPiegaAncoraggio, "Piega ancoraggio estremit\xC3\xA0",
                                      parete.PiegaAncoraggio)}});
    categorie.push_back(
        {"Note",
         {Opzione(IdIndicaLato, "Indicazione del lato nei ferri delle sezioni", imp.IndicaLato)}});
    return categorie;
}

EsitoVoceImpostazione ValidaImpostazione(Sessione& sessione, int id, std::string& testo,
                                         std::string_view testoCorrente) {
    const RegolaTesto* regola = nullptr;
    for (const RegolaTesto& r : Regole)
        if (r.Id == id) regola = &r;
    if (regola == nullptr) return EsitoVoceImpostazione::Rifiutata;

    const std::optional<float> valore = ValoreCampo(regola->Campo, ValoreTesto(testo));
    if (!valore) {
        testo = testoCorrente;
        return EsitoVoceImpostazione::Rifiutata;
    }
    if (regola->Decimale != nullptr)
        sessione.imp.*regola->Decimale = *valore;
    else if (regola->Intero != nullptr)
        sessione.imp.*regola->Intero = static_cast<int>(*valore);
    else
        sessione.parete.DiamIntegrativa = static_cast<int>(*valore);
    return EsitoVoceImpostazione::Accettata;
}

void ImpostaOpzione(Sessione& sessione, InterfacciaFinestra& finestra, int id, bool vero,
                    const Ricalcolo& ricalcolo) {
    const int valore = vero ? 1 : 0;
    if (id == IdDescrizioneCompleta) {
        sessione.imp.DescrizioneCompleta = valore;
    } else if (id == IdIndicaLato) {
        sessione.imp.IndicaLato = valore;
    } else if (id == IdPiegaAncoraggio) {
        Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si,
                          ricalcolo);
        sessione.parete.PiegaAncoraggio = valore;
        modifica.Conferma();
    }
}
