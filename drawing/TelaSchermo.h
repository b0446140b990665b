#pragma once

#include <span>
#include <string>
#include <vector>

// A point of the canvas in whole pixels.
struct PuntoPixel {
    int X = 0;
    int Y = 0;
};

// A box of the canvas from two opposite corners, in pixels, and its colour.
struct RiquadroPixel {
    float X1 = 0.0f;
    float Y1 = 0.0f;
    float X2 = 0.0f;
    float Y2 = 0.0f;
    int Colore = 0;
};

enum class StileTratto { Continuo, Punteggiato };

// The two layers of the canvas: the persistent image of the drawing and the
// transient overlay (highlights, rubber bands, guide lines, snap marks).
enum class StratoTela { Immagine, Transitorio };

// The screen canvas as the drawing code sees it: pixel coordinates with y
// downwards, colours packed as R + 256 G + 65536 B. Every drawing call names
// the layer it draws on, so no setting left behind by an earlier call can
// send a stroke to the wrong one; clearing the overlay never erases the image.
// The window implements it; tests record the calls.
class TelaSchermo {
public:
    virtual ~TelaSchermo() = default;

    // Canvas size in pixels.
    virtual float Larghezza() const = 0;
    virtual float Altezza() const = 0;

    // Clears one layer.
    virtual void Cancella(StratoTela strato) = 0;

    // A whole redraw comes between these two: a canvas may hold one painter
    // on its image for all the strokes and show them once at the end. They
    // nest; only the outermost pair counts.
    virtual void IniziaDisegno() {}
    virtual void FineDisegno() {}

    virtual void ImpostaColoreSfondo(int colore) = 0;
    // Colour of the texts.
    virtual void ImpostaColorePrimoPiano(int colore) = 0;
    virtual void ImpostaStileTratto(StileTratto stile) = 0;
    virtual void ImpostaSpessoreTratto(int pixel) = 0;

    virtual void Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) = 0;
    // A box from two opposite corners: its outline, or filled when pieno.
    virtual void Riquadro(StratoTela strato, float x1, float y1, float x2, float y2, int colore,
                          bool pieno) = 0;
    // Many boxes, all outlined or all filled, with the pixels of one Riquadro
    // each in turn; a canvas may draw them more cheaply at once.
    virtual void Riquadri(StratoTela strato, std::span<const RiquadroPixel> riquadri, bool pieno) {
        for (const RiquadroPixel& r : riquadri) Riquadro(strato, r.X1, r.Y1, r.X2, r.Y2, r.Colore, pieno);
    }
    // A circle outline.
    virtual void Cerchio(StratoTela strato, float xc, float yc, float r, int colore) = 0;
    // A polygon filled in one colour: the pixels whose centres it covers.
    virtual void Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti,
                          int colore) = 0;
    // Until RimuoviRitaglio, Poligono paints only inside the ring contorno
    // and outside every ring of fori (rings open or closed; an opening may
    // reach beyond the outline). The colour maps keep to the wall with it.
    // A canvas that keeps no picture (a measure, a recorder) may ignore it.
    virtual void RitagliaPoligoni(const std::vector<PuntoPixel>& /*contorno*/,
                                  const std::vector<std::vector<PuntoPixel>>& /*fori*/) {}
    virtual void RimuoviRitaglio() {}
    // A single-line text in the foreground colour, font "Arial" of the given
    // character height and width in pixels, rotated counter-clockwise by the
    // angle; (x, y) is the top-left corner of the unrotated text cell. The
    // text is UTF-8 in which U+009D stands for the diameter sign.
    virtual void Testo(StratoTela strato, int x, int y, int altezza, int larghezza,
                       int angoloGradi, const std::string& testo) = 0;
};

// One redraw's drawing held open on a canvas for as long as it lives.
class DisegnoAperto {
public:
    explicit DisegnoAperto(TelaSchermo& tela) : tela_(tela) { tela_.IniziaDisegno(); }
    ~DisegnoAperto() { tela_.FineDisegno(); }
    DisegnoAperto(const DisegnoAperto&) = delete;
    DisegnoAperto& operator=(const DisegnoAperto&) = delete;

private:
    TelaSchermo& tela_;
};
