#include "model/StoriaAnnulla.h"

// The snapshots are written with the reinforcement-file writer, which arrives
// with the reinforcement file.
void MemorizzaModifica(Sessione&) {}
