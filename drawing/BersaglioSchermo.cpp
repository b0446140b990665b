#include "drawing/BersaglioSchermo.h"

#include "drawing/Primitive.h"

#include <cmath>

namespace {

// Draws one stroke in the style of stile, whatever an earlier call left, and
// leaves the canvas solid.
template <typename Disegno>
void ConTratto(TelaSchermo& tela, StileTratto tratto, Disegno disegna) {
    tela.ImpostaStileTratto(tratto);
    disegna();
    if (tratto != StileTratto::Continuo) tela.ImpostaStileTratto(StileTratto::Continuo);
}

template <typename Disegno>
void ConStile(TelaSchermo& tela, int stile, Disegno disegna) {
    const bool punteggiato = stile == Stile::Punteggiato || stile == Stile::Punteggiato2;
    ConTratto(tela, punteggiato ? StileTratto::Punteggiato : StileTratto::Continuo, disegna);
}

// Estimated width of a text in characters: narrow letters and signs count
// less, wide ones more. Each test counts once, whatever the number of hits.
float CaratteriStimati(const std::string& testo) {
    const auto contiene = [&testo](const char* parte) {
        return testo.find(parte) != std::string::npos;
    };
    float n = static_cast<float>(NumeroCaratteri(testo));
    if (contiene(".")) n -= 0.8f;
    if (contiene(" ")) n -= 0.8f;
    if (contiene(",")) n -= 0.8f;
    if (contiene("tt")) n -= 1.0f;
    else if (contiene("t")) n -= 0.6f;
    if (contiene("ff")) n -= 1.0f;
    else if (contiene("f")) n -= 0.6f;
    if (contiene("/")) n -= 0.6f;
    if (contiene("m")) n += 0.4f;
    if (contiene(SegnoDiametro)) n += 0.5f;
    if (contiene("i")) n -= 0.6f;
    if (contiene("r")) n -= 0.6f;
    return n;
}

int PixelInteri(float valore) { return static_cast<int>(std::nearbyint(valore)); }

}  // namespace

BersaglioSchermo::BersaglioSchermo(TelaSchermo& tela, StratoTela strato, const Vista& vista,
                                   const Impostazioni& imp, const MascheraLayer& layerAttivi)
    : Bersaglio(Tipo::Schermo, imp, layerAttivi), tela_(&tela), strato_(strato), vista_(&vista) {}

void BersaglioSchermo::Linea(float x1, float y1, float x2, float y2, int layer,
                             int stile) const {
    const Vista& v = *vista_;
    ConStile(*tela_, stile, [&] {
        tela_->Linea(strato_, XSchermo(v, x1), YSchermo(v, y1), XSchermo(v, x2),
                     YSchermo(v, y2), Imp().ColoriSchermo[layer]);
    });
}

void BersaglioSchermo::Evidenziazione(float x1, float y1, float x2, float y2,
                                      int colore) const {
    const Vista& v = *vista_;
    ConStile(*tela_, Stile::Pieno, [&] {
        tela_->Linea(strato_, XSchermo(v, x1), YSchermo(v, y1), XSchermo(v, x2),
                     YSchermo(v, y2), colore);
    });
}

void BersaglioSchermo::Cerchio(float xc, float yc, float r, int layer, int stile) const {
    const Vista& v = *vista_;
    const int colore = stile >= Stile::Giallo ? Imp().ColGiallo : Imp().ColoriSchermo[layer];
    ConStile(*tela_, stile, [&] {
        tela_->Cerchio(strato_, XSchermo(v, xc), YSchermo(v, yc), r * v.Scala, colore);
    });
}

void BersaglioSchermo::Testo(float x, float y, const std::string& testo, float altezza,
                             int layer, int allineaH, int allineaV, float angolo, float seno,
                             float coseno) const {
    const Vista& v = *vista_;
    const float h = v.Scala * altezza * 0.9f;
    const float w = 0.38f * h;
    if (w <= 1.0f) return;  // too small to read at this zoom
    float X = XSchermo(v, x);
    float dY = 0.0f;
    if (allineaH != Allinea::Sinistra) {
        const float lunghezza = (1.38f * v.Scala + w) * CaratteriStimati(testo);
        const float quota = allineaH == Allinea::Centro ? 0.5f : 1.0f;
        X -= coseno * lunghezza * quota;
        dY = seno * lunghezza * quota;
    }
    const float Y0 = YSchermo(v, y) + dY;
    float Y = Y0;  // top: the text hangs from the anchor
    if (allineaV == Allinea::Basso) {
        X -= 1.05f * h * seno;
        Y = Y0 - coseno * h;
    } else if (allineaV == Allinea::Mezzo) {
        X -= 0.55f * h * seno;
        Y = Y0 - 0.5f * coseno * h;
    }
    tela_->ImpostaColorePrimoPiano(Imp().ColoriSchermo[layer]);
    TestoVideo(PixelInteri(X), PixelInteri(Y), h, w, PixelInteri(angolo), testo);
}

void BersaglioSchermo::TestoVideo(int x, int y, float altezza, float larghezza, int angolo,
                                  const std::string& testo) const {
    tela_->Testo(strato_, x, y, PixelInteri(altezza), PixelInteri(larghezza), angolo, testo);
}

void BersaglioSchermo::ColoreTestoVideo(int colore) const {
    tela_->ImpostaColorePrimoPiano(colore);
}

void BersaglioSchermo::LineaVideo(float x1, float y1, float x2, float y2, int colore,
                                  StileTratto stile) const {
    ConTratto(*tela_, stile, [&] { tela_->Linea(strato_, x1, y1, x2, y2, colore); });
}

void BersaglioSchermo::RiquadroVideo(float x1, float y1, float x2, float y2, int colore,
                                     bool pieno) const {
    tela_->Riquadro(strato_, x1, y1, x2, y2, colore, pieno);
}
