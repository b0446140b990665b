#pragma once

// The edges of one cavity, cancelled in pairs. An edge met in the opposite
// direction of an earlier one that is still open cancels the earliest such
// one, which leaves exactly the edges that the pairwise scan leaves, in the
// same order. The earlier one is found by a scan in a cavity of a few
// triangles, the common one, and through a hash table in a larger one.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct LatoCavita {
    int Inizio = 0;
    int Fine = 0;
    bool Annullato = false;
};

class LatiCavita {
public:
    // Empties the list for a cavity of at most quanti edges.
    void Prepara(std::size_t quanti);

    void Aggiungi(int inizio, int fine) {
        if (conTabella_) {
            AggiungiConTabella(inizio, fine);
            return;
        }
        // One comparison an edge: a cancelled edge has a key no edge has.
        const std::uint64_t cercata = Chiave(fine, inizio);
        const std::size_t n = chiavi_.size();
        for (std::size_t k = 0; k < n; ++k) {
            if (chiavi_[k] == cercata) {
                chiavi_[k] = Annullata;
                lati_[k].Annullato = true;
                chiavi_.push_back(Annullata);
                lati_.push_back({inizio, fine, true});
                return;
            }
        }
        chiavi_.push_back(Chiave(inizio, fine));
        lati_.push_back({inizio, fine, false});
    }

    // Every edge in the order given; the open ones have Annullato false.
    [[nodiscard]] std::span<const LatoCavita> Lati() const { return lati_; }

private:
    static constexpr std::uint64_t Annullata = ~std::uint64_t{0};
    [[nodiscard]] static std::uint64_t Chiave(int inizio, int fine) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(inizio)) << 32) | static_cast<std::uint32_t>(fine);
    }
    void AggiungiConTabella(int inizio, int fine);
    [[nodiscard]] std::size_t Posto(int inizio, int fine) const;

    std::vector<LatoCavita> lati_;
    std::vector<std::uint64_t> chiavi_;  // by edge, for the scan
    bool conTabella_ = false;
    std::vector<int> tabella_;  // open addressing, indexes into lati_, -1 free
    std::vector<std::size_t> occupati_;  // slots to free at the next Prepara
    unsigned bit_ = 0;
};
