#include "model/Materiali.h"

#include "model/Numeri.h"

#include <cmath>

namespace {

struct RigaAcciaio {
    const char* Nome;
    double SigmaAmm;
    int AderenzaMigliorata;
    double Fyk;
    double Ftk;
    double Allungamento;
};

constexpr RigaAcciaio TabellaAcciai[NumAcciai] = {
    {"FeB 22k", 1200, 0, 2150, 3350, 0.24},
    {"FeB 32k", 1600, 0, 3150, 4900, 0.23},
    {"FeB 38k", 2200, -1, 3750, 4500, 0.14},
    {"FeB 44k", 2600, -1, 4300, 5400, 0.12},
    {"B450C", 2600, -1, 4500, 5400, 0.075},
};

struct RigaCls {
    const char* Nome;
    const char* Esposizione;
    double Rck;
    double FckClasse;
};

constexpr RigaCls TabellaCls[NumCalcestruzzi] = {
    {"C8/10", "Getti non armati", 100, 80},
    {"C12/15", "X0", 150, 120},
    {"C16/20", "X0", 200, 160},
    {"C20/25", "X0", 250, 200},
    {"C25/30", "XC2, XF3", 300, 250},
    {"C28/35", "XC3, XD1, XF4, XA1", 350, 280},
    {"C30/37", "XC3, XD1, XF4, XA1", 370, 300},
    {"C32/40", "XC4, XD2, XF1, XS1, XA2", 400, 320},
    {"C35/45", "XD3, XS2, XS3, XA3", 450, 350},
    {"C40/50", "XD3, XS2, XS3, XA3", 500, 400},
    {"C45/55", "XD3, XS2, XS3, XA3", 550, 450},
};

}  // namespace

void DatiAcciaio(int i, ProprietaAcciaio& Acciaio) {
    if (i >= 0 && i < NumAcciai) {
        const RigaAcciaio& riga = TabellaAcciai[i];
        Acciaio.Nome = riga.Nome;
        Acciaio.SigmaAmm = riga.SigmaAmm;
        Acciaio.AderenzaMigliorata = riga.AderenzaMigliorata;
        Acciaio.Fyk = riga.Fyk;
        Acciaio.Ftk = riga.Ftk;
        Acciaio.Allungamento = riga.Allungamento;
    }
    Acciaio.Es = 2060000;
    Acciaio.G = 793100;
    Acciaio.Nu = 0.3;
    Acciaio.Alfa = 1.2e-05;
    Acciaio.PesoSpecifico = 7850;
}

void DatiCalcestruzzo(int i, ProprietaCls& Calcestruzzo) {
    if (i >= 0 && i < NumCalcestruzzi) {
        const RigaCls& riga = TabellaCls[i];
        Calcestruzzo.Nome = riga.Nome;
        Calcestruzzo.Esposizione = riga.Esposizione;
        Calcestruzzo.Rck = riga.Rck;
        Calcestruzzo.FckClasse = riga.FckClasse;
    }
    // Formulas in MPa converted at 10 kg/cm2 = 1 MPa. The exponent 0.66667 (not
    // 2/3) and the roundings are part of the values engineers know per class.
    ProprietaCls& c = Calcestruzzo;
    c.Fck = Arrotonda(0.83 * c.Rck, 0);
    c.Fctm = Arrotonda(3 * std::pow(c.Fck / 10, 0.66667), 1);
    c.Ec = Arrotonda(22000 * std::pow((c.Fck / 10 + 8) / 10, 0.3), 0) * 10.0f;
    c.G = Arrotonda(c.Ec / 2.24, 0);
    c.PesoSpecifico = 2500;
}

void ElencoAcciai(std::vector<std::string>& NomiAcciai, ProprietaAcciaio& Acciaio) {
    NomiAcciai.assign(SlotNomiAcciai, std::string());
    for (int i = 0; i < NumAcciai; ++i) {
        DatiAcciaio(i, Acciaio);
        NomiAcciai[i] = Acciaio.Nome;
    }
}

void ElencoCalcestruzzi(std::vector<std::string>& NomiCls, ProprietaCls& Calcestruzzo) {
    NomiCls.assign(SlotNomiCls, std::string());
    for (int i = 0; i < NumCalcestruzzi; ++i) {
        DatiCalcestruzzo(i, Calcestruzzo);
        NomiCls[i] = Calcestruzzo.Nome;
    }
}
