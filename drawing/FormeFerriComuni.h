#pragma once

#include "drawing/Bersaglio.h"
#include "drawing/FormeFerriPiano.h"

#include <span>
#include <string>

struct Impostazioni;
struct Parete;

// Shared by the horizontal and vertical developed bars.

// Lengths that follow from the bar diameter, cm.
struct MisureFerro {
    float Gamba = 0.0f;           // end leg
    float Sovrapposizione = 0.0f;  // lap between two pieces
};
MisureFerro CalcolaMisureFerro(const Parete& parete, const Impostazioni& imp, int posizione,
                               int diametro);

// Label of one piece: prefisso, the diameter sign, the diameter (after a
// blank for a full-length piece), "/", the spacing, " L=" and the length,
// then the position number and the face suffix when asked.
std::string EtichettaPezzo(const Impostazioni& imp, const std::string& prefisso,
                           bool pezzoIntero, int diametro, float passo,
                           const std::string& lunghezza, int posizione, int lato);

// Layers of the developed bars and of their texts.
inline constexpr int LayerFerriSezione = Layer::ArmaturaSez;
inline constexpr int LayerTestoFerri = Layer::TestoFerri;
// Pieces of a split bar alternate sideways by this, cm.
inline constexpr float SfalsamentoPezzi = 20.0f;
// A bent anchorage first steps this far aside, and its return ends this much
// short of half the leg, cm.
inline constexpr float PassoPiega = 5.0f;

// How a developed bar lies on the sheet: its pieces run along the bar, while
// legs, the stagger of the pieces and the labels go across it.
struct VersoFerro {
    bool Verticale = false;
    float Sfalsamento = 0.0f;  // every other piece moves across by this
    float Gamba = 0.0f;        // a straight end leg reaches across by this
    // A bent anchorage steps across by PiegaTraverso, then returns along the
    // bar, inwards by half of PiegaLungo less PassoPiega.
    float PiegaTraverso = 0.0f;
    float PiegaLungo = 0.0f;
    // The first stretch of a bent anchorage has its length on the side
    // opposite to the one of a straight leg at the same end.
    bool PiegaLatoOpposto = false;
    const char* Prefisso = "";  // of the labels
    float AngoloTesto = 0.0f;   // of the labels, degrees
};

// One developed bar: what its pieces share, and the drawing of a plan of
// pieces, whichever way the bar lies.
struct FerroSviluppato {
    const Parete& parete;
    const Impostazioni& imp;
    const Bersaglio& b;
    int posizione;
    int lato;
    int diametro;
    float passo;
    VersoFerro verso;

    // Draws the pieces at traverso across the bar, the first of them being the
    // bar's piece number primoPezzo (odd ones are staggered), with their legs,
    // run-ons and labels. Returns the length they count, in whole cm.
    int Disegna(std::span<const PezzoFerro> pezzi, float traverso, int primoPezzo) const;

private:
    int Ferro(float lungo1, float traverso1, float lungo2, float traverso2, int latoTesto) const;
    // An end leg at lungo; iniziale for the bar's start.
    int Gamba(float lungo, float traverso, bool iniziale) const;
    void Etichetta(const PezzoFerro& pezzo, float traverso, int disegnata) const;
};
