#include "interaction/SelezioneVista.h"

#include "design/EstensioneTavola.h"
#include "design/MappaIntervalli.h"
#include "model/Nodo.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "model/TestoNumerico.h"

namespace {

// View modes, in the order of the view commands.
enum ModoVistaComando : int {
    Diffusa = 0,
    Integrativa = 1,
    Tavola = 2,
    DisponiIntegrative = 3,
    MappaRichiesta = 4,
    MappaEccedenza = 5,
};

constexpr int VistaTavola = 5;
constexpr int VistaMappa = 9999;

// Display states 2 to 13 draw a colour map, whatever the view id.
bool StatoConMappa(int statoVista) { return statoVista >= 2 && statoVista <= 13; }
constexpr int TipoMancante = 5;
constexpr int TipoEccedenza = 10;

// Layer index of a face and a direction: 0 dir 1 "+", 1 dir 1 "-", 2 dir 2 "+", 3 dir 2 "-".
int StratoDi(int lato, int direzione) { return lato + 2 * direzione; }

bool TipoConScala(int tipo) {
    return (tipo >= 0 && tipo <= 3) || (tipo >= TipoEccedenza && tipo <= TipoEccedenza + 3);
}

// Sets the range of the map of type tipo, when it has one: nil without nodes,
// where the statistics of a previous wall may linger.
void ImpostaScala(StatoInterfaccia& stato, const Parete& parete, int tipo) {
    if (!TipoConScala(tipo)) return;
    stato.ScalaImpostata = false;
    if (parete.NumNodi <= 0) {
        stato.ScalaMax = 0.0f;
        stato.ScalaMin = 0.0f;
    } else if (tipo >= 0 && tipo <= 3) {
        stato.ScalaMax = parete.MaxRichiesta[SlotDiStrato(tipo)];
        stato.ScalaMin = parete.MinRichiesta[SlotDiStrato(tipo)];
    } else {
        const IntervalloMappa eccedenza = IntervalloEccedenza(parete, tipo - TipoEccedenza);
        stato.ScalaMax = eccedenza.Max;
        stato.ScalaMin = eccedenza.Min;
    }
}

}  // namespace

void AggiornaEstensioneVista(const StatoInterfaccia& stato, Parete& parete) {
    if (StatoConMappa(stato.StatoVista)) {
        // The map keeps within the elevation's frame.
        parete.Estensione = EstensionePianta(parete, VistaMappa);
    } else if (stato.VistaCorrente == VistaTavola) {
        parete.EstTavola = EstensioneTavola(parete);
        parete.Estensione = parete.EstTavola;
    } else {
        parete.Estensione = EstensionePianta(parete, stato.VistaCorrente);
    }
}

void DerivaStatoVista(StatoInterfaccia& stato, Parete& parete) {
    const int lato = stato.LatoCorrente == 0 ? 0 : 1;
    const int direzione = stato.DirezioneCorrente == 0 ? 0 : 1;
    const int strato = StratoDi(lato, direzione);
    // The four map layers in the order of their display states.
    const int ordineMappa = 2 * lato + direzione;
    switch (stato.ModoVista) {
        case Diffusa:
            stato.StatoVista = lato;
            stato.VistaCorrente = lato;
            break;
        case Integrativa:
            stato.StatoVista = 14 + lato;
            stato.VistaCorrente = 2 + lato;
            stato.LatoAttivo = lato;
            break;
        case Tavola:
            stato.StatoVista = 17;
            stato.VistaCorrente = 5;
            break;
        case DisponiIntegrative:
            // The previous view id stays.
            stato.StatoVista = 6 + ordineMappa;
            stato.TipoMappa = TipoMancante + strato;
            break;
        case MappaRichiesta:
        case MappaEccedenza:
            stato.StatoVista = 2 + ordineMappa;
            stato.TipoMappa = (stato.ModoVista == MappaRichiesta ? 0 : TipoEccedenza) + strato;
            ImpostaScala(stato, parete, stato.TipoMappa);
            stato.VistaCorrente = VistaMappa;
            break;
        default:
            break;
    }
    // The extents of what the new state shows.
    AggiornaEstensioneVista(stato, parete);
}

bool MappaConScala(const StatoInterfaccia& stato) {
    return stato.ModoVista == MappaRichiesta || stato.ModoVista == MappaEccedenza;
}

void ScalaDefault(StatoInterfaccia& stato, const Parete& parete) {
    ImpostaScala(stato, parete, stato.TipoMappa);
}

void SeguiDatiScala(StatoInterfaccia& stato, const Parete& parete) {
    if (MappaConScala(stato) && !stato.ScalaImpostata) ImpostaScala(stato, parete, stato.TipoMappa);
}

std::string TestoScala(float valore) { return FormatoDec(valore, 2); }

TestiScala TestiRiquadroScala(const StatoInterfaccia& stato, const Parete& parete) {
    if (parete.NumNodi <= 0) return {};
    return {TestoScala(stato.ScalaMax), TestoScala(stato.ScalaMin)};
}

TestiScalaRifiutati ApplicaScala(StatoInterfaccia& stato, std::string_view testoMax,
                                 std::string_view testoMin) {
    // A text that is no number is refused, not read as 0.
    const auto numero = [](std::string_view testo) -> std::optional<float> {
        if (!IniziaConNumero(testo)) return std::nullopt;
        return ValoreTesto(std::string(testo));
    };
    TestiScalaRifiutati rifiutati;
    const std::optional<float> minimo = numero(testoMin);
    if (minimo && *minimo >= 0.0f) {
        stato.ScalaMin = *minimo;
        stato.ScalaImpostata = true;
    } else {
        rifiutati.Min = TestoScala(stato.ScalaMin);
    }
    const std::optional<float> massimo = numero(testoMax);
    if (massimo && *massimo >= stato.ScalaMin) {
        stato.ScalaMax = *massimo;
        stato.ScalaImpostata = true;
    } else {
        rifiutati.Max = TestoScala(stato.ScalaMax);
    }
    return rifiutati;
}
