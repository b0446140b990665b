#pragma once

struct Parete;
struct Impostazioni;
struct StatoInterfaccia;

// Cuts the zone of the edit buffer (for additional reinforcement first
// widened by the anchorage length at the bar ends) to the reinforcement
// outline ContornoArmatura and cuts the enlarged openings ForiArmatura away,
// storing the polygon in PoligonoCorrente / UltPuntoCorrente. False, with the
// buffer untouched, when the zone misses the outline or lies wholly inside
// an opening: a caller must then not store the zone.
[[nodiscard]] bool RitagliaZona(StatoInterfaccia& stato, const Parete& parete, const Impostazioni& imp);
