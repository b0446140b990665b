#include "PareteDiProva.h"

#include "model/Angoli.h"
#include "model/Direzioni.h"

std::vector<Punto> Chiuso(std::vector<Punto> anello) {
    anello.push_back(anello.front());
    return anello;
}

std::vector<Punto> AnelloRettangolare(float larghezza, float altezza) {
    return {{0, 0}, {0, altezza}, {larghezza, altezza}, {larghezza, 0}};
}

Parete PareteDaContorno(const std::vector<Punto>& vertici) {
    Parete p;
    p.Contorno = Chiuso(vertici);
    p.NumPuntiContorno = static_cast<int>(vertici.size());
    p.PerimetroEsterno = p.Contorno;
    p.NumPuntiEst = p.NumPuntiContorno;
    p.PerimetroInterno = p.Contorno;
    p.NumPuntiInt = p.NumPuntiContorno;
    return p;
}

Parete PareteRettangolare(float larghezza, float altezza) {
    return PareteDaContorno(AnelloRettangolare(larghezza, altezza));
}

void AggiungiApertura(Parete& parete, const std::vector<Punto>& vertici) {
    const int k = parete.NumAperture;
    if (static_cast<int>(parete.PuntiApertura.size()) <= k) parete.PuntiApertura.resize(k + 1);
    for (int j = 0; j < static_cast<int>(vertici.size()); ++j)
        parete.AggiungiVerticeApertura(k, j, vertici[j].X, vertici[j].Y);
    parete.PuntiApertura[k] = static_cast<int>(vertici.size());
    parete.NumAperture = k + 1;
}

void AggiungiApertura(Parete& parete, float x1, float y1, float x2, float y2) {
    AggiungiApertura(parete, {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}});
}

Parete PareteAssi() {
    Parete p;
    p.CosDir1 = 0.0;
    p.SinDir1 = 1.0;
    p.CosDir2 = 1.0;
    p.SinDir2 = 0.0;
    p.GradiArm1 = 90.0f;
    p.GradiArm2 = 90.0f;
    return p;
}

void ImpostaAngoli(Parete& parete, float angolo1, float angolo2) {
    const bool tipo0 = parete.TipoStruttura == 0;
    parete.GradiArm1 = NormalizzaAngolo180(angolo1);
    parete.AngoloArm1 = tipo0 ? RadSupplementare(parete.GradiArm1) : GradiRad(parete.GradiArm1);
    parete.GradiArm2 = NormalizzaAngolo180(angolo2);
    parete.AngoloArm2 = tipo0 ? GradiRad(parete.GradiArm2) : RadSupplementare(parete.GradiArm2);
    CalcolaDirezioni(parete);
}
