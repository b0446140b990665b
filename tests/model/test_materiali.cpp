#include "model/Materiali.h"

#include <gtest/gtest.h>

#include <cmath>

struct CasoAcciaio {
    const char* nome;
    double sigmaAmm;
    int aderenza;
    double fyk, ftk, allungamento;
};

TEST(DatiAcciaio, FillsEachGradeWithTheSharedConstants) {
    const CasoAcciaio casi[NumAcciai] = {
        {"FeB 22k", 1200, 0, 2150, 3350, 0.24},  {"FeB 32k", 1600, 0, 3150, 4900, 0.23},
        {"FeB 38k", 2200, -1, 3750, 4500, 0.14}, {"FeB 44k", 2600, -1, 4300, 5400, 0.12},
        {"B450C", 2600, -1, 4500, 5400, 0.075},
    };
    for (int i = 0; i < NumAcciai; ++i) {
        ProprietaAcciaio a;
        DatiAcciaio(i, a);
        const auto& c = casi[i];
        EXPECT_EQ(a.Nome, c.nome);
        EXPECT_EQ(a.SigmaAmm, c.sigmaAmm) << c.nome;
        EXPECT_EQ(a.AderenzaMigliorata, c.aderenza) << c.nome;
        EXPECT_EQ(a.Fyk, c.fyk) << c.nome;
        EXPECT_EQ(a.Ftk, c.ftk) << c.nome;
        EXPECT_EQ(a.Allungamento, c.allungamento) << c.nome;
        EXPECT_EQ(a.Es, 2060000);
        EXPECT_EQ(a.G, 793100);
        EXPECT_EQ(a.Nu, 0.3);
        EXPECT_EQ(a.Alfa, 1.2e-05);
        EXPECT_EQ(a.PesoSpecifico, 7850);
    }
}

TEST(DatiAcciaio, IndexOutsideTheTableSetsOnlyTheConstants) {
    ProprietaAcciaio a;
    DatiAcciaio(IndiceAcciaioDefault, a);
    a.Es = 1;
    a.PesoSpecifico = 1;
    for (const int i : {-1, NumAcciai, 8}) {
        DatiAcciaio(i, a);
        EXPECT_EQ(a.Nome, "B450C");
        EXPECT_EQ(a.Fyk, 4500);
        EXPECT_EQ(a.Es, 2060000);
        EXPECT_EQ(a.PesoSpecifico, 7850);
    }
}

struct CasoCls {
    int indice;
    const char* nome;
    const char* esposizione;
    double rck, fckClasse;
    double fck;
    float fctm;
};

TEST(DatiCalcestruzzo, DerivesTheStrengthsWithTheFixedRounding) {
    const CasoCls casi[] = {
        {0, "C8/10", "Getti non armati", 100, 80, 83, 12.3f},
        // 0.83 x 150 = 124.5 stays 124: the rounding raises only from 0.555551.
        {1, "C12/15", "X0", 150, 120, 124, 16.1f},
        {2, "C16/20", "X0", 200, 160, 166, 19.5f},
        {3, "C20/25", "X0", 250, 200, 207, 22.6f},
        {4, "C25/30", "XC2, XF3", 300, 250, 249, 25.6f},
        {5, "C28/35", "XC3, XD1, XF4, XA1", 350, 280, 290, 28.3f},
        {6, "C30/37", "XC3, XD1, XF4, XA1", 370, 300, 307, 29.4f},
        {7, "C32/40", "XC4, XD2, XF1, XS1, XA2", 400, 320, 332, 31.0f},
        {8, "C35/45", "XD3, XS2, XS3, XA3", 450, 350, 373, 33.5f},
        {9, "C40/50", "XD3, XS2, XS3, XA3", 500, 400, 415, 36.0f},
        {10, "C45/55", "XD3, XS2, XS3, XA3", 550, 450, 456, 38.3f},
    };
    for (const auto& c : casi) {
        ProprietaCls cls;
        DatiCalcestruzzo(c.indice, cls);
        EXPECT_EQ(cls.Nome, c.nome);
        EXPECT_EQ(cls.Esposizione, c.esposizione) << c.nome;
        EXPECT_EQ(cls.Rck, c.rck) << c.nome;
        EXPECT_EQ(cls.FckClasse, c.fckClasse) << c.nome;
        EXPECT_EQ(cls.Fck, c.fck) << c.nome;
        // Stored from a 32-bit rounding: 25.6 is the float 25.6, widened.
        EXPECT_EQ(cls.Fctm, static_cast<double>(c.fctm)) << c.nome;
        EXPECT_EQ(std::fmod(cls.Ec, 10.0), 0.0) << c.nome;
        EXPECT_EQ(cls.G, std::floor(cls.Ec / 2.24 + 0.444449)) << c.nome;
        EXPECT_EQ(cls.PesoSpecifico, 2500) << c.nome;
    }
}

TEST(DatiCalcestruzzo, ElasticModulusOfTheDefaultClass) {
    ProprietaCls cls;
    DatiCalcestruzzo(IndiceClsDefault, cls);
    EXPECT_EQ(cls.Nome, "C25/30");
    // 22000 x (32.9 / 10)^0.3 MPa = 31447 MPa.
    EXPECT_EQ(cls.Ec, 314470);
    EXPECT_EQ(cls.G, 140388);
}

TEST(DatiCalcestruzzo, IndexOutsideTheTableDerivesAgainFromTheCurrentClass) {
    ProprietaCls cls;
    DatiCalcestruzzo(4, cls);
    cls.Fck = cls.Fctm = cls.Ec = cls.G = 0;
    DatiCalcestruzzo(11, cls);
    EXPECT_EQ(cls.Nome, "C25/30");
    EXPECT_EQ(cls.Fck, 249);
    EXPECT_EQ(cls.Fctm, static_cast<double>(25.6f));
    EXPECT_EQ(cls.Ec, 314470);
    DatiCalcestruzzo(-1, cls);
    EXPECT_EQ(cls.Fck, 249);
}

TEST(ElencoMateriali, RefillTheNameListsAndLeaveTheLastCurrent) {
    std::vector<std::string> nomiAcciai(20, "vecchio");
    ProprietaAcciaio acciaio;
    ElencoAcciai(nomiAcciai, acciaio);
    const std::vector<std::string> acciai = {"FeB 22k", "FeB 32k", "FeB 38k", "FeB 44k", "B450C",
                                             "",        "",        "",        ""};
    EXPECT_EQ(nomiAcciai, acciai);
    EXPECT_EQ(acciaio.Nome, "B450C");

    std::vector<std::string> nomiCls(3, "vecchio");
    ProprietaCls cls;
    ElencoCalcestruzzi(nomiCls, cls);
    const std::vector<std::string> classi = {"C8/10",  "C12/15", "C16/20", "C20/25",
                                             "C25/30", "C28/35", "C30/37", "C32/40",
                                             "C35/45", "C40/50", "C45/55", ""};
    EXPECT_EQ(nomiCls, classi);
    EXPECT_EQ(cls.Nome, "C45/55");
    EXPECT_EQ(cls.Fck, 456);
}
