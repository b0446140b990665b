#include "ui/LayoutFinestra.h"

#include <algorithm>

namespace {

// Twips to whole pixels, rounded.
int Px(int twip, int tpp) { return (twip + tpp / 2) / tpp; }

// The prompt line's height in twips: its design height, or what its text needs.
int AltezzaPromptTwip(int altezzaPrompt, int tpp) {
    return std::max(MisureColonna::AltezzaPrompt, altezzaPrompt * tpp);
}

}  // namespace

LayoutFinestra CalcolaLayout(QSize client, int twipPerPixel, int altezzaPrompt) {
    using namespace MisureColonna;
    const int tpp = std::max(1, twipPerPixel);
    // The pass works in twips, as the design sizes are given.
    const int R = client.width() * tpp;
    const int B = client.height() * tpp;
    const int prompt = AltezzaPromptTwip(altezzaPrompt, tpp);
    const int h = B - AltezzaSelettori - AltezzaLegenda - AltezzaInformazioni - prompt;
    const int griglia = std::max(h, AltezzaMinimaGriglia);
    const int sinistra = std::max(0, R - Larghezza);

    auto rettangolo = [tpp](int x, int y, int w, int altezza) {
        return QRect(Px(x, tpp), Px(y, tpp), Px(w, tpp), Px(altezza, tpp));
    };
    LayoutFinestra l;
    int y = 0;
    l.Selettori = rettangolo(sinistra, y, Larghezza, AltezzaSelettori);
    y += AltezzaSelettori;
    l.Legenda = rettangolo(sinistra, y, Larghezza, AltezzaLegenda);
    y += AltezzaLegenda;
    l.Informazioni = rettangolo(sinistra, y, Larghezza, AltezzaInformazioni);
    y += AltezzaInformazioni;
    l.Griglia = rettangolo(sinistra, y, Larghezza, griglia);
    y += griglia;
    l.Prompt = rettangolo(sinistra, y, Larghezza, prompt);
    // The canvas takes the pixels the column leaves, so the two always meet.
    l.Tela = QRect(0, 0, std::max(0, client.width() - Px(Larghezza, tpp)), client.height());
    l.AltezzaTela = static_cast<float>(l.Tela.height());
    return l;
}

int AltezzaMinimaClient(int twipPerPixel, int altezzaPrompt) {
    using namespace MisureColonna;
    const int tpp = std::max(1, twipPerPixel);
    const int twip = AltezzaSelettori + AltezzaLegenda + AltezzaInformazioni +
                     AltezzaPromptTwip(altezzaPrompt, tpp) + AltezzaMinimaGriglia;
    return (twip + tpp - 1) / tpp;
}
