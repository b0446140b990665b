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

bool FerroDivisibile(const Impostazioni& imp, float gambaIniziale, float sovrapposizione) {
    return imp.LungMaxFerri > sovrapposizione &&
           imp.LungMaxFerri - gambaIniziale > ScortaUltimoPezzo;
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
