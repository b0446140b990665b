#pragma once

#include <array>
#include <bit>
#include <cstdint>

// The measured lengths of the latest bars of one layer or one zone, within a
// single measure: lines across a stretch of even outline lay the very same
// bar again and again. A bar is the same when its ends (bit for bit) and its
// legs are; everything else the measure reads (the wall, the settings, the
// diameter and the spacing) is fixed while one layer or zone is measured,
// so a length found here is the one the measure would give.
class MisureRipetute {
public:
    // misura() is called only for a bar not among the latest ones.
    template <typename Misura>
    int Lunghezza(float a, float c, int sinistra, int destra, Misura&& misura) {
        const Chiave k{std::bit_cast<std::uint32_t>(a), std::bit_cast<std::uint32_t>(c), sinistra,
                       destra};
        for (int i = 0; i < usate_; ++i)
            if (voci_[i].chiave == k) return voci_[i].lunghezza;
        const int lunghezza = misura();
        voci_[prossima_] = {k, lunghezza};
        prossima_ = (prossima_ + 1) % Capienza;
        if (usate_ < Capienza) ++usate_;
        return lunghezza;
    }

private:
    // Enough for the bars of a line across a few openings.
    static constexpr int Capienza = 8;
    struct Chiave {
        std::uint32_t a = 0, c = 0;
        int sinistra = 0, destra = 0;
        bool operator==(const Chiave&) const = default;
    };
    struct Voce {
        Chiave chiave;
        int lunghezza = 0;
    };
    std::array<Voce, Capienza> voci_{};
    int usate_ = 0;
    int prossima_ = 0;
};
