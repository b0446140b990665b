#include "design/TriangolazioneLati.h"

#include <cstdint>

namespace {

// Up to this many edges a scan of the earlier ones costs less than hashing.
constexpr std::size_t LatiSenzaTabella = 32;

}  // namespace

void LatiCavita::Prepara(std::size_t quanti) {
    lati_.clear();
    chiavi_.clear();
    conTabella_ = quanti > LatiSenzaTabella;
    if (!conTabella_) return;
    unsigned bit = 4;
    while ((std::size_t{1} << bit) < 2 * quanti) ++bit;
    if (bit > bit_) {
        bit_ = bit;
        tabella_.assign(std::size_t{1} << bit_, -1);
    } else {
        for (const std::size_t s : occupati_) tabella_[s] = -1;
    }
    occupati_.clear();
}

std::size_t LatiCavita::Posto(int inizio, int fine) const {
    return static_cast<std::size_t>((Chiave(inizio, fine) * 0x9E3779B97F4A7C15ull) >> (64 - bit_));
}

void LatiCavita::AggiungiConTabella(int inizio, int fine) {
    const std::size_t maschera = tabella_.size() - 1;
    // Linear probing without removals keeps the listings of one edge in the
    // order they came, so the first open one found is the earliest.
    for (std::size_t s = Posto(fine, inizio);; s = (s + 1) & maschera) {
        const int k = tabella_[s];
        if (k < 0) break;
        LatoCavita& l = lati_[k];
        if (!l.Annullato && l.Inizio == fine && l.Fine == inizio) {
            l.Annullato = true;
            lati_.push_back({inizio, fine, true});
            return;
        }
    }
    std::size_t s = Posto(inizio, fine);
    while (tabella_[s] >= 0) s = (s + 1) & maschera;
    tabella_[s] = static_cast<int>(lati_.size());
    occupati_.push_back(s);
    lati_.push_back({inizio, fine, false});
}
