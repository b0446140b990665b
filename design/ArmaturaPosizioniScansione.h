#pragma once

#include "drawing/FerriZona.h"
#include "model/LimiteScansione.h"
#include "model/Punto.h"

#include <optional>
#include <span>
#include <utility>
#include <vector>

struct Parete;
struct PosizioneArm;

// The sweep shared by the bars of a zone, their measure and their screen
// preview: horizontal scan lines in the bar frame of the position (the frame
// of RuotaInDirezione), one spacing apart from the lower edge of the zone's
// box in that frame.

// The last index of Posizioni that names a stored position.
int UltimaPosizioneValida(const Parete& parete);

// A zone polygon turned into the bar frame of its position.
struct ZonaRuotata {
    int Direzione = 0;
    std::vector<Punto> Poligono;  // open ring
    Punto Inizio;                 // lower corner of the box in the frame
    Punto Fine;                   // upper corner
    TrattoScansione Tratto = TrattoIllimitato;  // the lines the wall can hold
};

// Position p's polygon (row p of PoligoniPos, vertices 0..UltVerticeZona) in
// its bar frame; none for an index naming no position or a polygon with
// fewer than three vertices.
[[nodiscard]] std::optional<ZonaRuotata> RuotaZona(const Parete& parete, int p);
// The same for a position not stored yet: its polygon's vertices 0 to
// UltVerticeZona (at most those given).
[[nodiscard]] std::optional<ZonaRuotata> RuotaZona(const Parete& parete, const PosizioneArm& pos,
                                                  std::span<const Punto> poligono);

// One scan line: y is the line of the sweep, yLinea the line actually
// intersected (nudged 0.5 cm inside at the box edges); Ferri.Ferri the bars
// of the zone on it, start < end, with their legs.
struct LineaZona {
    float Y = 0.0f;
    float YLinea = 0.0f;
    LineaFerri Ferri;
};

// Where the sweep stops: before the upper edge (the bars and their measure)
// or on it (the screen preview lays a last line landing on the edge).
enum class FineScansione { PrimaDelBordo, SulBordo };

// Calls linea(const LineaZona&) for every scan line within the zone's
// Tratto, the first one always. The legs of the bars are decided by the
// reinforcement contour given in the zone's frame (none for an empty one).
// A spacing of 0 or less lays no line at all.
template <typename Linea>
void PercorriZona(const ZonaRuotata& zona, std::span<const Punto> contorno, float passo,
                  FineScansione fine, Linea&& linea);

// Scan lines reach this far beyond the zone box on both sides, cm.
inline constexpr float MargineScansioneZona = 1000.0f;

// The line intersected for the sweep line y.
float LineaSpostata(const ZonaRuotata& zona, float y);

template <typename Linea>
void PercorriZona(const ZonaRuotata& zona, std::span<const Punto> contorno, float passo,
                  FineScansione fine, Linea&& linea) {
    if (!(passo > 0.0f)) return;
    const float xa = zona.Inizio.X - MargineScansioneZona;
    const float xb = zona.Fine.X + MargineScansioneZona;
    LineaZona l;
    const float ultima = std::min(zona.Fine.Y, zona.Tratto.Max);
    float y = PrimaLineaNelTratto(zona.Inizio.Y, passo, zona.Tratto.Min);
    while (true) {
        l.Y = y;
        l.YLinea = LineaSpostata(zona, y);
        FerriSullaLinea(zona.Poligono, contorno, xa, xb, l.YLinea, l.Ferri);
        linea(static_cast<const LineaZona&>(l));
        const float prossima = y + passo;
        if (prossima <= y) break;  // a spacing too small to move y on
        y = prossima;
        if (fine == FineScansione::SulBordo ? !(y <= ultima) : !(y < ultima)) break;
    }
}
