#include "PareteComputo.h"

#include "PareteDiProva.h"

namespace {

PosizioneArm Posizione(int tipo, int direzione, int diametro, float passo, float lungTotale) {
    PosizioneArm p;
    p.Tipo = tipo;
    p.Direzione = direzione;
    p.Diametro = diametro;
    p.Passo = passo;
    p.LungTotale = lungTotale;
    return p;
}

PosizioneArm Cordolo500(float passoStaffe, int diamCorrenti) {
    PosizioneArm c = Posizione(Cordolo, 0, 8, passoStaffe, 500.0f);
    c.DiamCorrenti = diamCorrenti;
    c.Larghezza = 30.0f;
    return c;
}

}  // namespace

Parete PareteComputo(int magliaUnica) {
    Parete p = PareteRettangolare(400, 300);
    AggiungiApertura(p, 100, 50, 200, 250);
    p.NumeroParete = 7;
    p.MagliaUnica = magliaUnica;
    p.SpessoreParete = 20.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = 12;
    p.DiamDir2Piu = 10;
    p.DiamDir1Meno = 8;
    p.DiamDir2Meno = 14;
    p.PassoDir1Piu = 20.0f;
    p.PassoDir2Piu = 25.0f;
    p.PassoDir1Meno = 15.0f;
    p.PassoDir2Meno = 30.0f;
    p.LungDir1Piu = 1000.0f;
    p.LungDir2Piu = 2000.0f;
    p.LungDir1Meno = 3000.0f;
    p.LungDir2Meno = 4000.0f;
    p.PesoDir1Piu = 8.9f;
    p.PesoDir2Piu = 12.3f;
    p.PesoDir1Meno = 11.8f;
    p.PesoDir2Meno = 48.4f;
    p.Posizioni = {
        Posizione(IntegrativaPiu, 0, 12, 20.0f, 1000.0f),
        Posizione(IntegrativaMeno, 1, 16, 25.0f, 600.0f),
        Posizione(IntegrativaPiu, 1, 10, 15.0f, 450.5f),
        Cordolo500(20.0f, 16),
        Cordolo500(30.0f, 12),
        Posizione(3, 0, 10, 20.0f, 300.0f),
    };
    p.UltPosizione = static_cast<int>(p.Posizioni.size()) - 1;
    return p;
}
