#pragma once

struct Impostazioni;
struct ProgettoParete;
struct StatoInterfaccia;
class TelaSchermo;
struct Vista;

// Hover highlights of the dimension tools, in yellow on the transient layer
// of the canvas only; x, y are canvas pixels.

// The triangle of the level mark under the cursor, 2 pixels wide. The
// transient layer is cleared when the cursor leaves the mark highlighted last
// (StatoInterfaccia::QuotaLivelloEvidenziata).
void EvidenziaQuotaLivello(const ProgettoParete& progetto, StatoInterfaccia& stato,
                           TelaSchermo& tela, const Vista& v, const Impostazioni& imp, float x,
                           float y);

// A square of 6 pixels either side of the end of the dimension line under the
// cursor nearer to it, 3 pixels wide; nothing is cleared.
void EvidenziaQuotaCursore(const ProgettoParete& progetto, TelaSchermo& tela, const Vista& v,
                           const Impostazioni& imp, float x, float y);
