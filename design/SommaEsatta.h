#pragma once

#include <array>
#include <cstddef>

// Sign of the exact sum of double terms: the running sum is kept as an
// expansion of nonoverlapping components (Knuth's two-sum, Shewchuk's
// grow-expansion), whose largest nonzero component carries the sign.

// a + b == s + e exactly (round to nearest).
inline void SommaConResto(double a, double b, double& s, double& e) {
    s = a + b;
    const double bv = s - a;
    const double av = s - bv;
    e = (a - av) + (b - bv);
}

// -1, 0 or +1.
template <std::size_t N>
[[nodiscard]] int SegnoSommaEsatta(const std::array<double, N>& termini) {
    std::array<double, N> componenti{};
    std::size_t m = 0;
    for (const double t : termini) {
        double q = t;
        std::size_t k = 0;
        for (std::size_t i = 0; i < m; ++i) {
            double s = 0.0, e = 0.0;
            SommaConResto(q, componenti[i], s, e);
            q = s;
            if (e != 0.0) componenti[k++] = e;
        }
        if (q != 0.0) componenti[k++] = q;
        m = k;
    }
    if (m == 0) return 0;
    return componenti[m - 1] > 0.0 ? 1 : -1;
}
