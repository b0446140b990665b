#include "model/ParametriProgetto.h"

#include "model/CampoNumerico.h"
#include "model/Impostazioni.h"
#include "model/NumeroSemplice.h"
#include "model/Numeri.h"

#include <array>
#include <optional>

namespace {

constexpr int IdModo = 9;
constexpr int IdCopertura = 10;
constexpr int IdIncrPasso = 11;
constexpr int IdIncrDiam = 12;

// The numeric items 1-8: caption, the value's setting, whether it shows on a
// single mesh, and the accepted values: whole numbers of the settings file's
// 16-bit fields, diameters (mm) from 4 and spacings (cm) from 2.
struct Limite {
    int Id;
    const char* Didascalia;
    int Impostazioni::*Valore;
    bool LatoMeno;
    CampoNumerico Campo;
};

constexpr CampoNumerico CampoDiametro = CampoIntero(4.0f);
constexpr CampoNumerico CampoPasso = CampoIntero(2.0f);
// The coverage is a share.
constexpr CampoNumerico CampoCopertura = CampoIntero(1.0f, 100.0f);

constexpr std::array<Limite, 8> Limiti{{
    {1, "Diam. massimo lato +", &Impostazioni::DiamMaxPiu, false, CampoDiametro},
    {2, "Diam. minimo lato +", &Impostazioni::DiamMinPiu, false, CampoDiametro},
    {3, "Diam. massimo", &Impostazioni::DiamMaxMeno, true, CampoDiametro},
    {4, "Diam. minimo", &Impostazioni::DiamMinMeno, true, CampoDiametro},
    {5, "Passo massimo lato +", &Impostazioni::PassoMaxPiu, false, CampoPasso},
    {6, "Passo minimo lato +", &Impostazioni::PassoMinPiu, false, CampoPasso},
    {7, "Passo massimo", &Impostazioni::PassoMaxMeno, true, CampoPasso},
    {8, "Passo minimo", &Impostazioni::PassoMinMeno, true, CampoPasso},
}};

struct Passo {
    const char* Testo;
    float Valore;
};
constexpr std::array<Passo, 5> PassiIncremento{{
    {"0.5 cm", 0.5f}, {"1 cm", 1.0f}, {"2 cm", 2.0f}, {"5 cm", 5.0f}, {"10 cm", 10.0f}}};

}  // namespace

std::vector<VoceParametro> VociParametri(const Impostazioni& imp, int magliaUnica) {
    const bool dueLati = magliaUnica == 0;
    std::vector<VoceParametro> voci;
    for (const Limite& l : Limiti) {
        if (!dueLati && !l.LatoMeno) continue;
        std::string didascalia = l.Didascalia;
        if (dueLati && l.LatoMeno) didascalia += " lato -";
        voci.push_back({l.Id, didascalia, TipoParametro::Testo, NumeroSemplice(imp.*l.Valore), {}});
    }
    voci.push_back({IdModo, "Progetta variando il", TipoParametro::Lista,
                    std::to_string(imp.ModoProgetto), {{"Diametro", 0}, {"Passo", 1}}});
    if (imp.ModoProgetto != 0) {
        VoceParametro passo{IdIncrPasso, "Incremento passo", TipoParametro::Lista,
                            std::to_string(imp.IndiceIncrPasso), {}};
        for (int i = 0; i < static_cast<int>(PassiIncremento.size()); ++i)
            passo.Scelte.push_back({PassiIncremento[i].Testo, i});
        voci.push_back(std::move(passo));
    } else {
        voci.push_back({IdIncrDiam, "Incremento diametro", TipoParametro::Lista,
                        std::to_string(imp.IndiceIncrDiam), {{"1 mm", 0}, {"2 mm", 1}}});
    }
    voci.push_back({IdCopertura, "Copertura min. nodi (%)", TipoParametro::Testo,
                    NumeroSemplice(imp.CoperturaMin), {}});
    return voci;
}

bool ValidaParametro(Impostazioni& imp, int id, std::string& testo, std::string_view testoCorrente) {
    int Impostazioni::*destinazione = nullptr;
    CampoNumerico campo = CampoCopertura;
    if (id == IdCopertura) {
        destinazione = &Impostazioni::CoperturaMin;
    } else {
        for (const Limite& l : Limiti) {
            if (l.Id != id) continue;
            destinazione = l.Valore;
            campo = l.Campo;
        }
    }
    if (destinazione == nullptr) return false;
    const std::optional<float> valore = ValoreCampo(campo, ValoreTesto(testo));
    if (!valore) {
        testo = testoCorrente;
        return false;
    }
    imp.*destinazione = static_cast<int>(*valore);
    return true;
}

bool CambiaParametro(Impostazioni& imp, int id, int scelta) {
    if (id == IdModo) {
        imp.ModoProgetto = scelta;
        return true;
    }
    if (id == IdIncrPasso) {
        imp.IndiceIncrPasso = scelta;
        if (scelta >= 0 && scelta < static_cast<int>(PassiIncremento.size()))
            imp.IncrPasso = PassiIncremento[scelta].Valore;
    } else if (id == IdIncrDiam) {
        imp.IndiceIncrDiam = scelta;
        imp.IncrDiam = scelta == 0 ? 1 : 2;
    }
    return false;
}
