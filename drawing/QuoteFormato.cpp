#include "drawing/QuoteFormato.h"

#include "model/Impostazioni.h"
#include "model/Numeri.h"

#include <clocale>
#include <utility>

std::string SeparatoreDecimaleLocale() {
    const std::lconv* lc = std::localeconv();
    if (lc == nullptr || lc->decimal_point == nullptr || *lc->decimal_point == '\0') return ".";
    return lc->decimal_point;
}

FormatoQuote FormatoQuoteDa(const Impostazioni& imp, std::string separatore) {
    return {.Decimali = imp.DecimaliQuote,
            .InMetri = imp.QuoteInMetri,
            .Separatore = std::move(separatore)};
}

std::string TestoQuota(float lunghezza, const FormatoQuote& formato) {
    if (formato.Decimali < 0 || formato.Decimali > 2) return {};
    if (formato.InMetri == 1) lunghezza /= 100.0f;
    std::string testo = FormatoDec(lunghezza, formato.Decimali);
    if (const auto punto = testo.find('.'); punto != std::string::npos)
        testo.replace(punto, 1, formato.Separatore);
    return testo;
}
