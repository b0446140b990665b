#include "ZoneDiProva.h"

#include "PareteDiProva.h"
#include "design/ContorniArmatura.h"
#include "model/Estensione.h"
#include "model/Geometria.h"

#include <algorithm>

Parete PareteAssiArmata(float larghezza, float altezza) {
    Parete p = PareteRettangolare(larghezza, altezza);
    const Parete assi = PareteAssi();
    p.CosDir1 = assi.CosDir1;
    p.SinDir1 = assi.SinDir1;
    p.CosDir2 = assi.CosDir2;
    p.SinDir2 = assi.SinDir2;
    p.GradiArm1 = assi.GradiArm1;
    p.GradiArm2 = assi.GradiArm2;
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 10;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    CalcolaEstensione(p);
    CalcolaContorniArmatura(p);
    return p;
}

namespace {

int NuovaPosizione(Parete& parete, const PosizioneArm& pos, const std::vector<Punto>& poligono) {
    const int i = parete.UltPosizione + 1;
    if (static_cast<int>(parete.Posizioni.size()) <= i) parete.Posizioni.resize(i + 1);
    parete.Posizioni[i] = pos;
    parete.Posizioni[i].UltVerticeZona = static_cast<int>(poligono.size()) - 1;
    parete.PoligoniPos[i] = poligono;
    parete.UltPosizione = i;
    return i;
}

}  // namespace

int AggiungiZona(Parete& parete, const std::vector<Punto>& poligono, int tipo, int direzione,
                 int diametro, float passo, Punto richiamo0, Punto richiamo1, Punto etichetta) {
    PosizioneArm pos;
    pos.Tipo = tipo;
    pos.Direzione = direzione;
    pos.Diametro = diametro;
    pos.Passo = passo;
    pos.Richiamo = {richiamo0.X, richiamo0.Y, richiamo1.X, richiamo1.Y};
    pos.XEtichetta = etichetta.X;
    pos.YEtichetta = etichetta.Y;
    for (int d = 0; d < 2; ++d) {
        float xmin = 1e9f, ymin = 1e9f, xmax = -1e9f, ymax = -1e9f;
        for (const Punto& v : poligono) {
            float x = 0.0f, y = 0.0f;
            RuotaInDirezione(d, v.X, v.Y, x, y);
            xmin = std::min(xmin, x);
            xmax = std::max(xmax, x);
            ymin = std::min(ymin, y);
            ymax = std::max(ymax, y);
        }
        RuotaDaDirezione(d, xmin, ymin, pos.EstDir[2 * d].X, pos.EstDir[2 * d].Y);
        RuotaDaDirezione(d, xmax, ymax, pos.EstDir[2 * d + 1].X, pos.EstDir[2 * d + 1].Y);
    }
    return NuovaPosizione(parete, pos, poligono);
}

int AggiungiCordolo(Parete& parete, const std::vector<Punto>& angoli, float angolo, float passo,
                    Punto richiamo0, Punto richiamo1, Punto etichetta) {
    PosizioneArm pos;
    pos.Tipo = Cordolo;
    pos.Angolo = angolo;
    pos.Diametro = 8;
    pos.Passo = passo;
    pos.Richiamo = {richiamo0.X, richiamo0.Y, richiamo1.X, richiamo1.Y};
    pos.XEtichetta = etichetta.X;
    pos.YEtichetta = etichetta.Y;
    std::copy_n(angoli.begin(), 4, pos.Vertici.begin());
    return NuovaPosizione(parete, pos, angoli);
}

void AggiungiSolaio(Parete& parete, float livello) {
    SolaioParete s;
    s.Coordinata = livello;
    s.Spessore1 = 20.0f;
    s.Spessore2 = 15.0f;
    parete.UltSolaio += 1;
    parete.Solai.resize(parete.UltSolaio + 1);
    parete.Solai[parete.UltSolaio] = s;
}

PosizioneArm CordoloDiProva(int lato) {
    PosizioneArm c;
    c.Tipo = Cordolo;
    c.Diametro = 8;
    c.Passo = 10.0f;
    c.NumBracci = 2;
    c.CopriferroCordolo = 3.0f;
    c.DiamCorrenti = 12;
    c.Larghezza = 30.0f;
    c.LatoPerimetro = lato;
    c.PoligonoLato = -1;
    return c;
}
