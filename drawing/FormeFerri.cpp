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

int DisFerroOrizz(const Parete& parete, const Impostazioni& imp, int posizione, int lato,
                  float y, float x1, float x2, int diametro, float passo, int gambaSinistra,
                  int gambaDestra, const Bersaglio& b) {
    const float campata = x2 - x1;
    if (campata < 0.9f) return 0;
    const MisureFerro misure = CalcolaMisureFerro(parete, imp, posizione, diametro);
    // Face 1 turns the legs downwards; split pieces step down.
    const float gamba = lato == 1 ? -misure.Gamba : misure.Gamba;
    const VersoFerro verso{.Verticale = false,
                           .Sfalsamento = -SfalsamentoPezzi,
                           .Gamba = gamba,
                           .PiegaTraverso = PassoPiega,
                           .PiegaLungo = gamba,
                           .PiegaLatoOpposto = false,
                           .Prefisso = "1",
                           .AngoloTesto = 0.0f};
    const FerroSviluppato ferro{parete, imp, b, posizione, lato, diametro, passo, verso};
    const CampataFerro piano{
        .Inizio = x1,
        .Fine = x2,
        .Lunghezza = campata,
        .ConGambaIniziale = gambaSinistra != 0,
        .GambaIniziale = gambaSinistra != 0 ? misure.Gamba : 0.0f,
        .TipoFine = gambaDestra != 0 ? FineCampata::Gamba : FineCampata::Libera,
        .Termine = gambaDestra != 0 ? misure.Gamba : 0.0f,
        .LungMax = imp.LungMaxFerri,
        .Sovrapposizione = misure.Sovrapposizione};
    return ferro.Disegna(PianificaPezzi(piano), y, 0);
}
