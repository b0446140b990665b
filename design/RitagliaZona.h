#pragma once

struct Parete;
struct Impostazioni;
struct StatoInterfaccia;

// Cuts the zone of the edit buffer (for additional reinforcement first
// widened by the anchorage length at the bar ends) to the reinforcement
// outline ContornoArmatura and cuts the enlarged openings ForiArmatura away,
// storing the polygon in PoligonoCorrente / UltPuntoCorrente. The polygon
// covers exactly that region: the walk along the boundaries gives it where
// it does (an opening inside the zone joined by a slit), else the region is
// stored with its pieces and holes joined by slits. False, with the buffer
// untouched, when the region has no area (the zone misses the outline or
// lies within the openings), and when the region cannot be computed (a zone
// far beyond the wall, no memory): a caller must then not store the zone.
[[nodiscard]] bool RitagliaZona(StatoInterfaccia& stato, const Parete& parete,
                                const Impostazioni& imp) noexcept;
