#include "design/ListaPosizioni.h"

#include "design/EtichettaPosizione.h"
#include "design/OrdinaPosizioni.h"
#include "model/Parete.h"
#include "model/Poligoni.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Makes room for index i in the list and in the polygon table.
void GaranticiPosto(Parete& parete, int i) {
    const size_t n = static_cast<size_t>(i) + 1;
    if (parete.Posizioni.size() < n) parete.Posizioni.resize(n);
    if (parete.PoligoniPos.size() < n) parete.PoligoniPos.resize(n, std::vector<Punto>(1));
}

// Stores pos with the polygon's vertices 0 to ultimo at index i.
void Memorizza(Parete& parete, int i, const PosizioneArm& pos, const std::vector<Punto>& poligono,
               int ultimo) {
    GaranticiPosto(parete, i);
    parete.Posizioni[i] = pos;
    CopiaVertici(poligono, ultimo, parete.PoligoniPos[i]);
}

// The edit buffer as ConfermaPosizione must leave it for the copy on the other face.
struct BufferPosizione {
    PosizioneArm Pos;
    std::vector<Punto> Poligono;
    int UltPunto = 0;
};

}  // namespace

bool EsistePosizione(const Parete& parete, int i) {
    return i >= 0 && i <= parete.UltPosizione && i < static_cast<int>(parete.Posizioni.size()) &&
           i < static_cast<int>(parete.PoligoniPos.size());
}

int TipoOpposto(int tipo) { return tipo == IntegrativaPiu ? IntegrativaMeno : IntegrativaPiu; }

bool PostoPerPosizioni(const Parete& parete, int nuove) {
    return parete.UltPosizione + 1 + nuove <= MaxPosizioniZona;
}

int PosizioniNuoveConferma(const Parete& parete, const StatoInterfaccia& stato) {
    return (stato.IndiceCorrente > parete.UltPosizione ? 1 : 0) + (stato.DuplicaOpposto != 0 ? 1 : 0);
}

EsitoPosizione ConfermaPosizione(Parete& parete, StatoInterfaccia& stato) {
    if (stato.IndiceCorrente < 0) return EsitoPosizione::IndiceNonValido;
    if (!PostoPerPosizioni(parete, PosizioniNuoveConferma(parete, stato))) return EsitoPosizione::ListaPiena;

    if (stato.PosCorrente.Tipo < Cordolo) {
        CalcolaPosDirezioni(stato, parete);
    } else {
        CalcolaPosRuotata(stato);
    }
    // The sort uses the buffer as its scratch space.
    std::optional<BufferPosizione> confermato;
    if (stato.DuplicaOpposto != 0)
        confermato = BufferPosizione{stato.PosCorrente, stato.PoligonoCorrente, stato.UltPuntoCorrente};

    // A new position always follows the last one: a list with gaps would
    // hold records that nobody filled.
    const int indice = std::min(stato.IndiceCorrente, parete.UltPosizione + 1);
    parete.UltPosizione = std::max(parete.UltPosizione, indice);
    Memorizza(parete, indice, stato.PosCorrente, stato.PoligonoCorrente, stato.UltPuntoCorrente);
    OrdinaPosizioni(parete, stato);
    stato.NuovoElemento = 0;

    if (confermato) {
        stato.PosCorrente = confermato->Pos;
        stato.PoligonoCorrente = std::move(confermato->Poligono);
        stato.UltPuntoCorrente = confermato->UltPunto;
    }
    return EsitoPosizione::Memorizzata;
}

EsitoPosizione AggiungiPosizioneCorrente(Parete& parete, StatoInterfaccia& stato) {
    if (stato.DuplicaOpposto == 0) return EsitoPosizione::Nessuna;
    if (!PostoPerPosizioni(parete, 1)) return EsitoPosizione::ListaPiena;
    PosizioneArm copia = stato.PosCorrente;
    copia.Tipo = stato.LatoOpposto;
    ++parete.UltPosizione;
    Memorizza(parete, parete.UltPosizione, copia, stato.PoligonoCorrente, stato.UltPuntoCorrente);
    stato.NuovoElemento = 0;
    stato.DuplicaOpposto = 0;
    return EsitoPosizione::Memorizzata;
}

int TrovaPosizioneNodi(const Parete& parete, const StatoInterfaccia& stato) {
    const PosizioneArm& cercata = stato.PosCorrente;
    const int ultima = std::min(parete.UltPosizione, static_cast<int>(parete.Posizioni.size()) - 1);
    for (int p = 0; p <= ultima; ++p) {
        const PosizioneArm& pos = parete.Posizioni[p];
        if (pos.Tipo == Cordolo && pos.LatoPerimetro == cercata.LatoPerimetro &&
            pos.PoligonoLato == cercata.PoligonoLato) {
            return p;
        }
    }
    return -1;
}

bool EliminaPosizione(Parete& parete, int i) {
    if (!EsistePosizione(parete, i)) return false;
    for (int p = i; p < parete.UltPosizione; ++p) {
        if (!EsistePosizione(parete, p + 1)) break;
        CopiaVertici(parete.PoligoniPos[p + 1], parete.Posizioni[p + 1].UltVerticeZona, parete.PoligoniPos[p]);
        parete.Posizioni[p] = parete.Posizioni[p + 1];
    }
    --parete.UltPosizione;
    return true;
}

bool CopiaPosizioneLatoOpposto(Parete& parete, int src, int dst) {
    if (!EsistePosizione(parete, src) || !EsistePosizione(parete, dst)) return false;
    parete.Posizioni[dst] = parete.Posizioni[src];
    parete.Posizioni[dst].Tipo = TipoOpposto(parete.Posizioni[src].Tipo);
    CopiaVertici(parete.PoligoniPos[src], parete.Posizioni[src].UltVerticeZona, parete.PoligoniPos[dst]);
    return true;
}

bool AggiungiCopiaLatoOpposto(Parete& parete, int src) {
    if (!EsistePosizione(parete, src) || !PostoPerPosizioni(parete, 1)) return false;
    const int nuova = parete.UltPosizione + 1;
    GaranticiPosto(parete, nuova);
    parete.UltPosizione = nuova;
    return CopiaPosizioneLatoOpposto(parete, src, nuova);
}
