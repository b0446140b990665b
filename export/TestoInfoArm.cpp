#include "export/TestoInfoArm.h"

#include "export/FrammentiRtf.h"
#include "model/NumeroSemplice.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <array>

namespace {

constexpr int Dimensione = 18;  // half-points

struct RigaStrato {
    const char* Etichetta;
    int Diametro;
    float Passo;
    float Area;
};

std::string Riga(const RigaStrato& r) {
    return std::string(r.Etichetta) + NumeroSemplice(r.Diametro) + "/" + NumeroSemplice(r.Passo) +
           "  (Af=" + FormatoDec(r.Area, 1) + ")\\par ";
}

std::string RigheDiffusa(const Parete& p) {
    std::string testo;
    if (p.MagliaUnica != 0) {
        for (const RigaStrato& r : std::array<RigaStrato, 2>{{
                 {" Dir 1:\\tab 1\xC3\x98", p.DiamDir1Meno, p.PassoDir1Meno, p.AreaDir1Meno},
                 {" Dir 2:\\tab 1\xC3\x98", p.DiamDir2Meno, p.PassoDir2Meno, p.AreaDir2Meno},
             }})
            testo += Riga(r);
        return testo;
    }
    for (const RigaStrato& r : std::array<RigaStrato, 4>{{
             {" Lato + dir 1:\\tab 1\xC3\x98", p.DiamDir1Piu, p.PassoDir1Piu, p.AreaDir1Piu},
             {" Lato + dir 2:\\tab 1\xC3\x98", p.DiamDir2Piu, p.PassoDir2Piu, p.AreaDir2Piu},
             {" Lato - dir 1:\\tab 1\xC3\x98", p.DiamDir1Meno, p.PassoDir1Meno, p.AreaDir1Meno},
             {" Lato - dir 2:\\tab 1\xC3\x98", p.DiamDir2Meno, p.PassoDir2Meno, p.AreaDir2Meno},
         }})
        testo += Riga(r);
    return testo;
}

// The heading of one face's list and its positions of kind tipo, in list order.
std::string ListaPosizioni(const Parete& p, const char* titolo, int tipo) {
    std::string testo = RtfNero(titolo, Dimensione, 0, 1) + RtfNero("\\par ", Dimensione, 0, 0);
    bool trovata = false;
    for (int i = 0; i <= p.UltPosizione; ++i) {
        const PosizioneArm& pos = p.Posizioni[i];
        if (pos.Tipo != tipo) continue;
        trovata = true;
        // A zero spacing (only a damaged file gives one) shows no area rather than a fault.
        testo += " Pos." + NumeroSemplice(i + 1) + " dir " + NumeroSemplice(pos.Direzione + 1) +
                 ":\\tab 1\xC3\x98" + NumeroSemplice(pos.Diametro) + "/" +
                 NumeroSemplice(pos.Passo) + "  (Af=" +
                 FormatoDec(AreaAlMetro(pos.Diametro, pos.Passo), 1) + ")\\par ";
    }
    if (!trovata) testo += " non presente\\par ";
    return testo;
}

}  // namespace

std::string TestoInfoArm(const Parete& parete) {
    if (parete.NumNodi <= 0) return {};
    std::string testo = RtfInizio();
    testo += RtfNero(" Aree armatura (cmq/m):\\par ", Dimensione, 0, 1);
    testo += " Armatura diffusa:";
    testo += RtfNero("\\par ", Dimensione, 0, 0);
    testo += RigheDiffusa(parete);
    if (parete.UltPosizione >= 0) {
        if (parete.MagliaUnica != 0) {
            testo += ListaPosizioni(parete, "\\par  Armatura integrativa:", IntegrativaMeno);
        } else {
            testo += ListaPosizioni(parete, "\\par  Armatura integrativa lato +:", IntegrativaPiu);
            testo += ListaPosizioni(parete, "\\par  Armatura integrativa lato - :", IntegrativaMeno);
        }
    }
    return testo + RtfFine();
}
