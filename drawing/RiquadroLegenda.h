#pragma once

#include <string>

// How the inside of an outlined box is painted: filled in the box's own
// colour, or left as it is.
enum class Riempimento { Pieno, Trasparente };

// The legend box beside the canvas as the legends see it: positions in twips
// from its top-left corner, y downwards, colours packed as R + 256 G + 65536 B.
// Legends draw into its persistent image, which they switch on at the start
// and off at the end. The window implements it; tests record the calls.
class RiquadroLegenda {
public:
    virtual ~RiquadroLegenda() = default;

    // The screen's twips per pixel, the unit of the legend layouts.
    virtual int TwipPerPixel() const = 0;

    virtual void ImmaginePersistente(bool attiva) = 0;
    // Clears what the persistent-image switch currently addresses.
    virtual void Cancella() = 0;
    virtual void ImpostaSpessoreTratto(int pixel) = 0;
    // Inside of the outlined boxes that follow.
    virtual void ImpostaRiempimento(Riempimento riempimento) = 0;
    virtual void ImpostaColoreTesto(int colore) = 0;

    // One text as a whole line in the box's font, its top-left corner at (x, y).
    virtual void Testo(float x, float y, const std::string& testo) = 0;
    virtual void Linea(float x1, float y1, float x2, float y2, int colore) = 0;
    // A box from two opposite corners: filled in its colour when pieno,
    // otherwise its outline with the inside as the fill style says.
    virtual void Riquadro(float x1, float y1, float x2, float y2, int colore, bool pieno) = 0;
};
