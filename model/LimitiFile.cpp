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

namespace {

// In double: the bounds of a far origin are not all floats.
void VerificaIntervallo(LettoreSequenziale& lettore, int riga, const std::string& cosa,
                        float valore, double minimo, double massimo) {
    if (lettore.InErrore() || (valore >= minimo && valore <= massimo)) return;
    lettore.SegnalaErroreRiga(riga, cosa + ": " + TestoLetto(valore) + " non è ammesso (da " +
                                        FormatoDec(static_cast<float>(minimo), 0) + " a " +
                                        FormatoDec(static_cast<float>(massimo), 0) + " cm).");
}

}  // namespace

void VerificaCoordinata(LettoreSequenziale& lettore, int riga, const std::string& cosa,
                        float valore, float origine, float massimo) {
    VerificaIntervallo(lettore, riga, cosa, valore, static_cast<double>(origine) - massimo,
                       static_cast<double>(origine) + massimo);
}

void VerificaLunghezza(LettoreSequenziale& lettore, const std::string& cosa, float valore,
                       float minimo, float massimo) {
    VerificaIntervallo(lettore, lettore.NumeroRiga(), cosa, valore, minimo, massimo);
}

float LeggiCoordinata(LettoreSequenziale& lettore, const std::string& cosa, float massimo) {
    const float valore = lettore.LeggiReale();
    VerificaCoordinata(lettore, lettore.NumeroRiga(), cosa, valore, 0.0f, massimo);
    return lettore.InErrore() ? 0.0f : valore;
}

Punto LeggiPuntoAmmesso(LettoreSequenziale& lettore, const std::string& cosa, float massimo) {
    Punto p;
    p.X = LeggiCoordinata(lettore, cosa + ", x", massimo);
    p.Y = LeggiCoordinata(lettore, cosa + ", y", massimo);
    return p;
}

float LeggiLunghezza(LettoreSequenziale& lettore, const std::string& cosa, float minimo,
                     float massimo) {
    const float valore = lettore.LeggiReale();
    VerificaLunghezza(lettore, cosa, valore, minimo, massimo);
    return lettore.InErrore() ? 0.0f : valore;
}
