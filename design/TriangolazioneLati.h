#pragma once

// The edges of one cavity, cancelled in pairs. An edge met in the opposite
// direction of an earlier one that is still open cancels the earliest such
// one, which leaves exactly the edges that the pairwise scan leaves, in the
// same order. The earlier one is found by a scan in a cavity of a few
// triangles, the common one, and through a hash table in a larger one.

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

    void Aggiungi(int inizio, int fine) {
        if (conTabella_) {
            AggiungiConTabella(inizio, fine);
            return;
        }
        for (LatoCavita& l : lati_) {
            if (l.Inizio == fine && l.Fine == inizio && !l.Annullato) {
                l.Annullato = true;
                lati_.push_back({inizio, fine, true});
                return;
            }
        }
        lati_.push_back({inizio, fine, false});
    }

    // Every edge in the order given; the open ones have Annullato false.
    [[nodiscard]] std::span<const LatoCavita> Lati() const { return lati_; }

private:
    void AggiungiConTabella(int inizio, int fine);
    [[nodiscard]] std::size_t Posto(int inizio, int fine) const;

    std::vector<LatoCavita> lati_;
    bool conTabella_ = false;
    std::vector<int> tabella_;  // open addressing, indexes into lati_, -1 free
    std::vector<std::size_t> occupati_;  // slots to free at the next Prepara
    unsigned bit_ = 0;
};
