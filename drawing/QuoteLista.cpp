#include "drawing/QuoteLista.h"

#include "drawing/QuoteFormato.h"
#include "model/Geometria.h"
#include "model/Parete.h"

#include <algorithm>
#include <cstddef>

bool AggiungiQuota(ProgettoParete& progetto, const FormatoQuote& formato, Punto fine1,
                   Punto fine2, Punto misura1, Punto misura2, int vista) {
    const float lunghezza = Distanza(fine1.X, fine1.Y, fine2.X, fine2.Y);
    if (!(lunghezza > 0.009f)) return false;
    progetto.UltQuota = std::max(progetto.UltQuota, -1) + 1;
    const auto indice = static_cast<std::size_t>(progetto.UltQuota);
    if (progetto.Quote.size() <= indice) progetto.Quote.resize(indice + 1);
    progetto.Quote[indice] = Quota{.X1 = fine1.X,
                                   .Y1 = fine1.Y,
                                   .X2 = fine2.X,
                                   .Y2 = fine2.Y,
                                   .Testo = TestoQuota(lunghezza, formato),
                                   .Vista = vista,
                                   .XA = misura1.X,
                                   .YA = misura1.Y,
                                   .XB = misura2.X,
                                   .YB = misura2.Y};
    return true;
}

void AggiungiQuotaLivello(ProgettoParete& progetto, const QuotaLivello& livello) {
    progetto.NumQuoteLivello = std::max(progetto.NumQuoteLivello, 0);
    const auto indice = static_cast<std::size_t>(progetto.NumQuoteLivello);
    if (progetto.QuoteLivello.size() <= indice) progetto.QuoteLivello.resize(indice + 1);
    progetto.QuoteLivello[indice] = livello;
    ++progetto.NumQuoteLivello;
}

namespace {

// Removes element k of the valid ones (0 to ultimo) and keeps one record in
// the list, as an empty list holds; false when k names none.
template <typename Record>
bool Elimina(std::vector<Record>& lista, int ultimo, int k) {
    const int valido = std::min(ultimo, static_cast<int>(lista.size()) - 1);
    if (k < 0 || k > valido) return false;
    lista.erase(lista.begin() + k);
    if (lista.empty()) lista.resize(1);
    return true;
}

}  // namespace

void CancellaQuota(ProgettoParete& progetto, int k) {
    if (Elimina(progetto.Quote, progetto.UltQuota, k)) --progetto.UltQuota;
}

void CancellaQuotaLivello(ProgettoParete& progetto, int k) {
    if (Elimina(progetto.QuoteLivello, progetto.NumQuoteLivello - 1, k))
        --progetto.NumQuoteLivello;
}
