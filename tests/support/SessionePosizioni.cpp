#include "SessionePosizioni.h"

#include "design/Modifica.h"
#include "PareteDiProva.h"

#include <algorithm>

SessionePosizioni::SessionePosizioni() {
    Parete& p = S.parete;
    const Parete assi = PareteAssi();
    p = PareteRettangolare(400, 300);
    p.CosDir1 = assi.CosDir1;
    p.SinDir1 = assi.SinDir1;
    p.CosDir2 = assi.CosDir2;
    p.SinDir2 = assi.SinDir2;
    p.GradiArm1 = assi.GradiArm1;
    p.GradiArm2 = assi.GradiArm2;
    p.AngoloArm1 = p.AngoloArm2 = 1.5707964f;
    p.CartellaLavoro = Cartella.Percorso().string();
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamIntegrativa = 12;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.Nodi.clear();
    for (float y = 25.0f; y < 300.0f; y += 50.0f) {
        for (float x = 25.0f; x < 400.0f; x += 50.0f) {
            Nodo n;
            n.Id = static_cast<int>(p.Nodi.size()) + 1;
            n.X = x;
            n.Y = y;
            p.Nodi.push_back(n);
        }
    }
    p.NumNodi = static_cast<int>(p.Nodi.size());
    p.Nodi.emplace_back();
    ValoriDefault(S.imp);
    CodaGeometria(p, S.stato);
    CodaArmatura(p, S.imp);
}

void AccodaPosizione(Parete& parete, PosizioneArm pos, const std::vector<Punto>& poligono) {
    const int i = ++parete.UltPosizione;
    if (static_cast<int>(parete.Posizioni.size()) <= i) parete.Posizioni.resize(i + 1);
    pos.UltVerticeZona = static_cast<int>(poligono.size()) - 1;
    parete.Posizioni[i] = pos;
    parete.PoligoniPos[i] = poligono;
}

std::vector<Punto> Riquadro(float x1, float y1, float x2, float y2) {
    return {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
}

PosizioneArm ZonaRettangolare(int tipo, int direzione, float x1, float y1, float x2, float y2) {
    PosizioneArm pos;
    pos.Tipo = tipo;
    pos.Direzione = direzione;
    pos.Diametro = 12;
    pos.Passo = 20.0f;
    const std::vector<Punto> r = Riquadro(x1, y1, x2, y2);
    std::copy(r.begin(), r.end(), pos.Vertici.begin());
    pos.XMin = x1;
    pos.YMin = y1;
    pos.XMax = x2;
    pos.YMax = y2;
    pos.XBaricentro = (x1 + x2) / 2.0f;
    pos.YBaricentro = (y1 + y2) / 2.0f;
    return pos;
}
