#pragma once

#include "model/Punto.h"

struct ProgettoParete;
struct Vista;

// Hit tests of the canvas; x, y are canvas pixels, compared with the screen
// image of the model through the view transform.

// Pixels within which the cursor hits a dimension line, and a level mark.
inline constexpr float TolleranzaQuota = 7.0f;
inline constexpr float TolleranzaQuotaLivello = 4.0f;

// The first dimension of the current view whose line lies within 7 pixels
// of the cursor; -1 none.
[[nodiscard]] int TrovaQuota(const ProgettoParete& progetto, int vistaCorrente, const Vista& v,
                             float x, float y);

// The first level mark of the current view less than 4 pixels from the
// cursor in x and in y; -1 none.
[[nodiscard]] int TrovaQuotaLivello(const ProgettoParete& progetto, int vistaCorrente,
                                    const Vista& v, float x, float y);

// The cursor in model cm, moved onto the nearer end (sum of the x and y
// distances) of the first dimension line within 7 pixels of it, in any view.
struct EstremoAgganciato {
    Punto M;
    int Quota = -1;  // the dimension whose end was taken, -1 none
};
[[nodiscard]] EstremoAgganciato AgganciaEstremoQuota(const ProgettoParete& progetto,
                                                     const Vista& v, float x, float y);
