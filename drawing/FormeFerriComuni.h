#pragma once

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

// Splitting advances only while a full piece is longer than the lap and
// leaves room for the shortened piece; otherwise the bar stays whole.
bool FerroDivisibile(const Impostazioni& imp, float gambaIniziale, float sovrapposizione);

// Label of one piece: prefisso, the diameter sign, the diameter (after a
// blank for a full-length piece), "/", the spacing, " L=" and the length,
// then the position number and the face suffix when asked.
std::string EtichettaPezzo(const Impostazioni& imp, const std::string& prefisso,
                           bool pezzoIntero, int diametro, float passo,
                           const std::string& lunghezza, int posizione, int lato);

// Layers of the developed bars and of their texts.
inline constexpr int LayerFerriSezione = 10;
inline constexpr int LayerTestoFerri = 19;
// A piece before the last one is shortened so that the last is at least this
// plus a lap.
inline constexpr float ScortaUltimoPezzo = 40.0f;
// Pieces of a split bar alternate sideways by this, cm.
inline constexpr float SfalsamentoPezzi = 20.0f;
