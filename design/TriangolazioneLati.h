#pragma once

// The edges of one cavity, cancelled in pairs through a hash table instead of
// a scan of every pair. An edge met in the opposite direction of an earlier
// one that is still open cancels the earliest such one, which leaves exactly
// the edges that the pairwise scan leaves, in the same order.

#include <cstddef>
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

    void Aggiungi(int inizio, int fine);

    // Every edge in the order given; the open ones have Annullato false.
    [[nodiscard]] std::span<const LatoCavita> Lati() const { return lati_; }

private:
    [[nodiscard]] std::size_t Posto(int inizio, int fine) const;

    std::vector<LatoCavita> lati_;
    std::vector<int> tabella_;  // open addressing, indexes into lati_, -1 free
    std::vector<std::size_t> occupati_;  // slots to free at the next Prepara
    unsigned bit_ = 0;
};
