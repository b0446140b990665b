#pragma once

#include <array>
#include <span>
#include <vector>

// A corner of a triangle: position in cm and the value there.
struct AngoloBanda {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

struct PuntoBanda {
    double X = 0.0;
    double Y = 0.0;

    bool operator==(const PuntoBanda&) const = default;
};

// The part of a triangle whose value lies in one band. With n levels, band b
// (1 to n - 1) runs from level b - 1 to level b, band 0 lies below the first
// level and band n above the last.
struct PezzoBanda {
    int Banda = 0;
    std::vector<PuntoBanda> Vertici;  // at most 5, in order around the piece

    bool operator==(const PezzoBanda&) const = default;
};

// A piece of a band held in place, as a map cuts tens of thousands of
// triangles a redraw: a triangle cut by two levels has at most five corners
// (one place spare).
struct PezzoBandaFisso {
    int Banda = 0;
    int N = 0;
    std::array<PuntoBanda, 6> V{};

    [[nodiscard]] std::span<const PuntoBanda> Vertici() const {
        return {V.data(), static_cast<std::size_t>(N)};
    }
};

// Cuts triangles whose value varies linearly between their corners into the
// pieces of each band they cross, in ascending band order; together they
// cover the triangle once. Levels are expected ascending; a level below an
// earlier one is taken as that earlier one, so the bands never overlap.
// Levels that coincide leave the bands between them empty. A triangle with
// one value at every corner comes back whole, once, in the lowest band
// holding that value. A degenerate triangle (corners on one line) is cut
// alike into degenerate pieces.
// The levels are set once for the many triangles of a map; cutting one
// allocates nothing.
class TaglioBande {
public:
    explicit TaglioBande(std::span<const double> livelli);

    // The pieces of the triangle, valid until the next cut.
    [[nodiscard]] std::span<const PezzoBandaFisso> Taglia(const std::array<AngoloBanda, 3>& angoli);

private:
    std::vector<double> limiti_;         // the levels, never going down
    bool ordinati_ = true;               // no limit is NaN: they ascend
    std::vector<PezzoBandaFisso> pezzi_;  // room for one piece a band
};

// The pieces of one triangle, as TaglioBande cuts them.
[[nodiscard]] std::vector<PezzoBanda> TagliaBande(std::span<const double> livelli,
                                                  const std::array<AngoloBanda, 3>& angoli);
