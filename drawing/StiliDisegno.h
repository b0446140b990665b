#pragma once

// Line styles of lines and circles. The value is what the DXF stream receives.
namespace Stile {
enum Tratto : int {
    Pieno = 0,         // solid; DXF writes no linetype
    Punteggiato = 1,   // dotted on the screen, "DASHED" in DXF
    Continuo = 2,      // solid, "Continuous" in DXF
    Punteggiato2 = 3,  // dotted on the screen, "DASHED2" in DXF
    Giallo = 4,        // this or more: solid, and circles in the highlight yellow
};
}  // namespace Stile

// Text alignment; DXF receives the horizontal value as it is and the
// vertical one plus 1.
namespace Allinea {
enum Orizzontale : int { Sinistra = 0, Centro = 1, Destra = 2 };
enum Verticale : int { Basso = 0, Mezzo = 1, Alto = 2 };
}  // namespace Allinea
