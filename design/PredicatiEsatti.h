#pragma once

#include <span>

// Orientation and inside tests decided exactly on double coordinates (and so
// on the stored floats): a point on a side or at a vertex is told apart from
// one just inside or just outside, whatever the rounding of the arithmetic.

struct PuntoPreciso {
    double X = 0.0;
    double Y = 0.0;

    bool operator==(const PuntoPreciso&) const = default;
};

// +1 when C lies left of the line A->B, -1 right of it, 0 on it.
[[nodiscard]] int SegnoOrientamento(PuntoPreciso a, PuntoPreciso b, PuntoPreciso c);

enum class PosizioneInAnello { Fuori, SulBordo, Dentro };

// Where P lies against the ring (closed from its last vertex back to the
// first; either orientation), by the even-odd rule.
[[nodiscard]] PosizioneInAnello PosizioneNellAnello(std::span<const PuntoPreciso> anello, PuntoPreciso p);

// True when the closed segments A-B and C-D meet at a point inside both,
// away from their four ends (their lines not the same).
[[nodiscard]] bool IncrocioProprio(PuntoPreciso a, PuntoPreciso b, PuntoPreciso c, PuntoPreciso d);
