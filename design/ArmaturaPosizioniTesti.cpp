#include "design/ArmaturaPosizioniTesti.h"

#include "drawing/FormeFerriPiano.h"
#include "drawing/Primitive.h"
#include "model/Numeri.h"

#include <cmath>

std::string TestoLunghezzaBarra(float l, float lungMax, int sovrapposizione) {
    // A bar of more pieces than a split draws is written whole, as it is drawn.
    const float interi = lungMax > 0.0f ? std::floor(l / lungMax) : 0.0f;
    if (!(interi >= 1.0f && interi <= static_cast<float>(MassimoPezziFerro)))
        return FormatoDec(l, 0);
    const int pieni = static_cast<int>(interi);
    std::string testo;
    const std::string pezzo = FormatoDec(lungMax, 0) + "+";
    for (int i = 0; i < pieni; ++i) testo += pezzo;
    const float resto = static_cast<float>(pieni) * static_cast<float>(sovrapposizione) + l -
                        static_cast<float>(pieni) * lungMax;
    return testo + FormatoDec(10.0f * ArrotondaMezzoSu(resto / 10.0f), 0);
}

TestiEtichetta TestiEtichettaZona(const BarreZona& barre, int diametro, float passo,
                                  float lungMax, int sovrapposizione) {
    if (barre.Numero <= 0) return {};
    const std::string massima = TestoLunghezzaBarra(barre.Massima, lungMax, sovrapposizione);
    const std::string lunghezza =
        std::fabs(barre.Massima - barre.Minima) > 0.1f
            ? "L var. min." + TestoLunghezzaBarra(barre.Minima, lungMax, sovrapposizione) +
                  ", max." + massima
            : "L=" + massima;
    const std::string descrizione = std::to_string(barre.Numero) + SegnoDiametro +
                                    std::to_string(diametro) + "/" + FormatoDec(passo, 0);
    if (NumeroCaratteri(lunghezza) < 7) return {descrizione + " " + lunghezza, ""};
    return {descrizione, lunghezza};
}
