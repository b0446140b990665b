#pragma once

#include "drawing/Bersaglio.h"
#include "model/Punto.h"

#include <span>
#include <utility>
#include <vector>

struct Impostazioni;
struct Parete;

// The bars a zone of additional reinforcement lays along one line of its bar
// frame (the frame of RuotaInDirezione, where the line is horizontal), with
// the end legs they get: the one description of a zone's bars that the bill
// measures and the drawings show, so that the two cannot differ.

// One bar: from Inizio to Fine along the line, with an end leg at either end
// where it reaches the reinforcement contour.
struct FerroZona {
    float Inizio = 0.0f;
    float Fine = 0.0f;
    bool GambaInizio = false;
    bool GambaFine = false;

    bool operator==(const FerroZona&) const = default;
};

// incroci := the crossings of the horizontal segment (xa, y)-(xb, y) with
// the sides of the open ring, ascending, equal values kept. A side counts
// when its ends lie on either side of y, an end on y counting as below, so
// that a line through vertices keeps an even count for the zone's stretches.
void IncrociOrdinati(std::span<const Punto> anello, float xa, float xb, float y,
                     std::vector<float>& incroci);

// The stretches of one line inside the polygon from its sorted crossings:
// 0-1, 2-3, ... for an even count, leaving out stretches of no length and
// joining stretches that meet (a slit is no end of a bar); for an odd count
// every consecutive pair whose midpoint lies inside the polygon.
void BarreDellaLinea(const std::vector<float>& incroci, std::span<const Punto> poligono,
                     float y, std::vector<std::pair<float, float>>& barre);

// incroci := where the segment (xa, y)-(xb, y) properly crosses the sides of
// the open ring, ascending: a line through a vertex of a side, or running
// along a side, does not cross it there.
void IncrociPropri(std::span<const Punto> anello, float xa, float xb, float y,
                   std::vector<float>& incroci);

// The bars of the stretches with their legs, from the proper crossings bordi
// of the same line with the reinforcement contour: a bar reaching the first
// of them gets its leg at the start, one reaching the last at the end; with
// fewer than two crossings the line meets no edge of the contour and no bar
// gets a leg. A bar stopping at an opening ends in the wall and gets none.
void FerriDellaLinea(std::span<const std::pair<float, float>> barre, std::span<const float> bordi,
                     std::vector<FerroZona>& ferri);

// The points turned into the bar frame of the direction (RuotaInDirezione).
[[nodiscard]] std::vector<Punto> RuotaAnello(int direzione, std::span<const Punto> punti);

// The contour that decides the end legs of every zone's bars, whatever their
// direction: the direction-1 reinforcement contour, open, in the bar frame
// of the direction; empty while the contours are missing.
[[nodiscard]] std::vector<Punto> ContornoGambe(const Parete& parete, int direzione);

// Work buffers of FerriSullaLinea, reused from line to line.
struct LineaFerri {
    std::vector<float> Incroci;
    std::vector<std::pair<float, float>> Barre;
    std::vector<float> Bordi;
    std::vector<FerroZona> Ferri;
};

// l.Ferri := the bars of the zone polygon (open ring) along the line y from
// xa to xb, their legs by the reinforcement contour (open ring); both in the
// frame of the line.
void FerriSullaLinea(std::span<const Punto> zona, std::span<const Punto> contorno, float xa,
                     float xb, float y, LineaFerri& l);

// Where and how a bar of a zone is laid out developed: the position number
// of its label (0 none), its face (0 "lato +", 1 "lato -"), the line across
// the bar it is drawn on and the origin added along it. The bill measures
// every bar at 0 with its position's number, as the sheet draws it: the
// number caps the legs of a thick wall at the anchorage length.
struct PosaFerro {
    int Posizione = 0;
    int Lato = 0;
    float Linea = 0.0f;
    float Origine = 0.0f;
};

// One bar of a zone of direction 0 (vertical bars, cut at the slab levels
// on the bar) or 1 (horizontal) as a developed bar on b; its cut length in
// whole cm. solai is a work buffer.
int DisFerroZona(const Parete& parete, const Impostazioni& imp, int direzione,
                 const FerroZona& ferro, int diametro, float passo, const PosaFerro& posa,
                 std::vector<int>& solai, const Bersaglio& b);
