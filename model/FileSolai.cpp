#include "model/FileSolai.h"

#include "model/LettoreSequenziale.h"
#include "model/LimitiFile.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/RigaZone.h"

#include <vector>

namespace {

void ScriviElenco(std::string& testo, const std::vector<SolaioParete>& elenco, int ultimo) {
    AggiungiRiga(testo, InteroFile(ultimo));
    for (int i = 0; i <= ultimo; ++i) {
        const SolaioParete& s = elenco[i];
        for (float valore : {s.Coordinata, s.Spessore1, s.Spessore2})
            AggiungiRiga(testo, FormatoDec(valore, DecimaliSolai));
        for (int valore : {s.LatoMeno, s.LatoPiu, s.ConStaffe, s.DiamStaffe})
            AggiungiRiga(testo, InteroFile(valore));
        AggiungiRiga(testo, FormatoDec(s.PassoStaffe, DecimaliSolai));
        AggiungiRiga(testo, InteroFile(s.DiamCorrenti));
        for (float valore : {s.LarghezzaStaffe, s.Rientro1, s.Rientro2})
            AggiungiRiga(testo, FormatoDec(valore, DecimaliSolai));
    }
}

// elemento names one record in messages ("del solaio").
void LeggiElenco(LettoreSequenziale& lettore, const std::string& cosa, const std::string& elemento,
                 std::vector<SolaioParete>& elenco, int& ultimo) {
    ultimo = LeggiUltimoIndice(lettore, cosa);
    elenco.assign(ultimo + 1 > 0 ? ultimo + 1 : 1, SolaioParete{});
    for (int i = 0; i <= ultimo && !lettore.InErrore(); ++i) {
        SolaioParete& s = elenco[i];
        s.Coordinata = LeggiCoordinata(lettore, "coordinata " + elemento);
        for (float* valore : {&s.Spessore1, &s.Spessore2})
            *valore = LeggiLunghezza(lettore, "spessore " + elemento);
        for (int* valore : {&s.LatoMeno, &s.LatoPiu, &s.ConStaffe, &s.DiamStaffe})
            *valore = lettore.LeggiIntero16();
        s.PassoStaffe = LeggiLunghezza(lettore, "passo delle staffe " + elemento);
        s.DiamCorrenti = lettore.LeggiIntero16();
        // Made as the wall's thickness less two covers: negative where they overlap.
        s.LarghezzaStaffe = LeggiLunghezza(lettore, "larghezza delle staffe " + elemento,
                                           -LunghezzaMassima);
        for (float* valore : {&s.Rientro1, &s.Rientro2})
            *valore = LeggiLunghezza(lettore, "rientro " + elemento);
    }
}

}  // namespace

void ScriviSolai(std::string& testo, const ProgettoParete& progetto) {
    ScriviElenco(testo, progetto.Solai, progetto.UltSolaio);
    ScriviElenco(testo, progetto.ParetiTrasversali, progetto.UltParete);
}

void LeggiSolai(LettoreSequenziale& lettore, ProgettoParete& progetto) {
    LeggiElenco(lettore, "numero dei solai", "del solaio", progetto.Solai, progetto.UltSolaio);
    LeggiElenco(lettore, "numero delle pareti trasversali", "della parete trasversale",
                progetto.ParetiTrasversali, progetto.UltParete);
}
