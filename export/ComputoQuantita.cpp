#include "export/ComputoQuantita.h"

#include "model/Numeri.h"
#include "model/Parete.h"

#include <climits>
#include <cmath>

namespace {

// Twice the signed area of the polygon whose vertex j is punto(j), 0 <= j < n.
template <typename Vertice>
float DoppiaArea(int n, Vertice punto) {
    float somma = 0.0f;
    for (int j = 0; j < n; ++j) {
        const Punto a = punto(j);
        const Punto b = punto(j + 1 < n ? j + 1 : 0);
        somma += b.X * a.Y - a.X * b.Y;
    }
    return somma;
}

}  // namespace

float PesoPosizione(const PosizioneArm& pos) {
    return static_cast<float>(pos.LungTotale * (AreaBarra(pos.Diametro) * PesoSpecificoFerro));
}

float PesoCorrentiCordolo(const PosizioneArm& pos) {
    return static_cast<float>(pos.LungTotale * AreaBarra(pos.DiamCorrenti) * PesoSpecificoFerro * 4);
}

StaffeCordolo Staffe(const PosizioneArm& pos, const Parete& parete) {
    StaffeCordolo s;
    // The last term is 20 bar diameters: Diametro counts as its millimetres.
    s.Lunghezza = 2 * pos.Larghezza + 2 * parete.SpessoreParete - 4 * parete.Copriferro - 4 +
                  2 * static_cast<float>(pos.Diametro);
    const double quante = pos.Passo > 0.0f ? std::floor(pos.LungTotale / pos.Passo) : 0.0;
    s.Numero = quante >= 0.0 && quante <= INT_MAX ? static_cast<int>(quante) : 0;
    s.Peso = static_cast<float>(AreaBarra(pos.Diametro) * PesoSpecificoFerro * s.Lunghezza * s.Numero);
    return s;
}

float AreaNetta(const Parete& parete) {
    const int est = std::min<int>(parete.NumPuntiEst, static_cast<int>(parete.PerimetroEsterno.size()));
    float area = std::fabs(DoppiaArea(est, [&](int j) { return parete.PerimetroEsterno[j]; }) / 2);
    for (int k = 0; k < parete.NumAperture; ++k) {
        const int n = parete.PuntiApertura[k];
        area -= std::fabs(DoppiaArea(n, [&](int j) {
                              return Punto{parete.XApertura(k, j), parete.YApertura(k, j)};
                          }) /
                          2);
    }
    return area / 10000;
}

float VolumeCalcestruzzo(const Parete& parete) {
    return parete.SpessoreParete * AreaNetta(parete) / 100;
}

std::string RigaIncidenza(float peso, float volume) {
    if (!(volume > 0.0f)) return "Incidenza = n.d.\\par ";
    return "Incidenza = " + FormatoDec(peso / volume, 1) + " kg/mc\\par ";
}
