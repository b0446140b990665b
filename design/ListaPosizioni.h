#pragma once

struct Parete;
struct StatoInterfaccia;

// Operations on the list of positions and their zone polygons that change
// the design without a transaction: the reinforcement-file readers store
// through them record by record, the editing through the transactions of
// design/ListaPosizioniModifiche.h.

// Outcome of storing a position.
enum class EsitoPosizione {
    Memorizzata,
    Nessuna,          // nothing was asked to be stored
    ListaPiena,       // the zone-polygon table holds MaxPosizioniZona positions
    IndiceNonValido,  // IndiceCorrente names no place in the list
};

// Face of the copy of a position of kind tipo on the other face: "lato -"
// for a "lato +" zone, "lato +" for anything else.
[[nodiscard]] int TipoOpposto(int tipo);

// True when i names a position of the list.
[[nodiscard]] bool EsistePosizione(const Parete& parete, int i);

// True when the list takes nuove more positions.
[[nodiscard]] bool PostoPerPosizioni(const Parete& parete, int nuove);

// How many positions ConfermaPosizione and then AggiungiPosizioneCorrente add
// to the list: one for a new position (IndiceCorrente beyond the list), one
// for the copy on the other face when DuplicaOpposto is set.
[[nodiscard]] int PosizioniNuoveConferma(const Parete& parete, const StatoInterfaccia& stato);

// Stores the edit buffer PosCorrente with its polygon at IndiceCorrente, its
// label geometry computed first (laid out afresh when NuovoElemento is set),
// and sorts the list. IndiceCorrente beyond the list appends the position as
// the next one. With DuplicaOpposto set, the buffer is left as it was
// confirmed, for AggiungiPosizioneCorrente, and the list must also take the
// copy: the two go in together or not at all. Refused with nothing changed
// when the list is full or IndiceCorrente is negative.
[[nodiscard]] EsitoPosizione ConfermaPosizione(Parete& parete, StatoInterfaccia& stato);

// With DuplicaOpposto set, appends the buffer with its polygon as the last
// position with Tipo LatoOpposto (the list is not sorted again), then clears
// DuplicaOpposto and NuovoElemento. Without it, nothing happens (Nessuna).
[[nodiscard]] EsitoPosizione AggiungiPosizioneCorrente(Parete& parete, StatoInterfaccia& stato);

// The first ring beam lying on the perimeter side of the buffer
// (LatoPerimetro, PoligonoLato), or -1.
[[nodiscard]] int TrovaPosizioneNodi(const Parete& parete, const StatoInterfaccia& stato);

// Removes position i with its polygon, moving the later ones down. False,
// with nothing changed, for an index naming no position.
bool EliminaPosizione(Parete& parete, int i);

// Makes position dst a copy of position src with its polygon, on the other
// face (TipoOpposto). False, with nothing changed, when either index names
// no position.
bool CopiaPosizioneLatoOpposto(Parete& parete, int src, int dst);

// Appends a copy of position src on the other face as the last position.
// False, with nothing changed, when src names no position or the list is full.
bool AggiungiCopiaLatoOpposto(Parete& parete, int src);
