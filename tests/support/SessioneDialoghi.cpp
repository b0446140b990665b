#include "SessioneDialoghi.h"

#include "design/Modifica.h"
#include "PareteDiProva.h"

Sessione SessioneDialoghi(const std::string& cartella, int magliaUnica, int piega,
                          float larghezza) {
    Sessione s;
    Parete& p = s.parete;
    p = PareteRettangolare(larghezza, 200);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.MagliaUnica = magliaUnica;
    p.PiegaAncoraggio = piega;
    p.DiamIntegrativa = 12;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.NumNodi = 4;
    p.Nodi.assign(5, Nodo{});
    for (int i = 0; i < 4; ++i) {
        p.Nodi[i].X = 60.0f + 60.0f * i;
        p.Nodi[i].Y = 100.0f;
        for (int k = 0; k < 4; ++k) p.Nodi[i].Richiesta[SlotDiStrato(k)] = 3.0f + k;
    }
    p.CartellaLavoro = cartella;
    p.FileCorrente = cartella + "/PROVA.SET";
    s.imp.CartellaUtente = cartella;
    CodaGeometria(p, s.stato);
    CodaArmatura(p, s.imp);
    return s;
}

int PassiAnnulla(const Sessione& s) { return s.storia.IndiceAnnulla - s.storia.PrimoAnnulla; }

Quantita QuantitaDi(const Parete& p) {
    return {{p.LungDir1Piu, p.LungDir2Piu, p.LungDir1Meno, p.LungDir2Meno},
            {p.PesoDir1Piu, p.PesoDir2Piu, p.PesoDir1Meno, p.PesoDir2Meno}};
}
