#include "drawing/FormeFerri.h"

#include "drawing/FormeFerriComuni.h"
#include "drawing/Primitive.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <cmath>

void DisStaffaCordolo(const Parete& parete, int posizione, float y, float x1, float x2,
                      int diametro, float passo, const Bersaglio& b) {
    const float w = x2 - x1;
    const float h = parete.SpessoreParete - 2.0f * parete.Copriferro -
                    static_cast<float>(parete.DiamDir1Piu + parete.DiamDir1Meno) / 10.0f;
    DisLinea(x1, y, x2, y, LayerFerriSezione, 0, b);
    DisFerro(x1, y - h, x2, y - h, 0, LayerFerriSezione, 1, b);
    DisFerro(x1, y, x1, y - h, 1, LayerFerriSezione, 1, b);
    DisLinea(x2, y, x2, y - h, LayerFerriSezione, 0, b);

    const float gancio = 1.41f * static_cast<float>(diametro);
    DisLinea(x1 + 1.5f, y, x1 + 1.5f + gancio, y - gancio, LayerFerriSezione, 0, b);
    DisLinea(x1, y - 1.5f, x1 + gancio, y - 1.5f - gancio, LayerFerriSezione, 0, b);

    // 2 d cm with d in mm is the allowance of the two hooks, 10 diameters each.
    const float lunghezza = 2.0f * std::fabs(h) + 2.0f * w + 2.0f * static_cast<float>(diametro);
    const std::string descrizione =
        std::string("St.") + SegnoDiametro + std::to_string(diametro) + "/" + FormatoMisura(passo);
    ScriviTesto(x2 + 7.0f, y + 3.0f, descrizione, 0, LayerTestoFerri, 0, 2, 0.0f, b);
    const std::string testoLunghezza =
        "L=" + FormatoDec(lunghezza, 0) + "  (" + std::to_string(posizione) + ")";
    ScriviTesto(x2 + 7.0f, y - 10.0f, testoLunghezza, 0, LayerTestoFerri, 0, 2, 0.0f, b);
}

namespace {

// The pieces of one horizontal bar with what they all share.
struct FerroOrizz {
    const Parete& parete;
    const Impostazioni& imp;
    const Bersaglio& b;
    int posizione;
    int lato;
    int diametro;
    float passo;
    float gamba;  // signed: negative turns the legs downwards

    // End leg at x on the line yp; sinistra for the bar's start.
    int Gamba(float x, float yp, bool sinistra) const {
        const int latoTesto = sinistra ? 1 : 0;
        if (parete.MagliaUnica == 0)
            return DisFerro(x, yp, x, yp + gamba, latoTesto, LayerFerriSezione, LayerTestoFerri, b);
        if (parete.PiegaAncoraggio == 0) return 0;
        const float piega = sinistra ? x + gamba / 2.0f - 5.0f : x - gamba / 2.0f + 5.0f;
        return DisFerro(x, yp, x, yp + 5.0f, latoTesto, LayerFerriSezione, LayerTestoFerri, b) +
               DisFerro(x, yp + 5.0f, piega, yp + 5.0f, 1, LayerFerriSezione, LayerTestoFerri,
                        b);
    }

    int Tratto(float xa, float xb, float yp) const {
        return DisFerro(xa, yp, xb, yp, 0, LayerFerriSezione, LayerTestoFerri, b);
    }

    void Etichetta(float x, float yp, bool pezzoIntero, const std::string& lunghezza) const {
        if (b.Misura()) return;
        ScriviTesto(x, yp, EtichettaPezzo(imp, "1", pezzoIntero, diametro, passo, lunghezza,
                                          posizione, lato),
                    0, LayerTestoFerri, 1, 0, 0.0f, b);
    }
};

}  // namespace

int DisFerroOrizz(const Parete& parete, const Impostazioni& imp, int posizione, int lato,
                  float y, float x1, float x2, int diametro, float passo, int gambaSinistra,
                  int gambaDestra, const Bersaglio& b) {
    const float campata = x2 - x1;
    if (campata < 0.9f) return 0;
    const MisureFerro misure = CalcolaMisureFerro(parete, imp, posizione, diametro);
    const float gambaSx = gambaSinistra != 0 ? misure.Gamba : 0.0f;
    const float gambaDx = gambaDestra != 0 ? misure.Gamba : 0.0f;
    const FerroOrizz ferro{parete, imp, b, posizione, lato, diametro, passo,
                           lato == 1 ? -misure.Gamba : misure.Gamba};
    const float lungMax = imp.LungMaxFerri;
    const float sovrapp = misure.Sovrapposizione;

    if (campata < lungMax - gambaSx - gambaDx || !FerroDivisibile(imp, gambaSx, sovrapp)) {
        int somma = 0;
        if (gambaSinistra != 0) somma += ferro.Gamba(x1, y, true);
        somma += ferro.Tratto(x1, x2, y);
        if (gambaDestra != 0) somma += ferro.Gamba(x2, y, false);
        ferro.Etichetta((x1 + x2) / 2.0f, y + 1.5f, false, std::to_string(somma));
        return somma;
    }

    int totale = 0;
    float resto = campata;
    float xs = x1;
    int k = 0;
    auto quota = [&](int pezzo) { return pezzo % 2 == 0 ? y : y - SfalsamentoPezzi; };
    // The last piece, from xs to the bar's end; it carries the start leg too
    // when it is the only piece.
    auto ultimoPezzo = [&]() {
        const float yp = quota(k);
        int somma = 0;
        if (k == 0 && gambaSinistra != 0) somma += ferro.Gamba(x1, yp, true);
        somma += ferro.Tratto(xs, x2, yp);
        if (gambaDestra != 0) somma += ferro.Gamba(x2, yp, false);
        ferro.Etichetta((xs + x2) / 2.0f, yp + 1.5f, false, std::to_string(somma));
        totale += somma;
    };

    while (resto > 0.0f) {
        const float yp = quota(k);
        const float pezzoMax = (k == 0) ? lungMax - gambaSx : lungMax;
        if (resto - pezzoMax > ScortaUltimoPezzo) {
            const float xe = xs + pezzoMax;
            int somma = 0;
            if (k == 0 && gambaSinistra != 0) somma += ferro.Gamba(x1, yp, true);
            somma += ferro.Tratto(xs, xe, yp);
            ferro.Etichetta((xs + xe) / 2.0f, yp + 1.5f, true, FormatoDec(lungMax, 0));
            totale += somma;
            resto = resto - pezzoMax + sovrapp;
            xs = xe - sovrapp;
            k += 1;
        } else if (resto - pezzoMax > 0.0f) {
            const float xe = xs + pezzoMax - ScortaUltimoPezzo;
            int somma = ferro.Tratto(xs, xe, yp);
            if (k == 0 && gambaSinistra != 0) somma += ferro.Gamba(x1, yp, true);
            ferro.Etichetta((xs + xe) / 2.0f, yp + 2.0f, false, std::to_string(somma));
            totale += somma;
            xs = xe - sovrapp;
            k += 1;
            ultimoPezzo();
            resto = 0.0f;
        } else {
            ultimoPezzo();
            resto = 0.0f;
        }
    }
    return totale;
}
