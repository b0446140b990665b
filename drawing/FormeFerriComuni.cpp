#include "drawing/FormeFerriComuni.h"

#include "drawing/FormeFerri.h"
#include "drawing/Primitive.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/Sovrapposizione.h"

MisureFerro CalcolaMisureFerro(const Parete& parete, const Impostazioni& imp, int posizione,
                               int diametro) {
    const float ancoraggio = static_cast<float>(LunghezzaSovrapposizione(imp, diametro, 0));
    MisureFerro m;
    if (parete.MagliaUnica != 0) {
        m.Gamba = ancoraggio;
    } else {
        // Clear depth between the two direction-1 meshes.
        m.Gamba = parete.SpessoreParete - 2.0f * parete.Copriferro -
                  static_cast<float>(parete.DiamDir1Piu + parete.DiamDir1Meno) / 10.0f;
        if (posizione > 0 && m.Gamba > ancoraggio) m.Gamba = ancoraggio;
    }
    const float d = static_cast<float>(diametro);
    m.Sovrapposizione = 2.0f * ancoraggio;
    const float minimo = static_cast<float>(imp.SovrappMin) * d / 10.0f;
    const float massimo = static_cast<float>(imp.SovrappMax) * d / 10.0f;
    if (m.Sovrapposizione < minimo) m.Sovrapposizione = minimo;
    if (m.Sovrapposizione > massimo) m.Sovrapposizione = massimo;
    return m;
}

std::string SuffissoLato(int lato) { return lato != 0 ? " (-)" : " (+)"; }

std::string EtichettaPezzo(const Impostazioni& imp, const std::string& prefisso,
                           bool pezzoIntero, int diametro, float passo,
                           const std::string& lunghezza, int posizione, int lato) {
    std::string testo = prefisso + SegnoDiametro + (pezzoIntero ? " " : "") +
                        std::to_string(diametro) + "/" + FormatoMisura(passo) + " L=" +
                        lunghezza;
    if (posizione > 0) testo += " (" + std::to_string(posizione) + ")";
    if (imp.IndicaLato != 0) testo += SuffissoLato(lato);
    return testo;
}

int FerroSviluppato::Disegna(std::span<const PezzoFerro> pezzi, float traverso,
                             int primoPezzo) const {
    int totale = 0;
    int numero = primoPezzo;
    for (const PezzoFerro& p : pezzi) {
        const float t = numero % 2 == 0 ? traverso : traverso + verso.Sfalsamento;
        int somma = 0;
        if (p.Tipo == TipoPezzo::Accorciato) {
            // Drawn before its start leg.
            somma += Ferro(p.Inizio, t, p.Fine, t, 0);
            if (p.GambaIniziale) somma += Gamba(p.Inizio, t, true);
        } else {
            if (p.GambaIniziale) somma += Gamba(p.Inizio, t, true);
            const bool inLinea = p.Tipo == TipoPezzo::Unico && p.Prolunga != 0.0f;
            somma += Ferro(p.Inizio, t, inLinea ? p.Fine + p.Prolunga : p.Fine, t, 0);
            if (p.Tipo == TipoPezzo::Ultimo && p.Prolunga != 0.0f)
                somma += Ferro(p.Fine, t, p.Fine + p.Prolunga, t, 0);
            if (p.GambaFinale) somma += Gamba(p.Fine, t, false);
        }
        Etichetta(p, t, somma);
        totale += p.LunghezzaContata.value_or(somma);
        numero += 1;
    }
    return totale;
}

int FerroSviluppato::Ferro(float lungo1, float traverso1, float lungo2, float traverso2,
                           int latoTesto) const {
    if (verso.Verticale)
        return DisFerro(traverso1, lungo1, traverso2, lungo2, latoTesto, LayerFerriSezione,
                        LayerTestoFerri, b);
    return DisFerro(lungo1, traverso1, lungo2, traverso2, latoTesto, LayerFerriSezione,
                    LayerTestoFerri, b);
}

int FerroSviluppato::Gamba(float lungo, float traverso, bool iniziale) const {
    const int latoTesto = iniziale ? 1 : 0;
    if (parete.MagliaUnica == 0)
        return Ferro(lungo, traverso, lungo, traverso + verso.Gamba, latoTesto);
    if (parete.PiegaAncoraggio == 0) return 0;
    const float a = traverso + verso.PiegaTraverso;
    const float ritorno = iniziale ? lungo + verso.PiegaLungo / 2.0f - PassoPiega
                                   : lungo - verso.PiegaLungo / 2.0f + PassoPiega;
    return Ferro(lungo, traverso, lungo, a, verso.PiegaLatoOpposto ? 1 - latoTesto : latoTesto) +
           Ferro(lungo, a, ritorno, a, 1);
}

void FerroSviluppato::Etichetta(const PezzoFerro& p, float traverso, int disegnata) const {
    if (b.Misura()) return;
    const std::string lunghezza =
        p.LunghezzaScritta ? FormatoDec(*p.LunghezzaScritta, 0) : std::to_string(disegnata);
    const std::string testo = EtichettaPezzo(imp, verso.Prefisso, p.Tipo == TipoPezzo::Intero,
                                             diametro, passo, lunghezza, posizione, lato);
    const float t = traverso + p.ScostamentoEtichetta;
    const float x = verso.Verticale ? t : p.CentroEtichetta;
    const float y = verso.Verticale ? p.CentroEtichetta : t;
    ScriviTesto(x, y, testo, 0, LayerTestoFerri, 1, 0, verso.AngoloTesto, b);
}
