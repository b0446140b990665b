#include "model/LimitiFile.h"

#include "model/LettoreSequenziale.h"
#include "model/Numeri.h"

#include <array>
#include <charconv>

int LeggiConteggio(LettoreSequenziale& lettore, const std::string& cosa, int minimo, int massimo) {
    const int valore = lettore.LeggiIntero16();
    if (lettore.InErrore()) return minimo;
    if (valore < minimo || valore > massimo) {
        lettore.SegnalaErroreRiga(cosa + ": " + std::to_string(valore) +
                                  " non è ammesso (da " + std::to_string(minimo) + " a " +
                                  std::to_string(massimo) + ").");
        return minimo;
    }
    return valore;
}

int LeggiUltimoIndice(LettoreSequenziale& lettore, const std::string& cosa, int massimo) {
    return LeggiConteggio(lettore, cosa, -1, massimo);
}

namespace {

// The value as read, in its shortest text: the message shows what the file held.
std::string TestoLetto(float valore) {
    std::array<char, 32> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), valore,
                                    std::chars_format::general).ptr;
    return std::string(testo.data(), fine);
}

}  // namespace

void VerificaPassoScritto(LettoreSequenziale& lettore, float passo, const std::string& cosa,
                          int decimali) {
    if (lettore.InErrore() || !(passo > 0.0f) || ValoreScritto(passo, decimali) > 0.0f) return;
    lettore.SegnalaErroreRiga(cosa + " di " + TestoLetto(passo) +
                              " troppo piccolo: il file lo conserverebbe come " +
                              FormatoDec(passo, decimali) + ".");
}
