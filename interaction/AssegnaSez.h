#pragma once

class InterfacciaFinestra;
class TelaSchermo;
struct Sessione;
struct Vista;

// Guide lines of the canvas, dotted yellow on the transient layer, which is
// cleared first: screen-horizontal (slab level, horizontal section) or
// screen-vertical (transverse wall, vertical section) through the cursor
// (pixels), whatever the reinforcement angles.
void DisSolTmp(TelaSchermo& tela, float y);
void DisPareteTmp(TelaSchermo& tela, float x);
// The guide of the section being placed, by OrientSezione.
void DisSezTmp(const Sessione& sessione, TelaSchermo& tela, float x, float y);

// Section IndiceSezione through the model point under the cursor (pixels),
// along direction 2 when OrientSezione is 1, else direction 1: cut 25 cm
// beyond the outermost proper crossings with the outer perimeter, with its
// end marks. ErroreOperazione 0 when placed; when the line crosses no side,
// the message, -1 and nothing written. The list grows up to IndiceSezione
// when needed; UltSezione is the caller's.
void AssegnaSez(Sessione& sessione, const Vista& v, InterfacciaFinestra& finestra, float x,
                float y);
