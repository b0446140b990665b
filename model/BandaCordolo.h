#pragma once

#include "model/Punto.h"

#include <array>
#include <vector>

struct Parete;
struct PosizioneArm;

// The band of a ring beam ("cordolo"), built on the side it runs along: side
// LatoPerimetro of the outer perimeter (PoligonoLato -1) or of opening
// PoligonoLato, with the ring beam's width, cover and bar diameter.

// True when LatoPerimetro and PoligonoLato name a side of the polygon as it
// stands (the outer perimeter's or the opening's own vertex count) whose two
// ends are not one point.
[[nodiscard]] bool LatoCordoloEsiste(const Parete& parete, const PosizioneArm& pos);

struct BandaCordolo {
    std::array<Punto, 4> Vertici{};   // the band in which the nodes are searched
    std::array<Punto, 5> Poligono{};  // the ring beam's polygon, closed
    float Angolo = 0.0f;              // direction of the side, 0 <= value < 2 pi
};

// The band of pos on its side; LatoCordoloEsiste must hold.
[[nodiscard]] BandaCordolo CalcolaBandaCordolo(const Parete& parete, const PosizioneArm& pos);

// True when the band and the polygon stored for a ring beam lie where banda
// puts them, within what the files keep of the perimeter (0.1 cm): built on
// the perimeter before it was written or as it was read, they are one band.
[[nodiscard]] bool BandaUguale(const PosizioneArm& pos, const std::vector<Punto>& poligono,
                               const BandaCordolo& banda);

// The files keep no side, cover or direction of a ring beam. After a file is
// read, each ring beam takes the side of the outer perimeter or of an
// opening on which its stored band is built, its cover from the band's far
// edge, and the side's direction. One whose band lies on no side (the side
// is gone) keeps its stored geometry, with LatoPerimetro and PoligonoLato
// -1, the direction of its band and the cover between its band's near edge
// and its polygon's.
void TrovaLatiCordoli(Parete& parete);
