#pragma once

#include "model/Punto.h"

struct FormatoQuote;
struct ProgettoParete;
struct StatoInterfaccia;
struct Vista;

// Cosine and sine of the reading angle of two measured points given in canvas
// pixels: in model coordinates the dimension line runs along (-Cos, Sin).
struct DirezioneQuota {
    float Cos = 1.0f;
    float Sin = 0.0f;
};
[[nodiscard]] DirezioneQuota DirezioneMisura(Punto misura1Pixel, Punto misura2Pixel);

// The third click of "Quota orizzontale", "Quota verticale" or "Quota
// allineata" (Modo 2002, 3002, 4002): the line of the new dimension passes
// through the cursor (x, y in pixels), or through the end of a dimension line
// within 7 pixels of it; horizontal, vertical, or along the measured points
// (given in pixels). The dimension is appended for the current view with its
// measured points in cm, and Modo goes back to 0. In any other mode nothing
// happens. The result says whether a dimension was appended.
bool InserisciQuota(ProgettoParete& progetto, StatoInterfaccia& stato, const Vista& v,
                    const FormatoQuote& formato, Punto misura1Pixel, Punto misura2Pixel, float x,
                    float y);

// The click of "Sposta quota" that places the line of dimension
// QuotaSelezionata: the line passes through the cursor (or the snapped end)
// parallel to the dimension's measured points, its ends square to them. Text,
// view and measured points stay. Modo goes back to 0; the result says whether
// a dimension was moved.
bool PosizionaQuota(ProgettoParete& progetto, StatoInterfaccia& stato, const Vista& v, float x,
                    float y);
