#pragma once

#include "design/Modifica.h"

class InterfacciaFinestra;
struct Sessione;

// The position-list operations as changes of the design: each one change
// transaction (undo step, reinforcement tail, one refresh of the window).
// A refused operation stores no undo step and changes nothing; so does one
// that a fault stops (told by the change).

// "Numero massimo di posizioni (201) raggiunto." with "Operazione annullata.".
void SegnalaListaPiena(InterfacciaFinestra& finestra);

// Stores the edit buffer at IndiceCorrente and, with DuplicaOpposto set, its
// copy with Tipo LatoOpposto as the last position; both or neither. False
// after the message when the list cannot take them or a fault stopped the
// change, and for an IndiceCorrente naming no place.
bool ConfermaPosizione(Sessione& sessione, InterfacciaFinestra& finestra,
                       PuntoAnnullamento annullamento = PuntoAnnullamento::Si);

// Deletes position i; false for an index naming no position or a change a
// fault stopped.
bool EliminaPosizione(Sessione& sessione, InterfacciaFinestra& finestra, int i);
