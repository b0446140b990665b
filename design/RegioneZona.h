#pragma once

#include "design/PredicatiEsatti.h"

#include <span>
#include <vector>

// The part of a zone that lies inside the reinforcement outline and outside
// every enlarged opening, computed as a region (pieces with holes) and
// written as the single ring that a position stores.

struct PezzoZona {
    std::vector<PuntoPreciso> Esterno;             // clockwise
    std::vector<std::vector<PuntoPreciso>> Buchi;  // counter-clockwise
};

enum class StatoRegione {
    Calcolata,      // the pieces, none when nothing is in common
    NonDefinita,    // the outline or an opening is not a simple polygon
    NonCalcolabile  // coordinates beyond what the computation holds, or no memory
};

struct RegioneCalcolata {
    StatoRegione Stato = StatoRegione::Calcolata;
    std::vector<PezzoZona> Pezzi;
};

// The pieces of zona (a quadrilateral) inside contorno and outside the
// aperture; no piece when they have no area in common.
[[nodiscard]] RegioneCalcolata RegioneZona(std::span<const PuntoPreciso> zona,
                                           std::span<const PuntoPreciso> contorno,
                                           std::span<const std::vector<PuntoPreciso>> aperture) noexcept;

// Pieces of a region (from RegioneZona, or a stored ring that is a simple
// polygon) cut to contorno and outside the aperture.
[[nodiscard]] RegioneCalcolata TagliaRegione(const std::vector<PezzoZona>& pezzi,
                                             std::span<const PuntoPreciso> contorno,
                                             std::span<const std::vector<PuntoPreciso>> aperture) noexcept;

// True when the ring (either way round, closing repeat or not) is a simple
// polygon of some area: no slit, no crossing.
[[nodiscard]] bool AnelloSemplice(std::span<const PuntoPreciso> anello) noexcept;

// The pieces as one ring, so that a position keeps one polygon: every further
// piece and every hole is joined by a slit of zero width, traced there and
// back, between its nearest vertex and the nearest vertex of the ring built
// so far. The slit therefore stays within the region's extent.
[[nodiscard]] std::vector<PuntoPreciso> AnelloUnico(const std::vector<PezzoZona>& pezzi);
