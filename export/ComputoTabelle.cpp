#include "export/ComputoTabelle.h"

#include "export/ComputoQuantita.h"
#include "export/FrammentiRtf.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <initializer_list>
#include <string_view>

namespace {

// Paragraphs after a table are justified like the rest of the document.
constexpr std::string_view FineTabella = "\\pard\\qj\\fs20 ";

std::string Celle(std::initializer_list<std::string_view> celle) {
    std::string r;
    for (std::size_t i = 0; i < celle.size(); ++i) {
        if (i > 0) r += "  ";
        r += std::data(celle)[i];
        r += "\\cell";
    }
    return r + "\\row ";
}

// The row definition, written once, serves the header and every data row.
std::string Intestazione(std::initializer_list<int> bordi, std::initializer_list<std::string_view> titoli) {
    std::string r = "\\fs18 " + RtfRiga();
    for (int b : bordi) r += RtfCella(b);
    return r + "\\intbl\\nowidctlpar  " + Celle(titoli);
}

std::string Riga(std::initializer_list<std::string_view> celle) { return "\\intbl  " + Celle(celle); }

std::string Dec(float x) { return FormatoDec(x, 1); }
std::string Diametro(int d) { return "\u00d8 " + std::to_string(d); }
std::string Numero(int indice) { return std::to_string(indice + 1); }

bool EUnCordolo(const PosizioneArm& pos) { return pos.Tipo == Cordolo; }

template <typename Azione>
void OgniPosizione(const Parete& parete, Azione azione) {
    for (int i = 0; i <= parete.UltPosizione; ++i) azione(i, parete.Posizioni[i]);
}

}  // namespace

std::string InteroConSegno(int x) { return (x < 0 ? "" : " ") + std::to_string(x); }

std::string TabellaDiffusa(const Parete& parete) {
    const auto strato = [](std::string_view prefisso1, std::string_view prefisso2, int d, float passo,
                           float lung, float peso) {
        const std::string diam = Diametro(d), p = Dec(passo), l = Dec(lung), w = Dec(peso);
        return prefisso2.empty() ? Riga({prefisso1, diam, p, l, w})
                                 : Riga({prefisso1, prefisso2, diam, p, l, w});
    };
    const Parete& q = parete;
    std::string r;
    if (parete.MagliaUnica == 0) {
        r = Intestazione({1050, 2100, 3400, 4700, 6000, 7300},
                         {"Lato", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"});
        r += strato("lato +", "1", q.DiamDir1Piu, q.PassoDir1Piu, q.LungDir1Piu, q.PesoDir1Piu);
        r += strato("lato +", "2", q.DiamDir2Piu, q.PassoDir2Piu, q.LungDir2Piu, q.PesoDir2Piu);
        r += strato("lato -", "1", q.DiamDir1Meno, q.PassoDir1Meno, q.LungDir1Meno, q.PesoDir1Meno);
        r += strato("lato -", "2", q.DiamDir2Meno, q.PassoDir2Meno, q.LungDir2Meno, q.PesoDir2Meno);
    } else {
        r = Intestazione({1400, 2700, 4000, 5300, 6600},
                         {"Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"});
        r += strato("1", "", q.DiamDir1Meno, q.PassoDir1Meno, q.LungDir1Meno, q.PesoDir1Meno);
        r += strato("2", "", q.DiamDir2Meno, q.PassoDir2Meno, q.LungDir2Meno, q.PesoDir2Meno);
    }
    return r + std::string(FineTabella);
}

std::string TabellaPosizioni(const Parete& parete, float& peso) {
    const bool dueLati = parete.MagliaUnica == 0;
    std::string r =
        dueLati ? Intestazione({700, 1400, 2100, 3400, 4700, 6000, 7300},
                               {"Pos.", "Lato", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"})
                : Intestazione({700, 1400, 2700, 4000, 5300, 6600},
                               {"Pos.", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"});
    const auto righeDelLato = [&](int tipo) {
        OgniPosizione(parete, [&](int i, const PosizioneArm& pos) {
            if (pos.Tipo != tipo) return;
            const float w = PesoPosizione(pos);
            peso += w;
            const std::string n = Numero(i), dir = InteroConSegno(pos.Direzione + 1), d = Diametro(pos.Diametro),
                              p = Dec(pos.Passo), l = Dec(pos.LungTotale), kg = Dec(w);
            if (dueLati)
                r += Riga({n, tipo == IntegrativaPiu ? "lato +" : "lato -", dir, d, p, l, kg});
            else
                r += Riga({n, dir, d, p, l, kg});
        });
    };
    if (dueLati) righeDelLato(IntegrativaPiu);
    righeDelLato(IntegrativaMeno);
    return r + std::string(FineTabella);
}

std::string TabellaCorrentiCordoli(const Parete& parete, float& peso) {
    std::string r = Intestazione({1050, 2100, 3400, 4700, 6000, 7300},
                                 {"Pos.", "Num.", "Diam.(mm)", "Lungh.(cm)", "L.tot. (cm)", "Peso (kg)"});
    OgniPosizione(parete, [&](int i, const PosizioneArm& pos) {
        if (!EUnCordolo(pos)) return;
        const float w = PesoCorrentiCordolo(pos);
        peso += w;
        r += Riga({Numero(i) + ")", "4 ", Diametro(pos.DiamCorrenti), Dec(pos.LungTotale),
                   Dec(4 * pos.LungTotale), Dec(w)});
    });
    return r + std::string(FineTabella);
}

std::string TabellaStaffeCordoli(const Parete& parete, float& peso) {
    std::string r = Intestazione({1050, 2100, 3400, 4700, 6000, 7300},
                                 {"Pos.", "Num.", "Diam.(mm)", "Lungh.St (cm)", "L.tot. (cm)", "Peso (kg)"});
    OgniPosizione(parete, [&](int i, const PosizioneArm& pos) {
        if (!EUnCordolo(pos)) return;
        const StaffeCordolo s = Staffe(pos, parete);
        peso += s.Peso;
        r += Riga({Numero(i), std::to_string(s.Numero) + " ", "St. " + Diametro(pos.Diametro),
                   Dec(s.Lunghezza), Dec(static_cast<float>(s.Numero) * s.Lunghezza), Dec(s.Peso)});
    });
    return r + std::string(FineTabella);
}
