#include "drawing/TavolaSezioniTelaio.h"

#include "model/Parete.h"

namespace {

// Gaps of the developed-bar lines beyond the far face, cm.
constexpr float DistanzaDiffusaMeno = 50.0f;
constexpr float DistanzaPosizioni = 50.0f;
constexpr float DistanzaTraPosizioni = 5.0f;

// The lines of the developed bars, which grow outwards from face b.
void LineeSviluppate(const Parete& p, TelaioSezione& t, bool uniscePosizioni) {
    const float s = p.SpessoreParete;
    t.LineaDiffusaMeno = t.FacciaB + t.Verso * DistanzaDiffusaMeno;
    t.LineaPosMeno = t.FacciaB + t.Verso * (2.0f * s + DistanzaPosizioni);
    t.LineaPosPiu = uniscePosizioni ? t.LineaPosMeno
                                    : t.LineaPosMeno + t.Verso * (2.0f * (s - p.Copriferro) +
                                                                  DistanzaTraPosizioni);
}

}  // namespace

Punto TelaioSezione::P(float lungo, float attraverso) const {
    return Verticale ? Punto{attraverso, lungo} : Punto{lungo, attraverso};
}

float TelaioSezione::LineaDiffusaPiu(float spessore, bool largo) const {
    if (largo) return LineaPosPiu + Verso * (1.5f * spessore + 3.0f);
    return LineaDiffusaMeno + Verso * (2.5f * spessore + 3.0f);
}

TelaioSezione TelaioVerticale(const Parete& parete, float x, float yV) {
    const float c = parete.Copriferro;
    TelaioSezione t;
    t.Verticale = true;
    t.Origine = yV;
    t.FacciaA = x;
    t.FacciaB = x + parete.SpessoreParete;
    t.Verso = 1.0f;
    const float mezzo = (t.FacciaA + t.FacciaB) / 2.0f;
    const bool unica = parete.MagliaUnica != 0;
    t.RigaVicina = t.FacciaA + c + 0.6f;
    t.RigaLontana = t.FacciaB - c - 0.6f;
    t.RigaLontanaPos = unica ? mezzo + 1.8f : t.RigaLontana;
    t.RigaCentrale = mezzo - 0.6f;
    t.LineaEtichette = t.FacciaB + 5.0f;
    t.RigaCordoloA = t.FacciaA - c;
    t.RigaCordoloB = t.FacciaB + c;
    // A single mesh puts the position bars of both faces on one line.
    LineeSviluppate(parete, t, unica);
    return t;
}

TelaioSezione TelaioOrizzontale(const Parete& parete, float x0, float y) {
    const float c = parete.Copriferro;
    TelaioSezione t;
    t.Verticale = false;
    t.Origine = x0;
    t.FacciaA = y;
    t.FacciaB = y - parete.SpessoreParete;
    t.Verso = -1.0f;
    const float mezzo = (t.FacciaA + t.FacciaB) / 2.0f;
    const bool unica = parete.MagliaUnica != 0;
    t.RigaVicina = t.FacciaA - c - 1.4f;
    t.RigaLontana = t.FacciaB + c + 1.4f;
    t.RigaLontanaPos = unica ? mezzo - 1.8f : t.RigaLontana;
    t.RigaCentrale = mezzo + 0.6f;
    t.LineaEtichette = t.FacciaB - 5.0f;
    t.RigaCordoloA = t.FacciaA - c - 2.0f;
    t.RigaCordoloB = t.FacciaB + c + 2.0f;
    LineeSviluppate(parete, t, false);
    return t;
}
