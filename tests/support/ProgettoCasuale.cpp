#include "ProgettoCasuale.h"

#include "PareteDiProva.h"

#include <bit>
#include <cmath>
#include <string>

float RealiCasuali::Prossimo() {
    const std::uint32_t bit = generatore_();
    const float unita = static_cast<float>(generatore_() % 2000001) - 1000000.0f;
    switch (generatore_() % 8) {
    case 0: return std::bit_cast<float>(bit);
    case 1: return unita / 1000.0f;                     // three decimals, as typed
    case 2: return (unita + 0.5f) / 1000.0f;            // a half of the third decimal
    case 3: return (unita + 0.5f) / 100.0f;             // a half of the second decimal
    case 4: return -static_cast<float>(bit % 600) / 1.0e6f;  // rounds to -0 or away
    case 5: return std::ldexp(unita, static_cast<int>(bit % 80) - 40);
    case 6: return unita / 10.0f;
    default: return std::ldexp(1.0f + static_cast<float>(bit % 1024) / 1024.0f,
                               static_cast<int>(bit % 256) - 128);
    }
}

namespace {

Punto PuntoCasuale(RealiCasuali& r) { return {r.Prossimo(), r.Prossimo()}; }

SolaioParete SolaioCasuale(RealiCasuali& r) {
    SolaioParete s;
    s.Coordinata = r.Prossimo();
    s.Spessore1 = r.Prossimo();
    s.Spessore2 = r.Prossimo();
    s.LatoMeno = static_cast<int>(r.Intero(2));
    s.LatoPiu = static_cast<int>(r.Intero(2));
    s.ConStaffe = static_cast<int>(r.Intero(2));
    s.DiamStaffe = static_cast<int>(r.Intero(30));
    s.PassoStaffe = r.Prossimo();
    s.DiamCorrenti = static_cast<int>(r.Intero(30));
    s.LarghezzaStaffe = r.Prossimo();
    s.Rientro1 = r.Prossimo();
    s.Rientro2 = r.Prossimo();
    return s;
}

}  // namespace

Parete PareteConProgettoCasuale(std::uint32_t seme) {
    RealiCasuali r(seme);
    Parete p = PareteRettangolare(500.0f, 300.0f);
    p.NumeroParete = 5;
    p.DataFileSet = "08/12/2026 22:45:10";
    p.PiegaAncoraggio = 1;
    p.OrigineX = r.Prossimo();
    p.OrigineY = r.Prossimo();
    p.DiamDir1Piu = 8;
    p.DiamDir1Meno = 10;
    p.DiamDir2Piu = -12;
    p.DiamDir2Meno = 32767;
    for (float* passo : {&p.PassoDir1Piu, &p.PassoDir1Meno, &p.PassoDir2Piu, &p.PassoDir2Meno})
        *passo = r.Prossimo();

    p.UltPosizione = 39;
    p.Posizioni.assign(p.UltPosizione + 1, PosizioneArm{});
    for (int i = 0; i <= p.UltPosizione; ++i) {
        PosizioneArm& pos = p.Posizioni[i];
        for (float* v : {&pos.XMin, &pos.YMin, &pos.XMax, &pos.YMax, &pos.XEtichetta,
                         &pos.YEtichetta, &pos.Passo, &pos.XBaricentro, &pos.YBaricentro,
                         &pos.Larghezza})
            *v = r.Prossimo();
        for (Punto& v : pos.Vertici) v = PuntoCasuale(r);
        for (float& v : pos.Richiamo) v = r.Prossimo();
        for (Punto& v : pos.EstDir) v = PuntoCasuale(r);
        pos.Diametro = static_cast<int>(r.Intero(40));
        pos.DiamCorrenti = static_cast<int>(r.Intero(40));
        pos.Direzione = static_cast<int>(r.Intero(2));
        pos.Tipo = static_cast<int>(r.Intero(5));
        pos.NumBracci = static_cast<int>(r.Intero(6)) - 1;
        pos.UltVerticeZona = static_cast<int>(r.Intero(12));
        p.PoligoniPos[i].assign(pos.UltVerticeZona + 1, Punto{});
        for (Punto& v : p.PoligoniPos[i]) v = PuntoCasuale(r);
    }

    p.UltSezione = 4;
    p.Sezioni.assign(p.UltSezione + 1, LineaSezione{});
    for (LineaSezione& s : p.Sezioni) {
        for (Punto* v : {&s.P0, &s.P1, &s.P2, &s.P3, &s.P4, &s.P5}) *v = PuntoCasuale(r);
        s.Orizzontale = static_cast<int>(r.Intero(2));
    }

    const std::string testi[] = {"\xC3\x98 12 / 20", "quota, con \"virgolette\"", "  ",
                                 "\xE2\x82\xAC 1,5 m\tfine", ""};
    p.UltQuota = 4;
    p.Quote.assign(p.UltQuota + 1, Quota{});
    for (int i = 0; i <= p.UltQuota; ++i) {
        Quota& q = p.Quote[i];
        for (float* v : {&q.X1, &q.Y1, &q.X2, &q.Y2, &q.XA, &q.YA, &q.XB, &q.YB})
            *v = r.Prossimo();
        q.Vista = static_cast<int>(r.Intero(20)) - 1;
        q.Testo = testi[i];
    }

    p.NumPuntiEst = 7;
    p.PerimetroEsterno.assign(p.NumPuntiEst + 1, Punto{});
    for (Punto& v : p.PerimetroEsterno) v = PuntoCasuale(r);
    p.NumPuntiInt = 5;
    p.PerimetroInterno.assign(p.NumPuntiInt + 1, Punto{});
    for (Punto& v : p.PerimetroInterno) v = PuntoCasuale(r);

    p.NumQuoteLivello = 6;
    p.QuoteLivello.assign(p.NumQuoteLivello + 1, QuotaLivello{});
    for (QuotaLivello& q : p.QuoteLivello) {
        q.X = r.Prossimo();
        q.Y = r.Prossimo();
        q.Valore = r.Prossimo();
        q.Vista = static_cast<int>(r.Intero(20)) - 1;
    }

    p.UltSolaio = 2;
    p.Solai.assign(p.UltSolaio + 1, SolaioParete{});
    for (SolaioParete& s : p.Solai) s = SolaioCasuale(r);
    p.UltParete = 1;
    p.ParetiTrasversali.assign(p.UltParete + 1, SolaioParete{});
    for (SolaioParete& s : p.ParetiTrasversali) s = SolaioCasuale(r);
    return p;
}
