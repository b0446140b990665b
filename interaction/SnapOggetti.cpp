#include "interaction/SnapOggetti.h"

#include "drawing/Palette.h"
#include "drawing/SolaiPareti.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "model/Geometria.h"
#include "model/Layer.h"
#include "model/LimiteScansione.h"
#include "model/Sessione.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float Portata = 4.0f;       // pixels
constexpr float MezzoSegno = 6.0f;    // pixels
constexpr float Sporgenza = 1000.0f;  // cm past the extents of a scan line
constexpr int Magenta = 13;

bool PosizioneMostrata(int statoVista, int tipo) {
    if (statoVista == 14) return tipo == 0;
    if (statoVista == 15) return tipo == 1;
    return tipo > 1;
}

Punto Ruota(int dir, Punto p) {
    Punto r;
    RuotaInDirezione(dir, p.X, p.Y, r.X, r.Y);
    return r;
}

// Visits the bar ends of position i in order until prova accepts one.
template <typename Prova>
bool FineBarre(const Parete& parete, int i, Prova&& prova) {
    const PosizioneArm& pos = parete.Posizioni[i];
    if (!(pos.Passo > 0.0f)) return false;  // no bars can be laid out
    const int dir = pos.Direzione;
    const std::vector<Punto>& zona = parete.PoligoniPos[i];
    const int nv = std::min(pos.UltVerticeZona + 1, static_cast<int>(zona.size()));
    if (nv < 2) return false;
    std::vector<Punto> poligono(nv);
    for (int v = 0; v < nv; ++v) poligono[v] = Ruota(dir, zona[v]);
    const int primo = dir == 0 ? 0 : 2;
    const Punto a = Ruota(dir, pos.EstDir[primo]);
    const Punto b = Ruota(dir, pos.EstDir[primo + 1]);
    std::vector<float> incroci;
    const TrattoScansione tratto = TrattoDirezione(parete, dir);
    const float ultima = std::min(b.Y, tratto.Max);
    for (float y = PrimaLineaNelTratto(a.Y, pos.Passo, tratto.Min); y <= ultima;) {
        // The first and last bar lines are scanned half a cm inside, so they
        // do not run along the zone's own edges.
        float ys = y;
        if (std::fabs(y - a.Y) < 0.1f)
            ys = y + 0.5f;
        else if (std::fabs(y - b.Y) < 0.1f)
            ys = y - 0.5f;
        incroci.clear();
        for (int v = 0; v < nv; ++v) {
            const Punto& p = poligono[v];
            const Punto& q = poligono[v + 1 < nv ? v + 1 : 0];
            float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
            int stato = 0;
            IntersezioneSegmenti(a.X - Sporgenza, ys, b.X + Sporgenza, ys, p.X, p.Y, q.X, q.Y, xi,
                                 yi, stato, xo, yo);
            if (stato == StatoIntersezione::Interna) incroci.push_back(xi);
        }
        std::sort(incroci.begin(), incroci.end());
        // A last crossing without a partner starts no bar.
        for (std::size_t k = 0; k + 1 < incroci.size(); k += 2) {
            for (const float xb : {incroci[k], incroci[k + 1]}) {
                Punto m;
                RuotaDaDirezione(dir, xb, y, m.X, m.Y);
                if (prova(m)) return true;
            }
        }
        const float prossima = y + pos.Passo;
        if (prossima <= y) break;  // a spacing too small to move y on
        y = prossima;
    }
    return false;
}

template <typename Prova>
bool PuntiContorno(const Parete& parete, Prova&& prova) {
    for (int i = 0; i < parete.NumPuntiEst; ++i)
        if (prova(parete.PerimetroEsterno[i])) return true;
    for (int k = 0; k < parete.NumAperture; ++k)
        for (int j = 0; j < parete.PuntiApertura[k]; ++j)
            if (prova(Punto{parete.XApertura(k, j), parete.YApertura(k, j)})) return true;
    std::vector<Punto> punti;
    for (int s = 0; s <= parete.UltSolaio; ++s) {
        const auto angoli = AngoliBandaSolaio(parete, parete.Solai[s], punti);
        if (!angoli) continue;
        for (const Punto angolo : *angoli)
            if (prova(angolo)) return true;
    }
    return false;
}

}  // namespace

std::optional<std::array<Punto, 4>> AngoliBandaSolaio(const Parete& parete,
                                                     const SolaioParete& solaio,
                                                     std::vector<Punto>& punti) {
    int n = -1;
    IntervalliSolaio(parete, solaio, punti, n);
    if (n < 1) return std::nullopt;
    const float sopra = solaio.Coordinata + solaio.Spessore1;
    const float sotto = solaio.Coordinata - solaio.Spessore2;
    return std::array<Punto, 4>{Punto{punti[0].X, sopra}, Punto{punti[n].X, sopra},
                                Punto{punti[n].X, sotto}, Punto{punti[0].X, sotto}};
}

void BeccaOSNAP(Sessione& sessione, const Vista& v, TelaSchermo& tela, float x, float y,
                int pulsante) {
    const Parete& parete = sessione.parete;
    const Impostazioni& imp = sessione.imp;
    StatoInterfaccia& stato = sessione.stato;
    tela.Cancella(StratoTela::Transitorio);
    tela.ImpostaSpessoreTratto(3);
    const auto prova = [&](Punto m) {
        const float sx = XSchermo(v, m.X);
        const float sy = YSchermo(v, m.Y);
        if (!(std::fabs(x - sx) < Portata && std::fabs(y - sy) < Portata)) return false;
        if (pulsante != 0) {
            stato.XSnap = sx;
            stato.YSnap = sy;
            stato.SnapTrovato = 1;
        } else {
            tela.Riquadro(StratoTela::Transitorio, sx - MezzoSegno, sy - MezzoSegno,
                          sx + MezzoSegno, sy + MezzoSegno, ColoreBase(Magenta), false);
        }
        return true;
    };
    bool trovato = false;
    if (imp.OsnapQuote[0] != 0 && imp.LayerVisibili[Layer::ArmIntegr1] == 1) {
        for (int i = 0; i <= parete.UltPosizione && !trovato; ++i)
            if (PosizioneMostrata(stato.StatoVista, parete.Posizioni[i].Tipo))
                trovato = FineBarre(parete, i, prova);
    }
    if (!trovato && imp.OsnapQuote[5] != 0 && imp.LayerVisibili[Layer::PerimPareti] == 1)
        trovato = PuntiContorno(parete, prova);
    tela.ImpostaSpessoreTratto(1);
    if (!trovato) stato.SnapTrovato = 0;
}
