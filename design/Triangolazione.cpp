#include "design/Triangolazione.h"

#include "design/TriangolazioneBaricentro.h"
#include "design/TriangolazioneComune.h"
#include "design/TriangolazioneGriglia.h"
#include "design/TriangolazioneLati.h"
#include "model/Parete.h"

#include <algorithm>
#include <vector>

namespace {

// The documented insertion, found fast: the grid of circles gives every
// triangle that might hold the node and the float test picks the cavity out
// of them, so the cavity is the documented one even where it is not
// connected (exact grids, collinear runs, duplicates). The list keeps the
// slots of the plain construction, so the triangles come out in its order.
class Costruzione {
public:
    Costruzione(std::span<const Punto> punti, int numNodi)
        : punti_(punti), limiti_(numNodi), griglia_(punti.first(static_cast<std::size_t>(numNodi))) {
        triangoli_.reserve(limiti_.MaxTriangoli);
        idInPosto_.reserve(limiti_.MaxTriangoli);
        AggiungiTriangolo(SuperTriangolo(numNodi));
    }

    // False when a limit stopped the construction.
    [[nodiscard]] bool InserisciNodo(int i) {
        const Punto p = punti_[i];
        cavita_.clear();
        griglia_.PerOgniCerchioCon(p, [&](int id) { cavita_.push_back(posto_[id]); });
        if (limiti_.LatiOltre(cavita_.size())) return false;
        TogliCavita();
        griglia_.ArchiviaNuovi();  // what the cavity left of the last node's triangles
        for (const LatoCavita& l : lati_.Lati()) {
            if (l.Annullato) continue;
            if (limiti_.TriangoliOltre(triangoli_.size() + 1)) return false;
            AggiungiTriangolo({l.Inizio, l.Fine, i});
        }
        return true;
    }

    std::vector<Triangolo> Risultato() && { return std::move(triangoli_); }

private:
    // The plain scan walks the slots upwards and fills a removed slot with the
    // last triangle, testing the slot again: the cavity goes in slot order,
    // except that a cavity triangle moved down from the end goes next.
    void TogliCavita() {
        std::sort(cavita_.begin(), cavita_.end());
        lati_.Prepara(3 * cavita_.size());
        std::size_t primo = 0;
        std::size_t fine = cavita_.size();
        while (primo < fine) {
            const int posto = cavita_[primo];
            const Triangolo t = triangoli_[posto];
            lati_.Aggiungi(t.N1, t.N2);
            lati_.Aggiungi(t.N2, t.N3);
            lati_.Aggiungi(t.N3, t.N1);
            const int ultimo = static_cast<int>(triangoli_.size()) - 1;
            const bool ultimoNellaCavita = cavita_[fine - 1] == ultimo;
            TogliTriangolo(posto);
            if (posto != ultimo && ultimoNellaCavita) {
                --fine;  // the moved triangle now sits at posto, still first
            } else {
                ++primo;
            }
        }
    }

    void AggiungiTriangolo(const Triangolo& t) {
        int id = 0;
        if (liberi_.empty()) {
            id = static_cast<int>(posto_.size());
            posto_.push_back(0);
        } else {
            id = liberi_.back();
            liberi_.pop_back();
        }
        posto_[id] = static_cast<int>(triangoli_.size());
        triangoli_.push_back(t);
        idInPosto_.push_back(id);
        griglia_.Registra(id, CerchioCircoscritto(punti_, t));
    }

    void TogliTriangolo(int posto) {
        const int id = idInPosto_[posto];
        griglia_.Togli(id);
        liberi_.push_back(id);
        const int ultimo = idInPosto_.back();
        triangoli_[posto] = triangoli_.back();
        idInPosto_[posto] = ultimo;
        posto_[ultimo] = posto;
        triangoli_.pop_back();
        idInPosto_.pop_back();
    }

    std::span<const Punto> punti_;
    LimitiTriangolazione limiti_;
    GrigliaCerchi griglia_;
    std::vector<Triangolo> triangoli_;  // in the slots of the plain construction
    std::vector<int> idInPosto_;
    std::vector<int> posto_;  // by triangle id; ids are reused after a removal
    std::vector<int> liberi_;
    std::vector<int> cavita_;  // slots of the node being inserted
    LatiCavita lati_;
};

}  // namespace

bool InCerchio(float xp, float yp, float x1, float y1, float x2, float y2, float x3, float y3) {
    const CerchioTriangolo c = CerchioCircoscritto(x1, y1, x2, y2, x3, y3);
    return PuntoNelCerchio(c.Xc, c.Yc, c.R2, xp, yp);
}

void TriangolaNodi(Parete& parete) {
    parete.Triangoli.clear();
    parete.UltimoTriangolo = -1;
    if (parete.NumNodi < 1) return;

    const std::vector<Punto> punti = PuntiConSuperTriangolo(parete);
    Costruzione costruzione(punti, parete.NumNodi);
    for (int i = 0; i < parete.NumNodi; ++i) {
        if (!costruzione.InserisciNodo(i)) return;
    }
    const FiltroBaricentri filtro(parete);
    ConcludiTriangolazione(parete, punti, std::move(costruzione).Risultato(),
                           [&](const Punto& g) { return filtro.FuoriParete(g); });
}
