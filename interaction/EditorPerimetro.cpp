#include "interaction/EditorPerimetro.h"

#include "design/Modifica.h"
#include "interaction/CordoliPerimetro.h"
#include "model/CampoNumerico.h"
#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/PuntiCoincidenti.h"
#include "model/Sessione.h"
#include "model/TestoNumerico.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

bool PosizioneValida(const StatoInterfaccia& stato, int i) {
    return i >= 0 && i <= stato.UltVerticeLista && i < static_cast<int>(stato.OrdineVertici.size());
}

}  // namespace

std::string TitoloAvviso() { return "Attenzione!"; }

int AggiungiVertice(StatoInterfaccia& stato, Punto p) {
    std::vector<Punto>& pool = stato.PoolVertici;
    for (std::size_t k = 0; k < pool.size(); ++k)
        if (PuntiCoincidenti(pool[k], p)) return static_cast<int>(k);
    pool.push_back(p);
    return static_cast<int>(pool.size()) - 1;
}

std::string TitoloEditorPerimetro(int perimetro) {
    return perimetro == 0 ? "Perimetro esterno" : "Perimetro interno";
}

void CaricaEditorPerimetro(Sessione& sessione, int perimetro) {
    StatoInterfaccia& stato = sessione.stato;
    const Parete& p = sessione.parete;
    const std::vector<Punto>& poligono = perimetro == 0 ? p.PerimetroEsterno : p.PerimetroInterno;
    const int n = std::min(perimetro == 0 ? p.NumPuntiEst : p.NumPuntiInt,
                           static_cast<int>(poligono.size()));
    stato.ModificaPoligono = 1;
    stato.PerimetroInModifica = perimetro;
    stato.PoolVertici.clear();
    stato.OrdineVertici.assign(std::max(n, 0), 0);
    stato.UltVerticeLista = n - 1;
    for (int i = 0; i < n; ++i) stato.OrdineVertici[i] = AggiungiVertice(stato, poligono[i]);
    SelezionaVertice(stato, 0);
    stato.Modo = ModoInput::Inattivo;
}

Punto PuntoVertice(const StatoInterfaccia& stato, int i) {
    return stato.PoolVertici[stato.OrdineVertici[i]];
}

std::vector<std::string> RigheVertici(const StatoInterfaccia& stato) {
    std::vector<std::string> righe;
    for (int i = 0; PosizioneValida(stato, i); ++i) {
        const Punto p = PuntoVertice(stato, i);
        righe.push_back((i < 9 ? " " : "") + NumeroSemplice(i + 1) + " - X = " +
                        FormatoDec(p.X, 1) + "    Y = " + FormatoDec(p.Y, 1));
    }
    return righe;
}

std::string EtichettaVertice(int i) { return "Vertice " + NumeroSemplice(i + 1) + ":"; }

void SelezionaVertice(StatoInterfaccia& stato, int i) {
    if (!PosizioneValida(stato, i)) {
        stato.VerticeSelezionato = -1;
        return;
    }
    const Punto p = PuntoVertice(stato, i);
    stato.Text1 = {FormatoDec(p.X, 1), FormatoDec(p.Y, 1)};
    stato.VerticeSelezionato = i;
}

bool AssegnaCoordinate(StatoInterfaccia& stato, InterfacciaFinestra& finestra) {
    if (!PosizioneValida(stato, stato.VerticeSelezionato)) return false;
    if (!IniziaConNumero(stato.Text1[0]) || !IniziaConNumero(stato.Text1[1])) {
        finestra.Messaggio("Coordinate non valide.\nOperazione annullata.", TitoloAvviso(),
                           IconaMessaggio::Esclamazione);
        return false;
    }
    constexpr CampoNumerico campo = CampoCoordinata(DecimaliPerimetro);
    const std::optional<float> x = ValoreCampo(campo, ValoreTesto(stato.Text1[0]));
    const std::optional<float> y = ValoreCampo(campo, ValoreTesto(stato.Text1[1]));
    if (!x || !y) {
        finestra.Messaggio(MessaggioFuoriCampo(), TitoloAvviso(), IconaMessaggio::Esclamazione);
        SelezionaVertice(stato, stato.VerticeSelezionato);
        return false;
    }
    stato.OrdineVertici[stato.VerticeSelezionato] = AggiungiVertice(stato, Punto{*x, *y});
    SelezionaVertice(stato, stato.VerticeSelezionato);
    return true;
}

namespace {

bool ConfermaNumeroVertici(std::string_view domanda, int vertice, InterfacciaFinestra& finestra) {
    return finestra.Domanda(std::string(domanda) + std::to_string(vertice + 1) +
                                "?\nN.B. la modifica del numero dei vertici può compromettere il "
                                "corretto disegno di pareti o solai già presenti sui bordi.\n"
                                "Vuoi procedere ugulamente?",
                            TitoloAvviso(), IconaMessaggio::Nessuna);
}

}  // namespace

bool InserisciVertice(StatoInterfaccia& stato, InterfacciaFinestra& finestra) {
    const int sel = stato.VerticeSelezionato;
    if (!PosizioneValida(stato, sel)) return false;
    if (!ConfermaNumeroVertici("Vuoi inserire un nuovo vertice dopo il vertice ", sel, finestra))
        return false;
    const int successivo = sel == stato.UltVerticeLista ? 0 : sel + 1;
    const Punto a = PuntoVertice(stato, sel), b = PuntoVertice(stato, successivo);
    const int k = AggiungiVertice(stato, Punto{(a.X + b.X) / 2, (a.Y + b.Y) / 2});
    stato.OrdineVertici.insert(stato.OrdineVertici.begin() + sel + 1, k);
    ++stato.UltVerticeLista;
    SelezionaVertice(stato, sel + 1);
    return true;
}

bool EliminaVertice(StatoInterfaccia& stato, InterfacciaFinestra& finestra) {
    const int sel = stato.VerticeSelezionato;
    if (stato.UltVerticeLista <= 2 || !PosizioneValida(stato, sel)) return false;
    const bool elimina =
        ConfermaNumeroVertici("Vuoi eliminare il vertice ", sel, finestra);
    if (elimina) {
        stato.OrdineVertici.erase(stato.OrdineVertici.begin() + sel);
        --stato.UltVerticeLista;
    }
    SelezionaVertice(stato, std::max(sel - 1, 0));
    return elimina;
}

void AssegnaPerimetro(Sessione& sessione, InterfacciaFinestra& finestra) {
    StatoInterfaccia& stato = sessione.stato;
    Parete& p = sessione.parete;
    Modifica modifica(sessione, finestra, CodaRicalcolo::Completa, PuntoAnnullamento::Si);
    const int n = stato.UltVerticeLista + 1;
    std::vector<Punto> poligono;
    // Kept as the reinforcement file keeps them, so that what is saved and
    // reopened (and all that is derived from it) is what the engineer saw.
    for (int i = 0; i < n; ++i) poligono.push_back(VerticeScritto(PuntoVertice(stato, i)));
    if (n > 0) poligono.push_back(poligono.front());
    const bool esterno = stato.PerimetroInModifica == 0;
    const std::vector<Punto> esternoPrima = p.PerimetroEsterno;
    const int numPrima = p.NumPuntiEst;
    (esterno ? p.PerimetroEsterno : p.PerimetroInterno) = poligono;
    if (n != (esterno ? p.NumPuntiEst : p.NumPuntiInt)) {
        p.NumPuntiEst = p.NumPuntiInt = p.NumPuntiContorno = n;
        (esterno ? p.PerimetroInterno : p.PerimetroEsterno) = poligono;
        p.Contorno = poligono;
    }
    CordoliSeguonoPerimetro(p, esternoPrima, numPrima);
    stato.ModificaPoligono = 0;
    modifica.Conferma();
}

OrigineEditor OrigineEditorDi(const Parete& parete) {
    return {parete.FileCorrente, parete.PerimetroEsterno, parete.PerimetroInterno, parete.Contorno};
}
