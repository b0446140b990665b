#pragma once

#include "drawing/TrovaOggetti.h"

struct Impostazioni;
struct Parete;
struct StatoInterfaccia;
class TelaSchermo;
struct Vista;

// Hover highlights of the canvas modes that pick an element: the element
// under the cursor (x, y in pixels) gets a thick mark on the transient
// overlay, never on the persistent image. The five of the element kinds
// share StatoInterfaccia::ElementoEvidenziato: the overlay is cleared when
// the cursor finds another element than the one marked last, or none (the
// old index then stays, so every move over empty canvas clears again).

// Colours of the marks (R + 256 G + 65536 B).
inline constexpr int ColoreGiallo = 0x00FFFF;
inline constexpr int ColoreMagenta = 0xFF00FF;

// The mark of a position: in the zone views (display state above 13) a
// 14 cm circle about its label, else a 20 cm circle about its zone centroid.
void EvidenziaCerchio(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                      TelaSchermo& tela, float x, float y, Cordoli cordoli = Cordoli::Inclusi);
// The dimension line under the cursor; with none and senzaLivelli false, the
// level mark under it.
void EvidenziaQuota(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                    const Impostazioni& imp, TelaSchermo& tela, float x, float y,
                    bool senzaLivelli);
// The label circle (14 cm) of a position, else its leader.
void EvidenziaPos(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                  TelaSchermo& tela, float x, float y);
void EvidenziaSez(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                  TelaSchermo& tela, float x, float y);
// A magenta square of 3 pixels either side of the node.
void EvidenziaNodo(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                   TelaSchermo& tela, float x, float y);
// The slab band under the cursor, else the transverse-wall band; these keep
// no index: the overlay is cleared unless band 0 is hit.
void EvidenziaSolaio(const Parete& parete, const Vista& v, TelaSchermo& tela, float x, float y);
void EvidenziaParete(const Parete& parete, const Vista& v, TelaSchermo& tela, float x, float y);
