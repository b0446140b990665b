#pragma once

#include "drawing/Bersaglio.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"

#include <string>

// The screen canvas through the view transform. The target is bound to one
// layer of the canvas when it is made and draws nothing anywhere else: the
// persistent image for the drawing, the transient overlay for highlights and
// rubber bands. Lines on the highlight pseudo-layers are drawn here only.
class BersaglioSchermo final : public Bersaglio {
public:
    BersaglioSchermo(TelaSchermo& tela, StratoTela strato, const Vista& vista,
                     const Impostazioni& imp, const MascheraLayer& layerAttivi = TuttiILayer());

    StratoTela Strato() const { return strato_; }
    const Vista& VistaSchermo() const { return *vista_; }
    float ScalaTesti() const override { return 1.0f; }

    // A rotated text at a pixel position in the canvas foreground colour.
    void TestoVideo(int x, int y, float altezza, float larghezza, int angolo,
                    const std::string& testo) const;
    // The colour of the texts that TestoVideo writes next.
    void ColoreTestoVideo(int colore) const;
    // Pixel drawing in an explicit screen colour, for what only the screen
    // shows (the polygon under edit, the grips): a line, dotted or solid
    // (the canvas is left solid), and a box between two opposite corners,
    // outlined or filled.
    void LineaVideo(float x1, float y1, float x2, float y2, int colore,
                    StileTratto stile = StileTratto::Continuo) const;
    void RiquadroVideo(float x1, float y1, float x2, float y2, int colore, bool pieno) const;

private:
    void Linea(float x1, float y1, float x2, float y2, int layer, int stile) const override;
    void Cerchio(float xc, float yc, float r, int layer, int stile) const override;
    void Testo(float x, float y, const std::string& testo, float altezza, int layer,
               int allineaH, int allineaV, float angolo, float seno,
               float coseno) const override;
    void Evidenziazione(float x1, float y1, float x2, float y2, int colore) const override;

    TelaSchermo* tela_;
    StratoTela strato_;
    const Vista* vista_;
};
