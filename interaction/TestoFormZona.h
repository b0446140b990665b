#pragma once

#include <string>

struct DatiFormZona;
struct Parete;
struct Sessione;
struct StatoInterfaccia;

// The rich-text reports of the zone and ring-beam dialogs: the provided
// against the required area.

// The zone in the edit buffer with the dialog's strip values; the bars it
// counts are those of the zone as "Ok" will store it.
[[nodiscard]] std::string TestoFormZona(const DatiFormZona& dati, const Sessione& sessione);

// The ring beam in the edit buffer: stirrups against the largest required
// shear area, and what its longitudinal bars give each direction.
[[nodiscard]] std::string TestoFormCordolo(const Parete& parete, const StatoInterfaccia& stato);
