#include "model/LimitiFile.h"

#include "model/LettoreSequenziale.h"

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
