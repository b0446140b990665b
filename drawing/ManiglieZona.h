#pragma once

class BersaglioSchermo;
class TelaSchermo;
struct DerivatiParete;
struct Impostazioni;
struct PosizioneArm;
struct StatoInterfaccia;
struct Vista;

// The grips of a zone, on the layer b is bound to, in the grip colour (light
// magenta on a black canvas, dark red on a white one): a filled 6-pixel
// square at each of its four corners; at its centre (midway between corners
// 0 and 2) a white cross 24 pixels across, a white 8-pixel square outline,
// then a filled 6-pixel square in the grip colour.
void DisManiglie(const PosizioneArm& zona, const BersaglioSchermo& b);

// What the redraw shows of the zone under edit (PosCorrente) while the zone
// is edited on the canvas (Modo 200) or its grips were asked for once
// (MostraManiglie): its rubber band between (XA, YA) and (XB, YB), yellow, on
// the transient overlay, and its grips on the persistent image. Then
// MostraManiglie is cleared, so grips asked for once show at one redraw only.
void DisZonaInModifica(const DerivatiParete& dir, const Impostazioni& imp, StatoInterfaccia& stato,
                       TelaSchermo& tela, const Vista& vista);
