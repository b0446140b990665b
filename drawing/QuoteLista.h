#pragma once

#include "model/Punto.h"
#include "model/Quota.h"

struct FormatoQuote;
struct ProgettoParete;

// View id of the dimensions and level marks that show in every view.
inline constexpr int TutteLeViste = -1;

// True when a dimension or level mark of view id vista shows in the current view.
[[nodiscard]] constexpr bool MostraInVista(int vista, int vistaCorrente) {
    return vista == vistaCorrente || vista == TutteLeViste;
}

// Appends the dimension whose line runs from fine1 to fine2 (cm) and which
// measures misura1 and misura2 (cm), with the text of the line's length.
// A line of 0.009 cm or less is not appended; the result says whether it was.
bool AggiungiQuota(ProgettoParete& progetto, const FormatoQuote& formato, Punto fine1,
                   Punto fine2, Punto misura1, Punto misura2, int vista);

// Appends a level mark after the valid ones, growing the list when it is full.
void AggiungiQuotaLivello(ProgettoParete& progetto, const QuotaLivello& livello);

// Remove dimension k or level mark k, the later ones moving down one place.
// An index that names none changes nothing; nothing is read past the list.
void CancellaQuota(ProgettoParete& progetto, int k);
void CancellaQuotaLivello(ProgettoParete& progetto, int k);
