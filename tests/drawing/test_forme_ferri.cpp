#include "drawing/BersaglioDxf.h"
#include "drawing/BersaglioMisura.h"
#include "drawing/FormeFerri.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

#include "FlussoDxfRegistrato.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Two meshes of 10 mm in a 30 cm wall with 3 cm cover: the end legs span the
// clear depth 30 - 2 x 3 - (10 + 10) / 10 = 22 cm.
Parete PareteProva() {
    Parete p;
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = 10;
    p.DiamDir1Meno = 10;
    return p;
}

// Writes the drawing into a recording DXF stream in the R12 dialect, where
// every bar length is a text (2 DXF units per cm).
struct DisegnoDxf {
    Impostazioni imp;
    FlussoDxfRegistrato flusso;
    StatoDxf stato{1, 0.0f, 0.0f};
    BersaglioDxf Uscita() { return BersaglioDxf(flusso, stato, imp); }

    std::vector<std::string> Testi(const std::string& layer) const {
        std::vector<std::string> testi;
        for (const EntitaDxf& e : flusso.DiTipo("TEXT"))
            if (e.Layer == layer) testi.push_back(e.Testo);
        return testi;
    }
    std::vector<std::vector<float>> Linee() const {
        std::vector<std::vector<float>> linee;
        for (const EntitaDxf& e : flusso.DiTipo("LINE")) {
            EXPECT_EQ(e.Layer, "ARMATURA_SEZ");
            linee.push_back(e.Valori);
        }
        return linee;
    }
};

const char* const Diam = "\xC3\x98";  // "Ø" as the DXF text carries it

}  // namespace

TEST(SuffissoLato, SegnoDelLato) {
    EXPECT_EQ(SuffissoLato(0), " (+)");
    EXPECT_EQ(SuffissoLato(1), " (-)");
    EXPECT_EQ(SuffissoLato(-1), " (-)");
}

// Lengths worked out by hand. 10 mm bars: anchorage 52 cm, lap 104 cm
// (2 x 52, within 20..104 diameters); with SovrappMax 50 both become 50.
TEST(DisFerroOrizz, LunghezzeMisurate) {
    struct Caso {
        const char* nome;
        float campata;
        int gambe;  // both end legs
        int lato;
        int magliaUnica;
        int piega;
        int sovrappMax;
        float lungMax;
        int attesa;
    };
    const Caso casi[] = {
        {"split in two", 1000, 0, 0, 0, 0, 50, 600, 1050},             // 600 + 450
        {"shortened then last", 620, 0, 0, 0, 0, 50, 600, 670},        // 560 + 110
        {"legs", 300, 1, 0, 0, 0, 104, 600, 344},                      // 22 + 300 + 22
        {"max length less the legs", 556, 1, 0, 0, 0, 104, 600, 600},  // one piece, both legs
        {"split with legs", 794, 1, 0, 0, 0, 104, 600, 942},           // 600 + 342
        {"shortened with legs", 614, 1, 0, 0, 0, 104, 600, 762},       // 560 + 202
        {"bent anchorages", 300, 1, 0, -1, -1, 104, 600, 352},         // 2 x (5 + 21)
        {"bent outwards on face 1", 300, 1, 1, -1, -1, 104, 600, 372},  // 2 x (5 + 31)
        {"single mesh, straight", 300, 1, 0, -1, 0, 104, 600, 300},
        {"too short", 0.5f, 1, 0, 0, 0, 104, 600, 0},
        {"max length below the lap", 1000, 0, 0, 0, 0, 104, 40, 1000},  // unsplit, ends
    };
    for (const Caso& c : casi) {
        Parete p = PareteProva();
        p.MagliaUnica = c.magliaUnica;
        p.PiegaAncoraggio = c.piega;
        Impostazioni imp;
        imp.SovrappMax = c.sovrappMax;
        imp.LungMaxFerri = c.lungMax;
        const int l = DisFerroOrizz(p, imp, 0, c.lato, 0.0f, 3.0f, 3.0f + c.campata, 10, 20.0f,
                                    c.gambe, c.gambe, BersaglioMisura(imp));
        EXPECT_EQ(l, c.attesa) << c.nome;
    }
}

TEST(DisFerroOrizz, PezziSfalsatiConEtichette) {
    DisegnoDxf d;
    d.imp.SovrappMax = 50;  // lap 50
    const int l = DisFerroOrizz(PareteProva(), d.imp, 0, 0, 100.0f, 0.0f, 1000.0f, 10, 20.0f, 0,
                                0, d.Uscita());
    EXPECT_EQ(l, 1050);
    // A full piece on the bar's line, the last one 20 cm lower, overlapping by the lap.
    const auto linee = d.Linee();
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_EQ(linee[0], (std::vector<float>{0, 200, 1200, 200}));
    EXPECT_EQ(linee[1], (std::vector<float>{1100, 160, 2000, 160}));
    const std::vector<std::string> attesi = {std::string("1") + Diam + " 10/20 L=600",
                                             std::string("1") + Diam + "10/20 L=450"};
    EXPECT_EQ(d.Testi("TESTO_FERRI"),
              (std::vector<std::string>{"600", attesi[0], "450", attesi[1]}));
}

TEST(DisFerroOrizz, EtichettaConPosizioneELato) {
    DisegnoDxf d;
    d.imp.IndicaLato = 1;
    const int l = DisFerroOrizz(PareteProva(), d.imp, 3, 1, 0.0f, 0.0f, 300.0f, 10, 12.5f, 1, 1,
                                d.Uscita());
    EXPECT_EQ(l, 344);
    const auto testi = d.Testi("TESTO_FERRI");
    ASSERT_FALSE(testi.empty());
    EXPECT_EQ(testi.back(), std::string("1") + Diam + "10/12.5 L=344 (3) (-)");
    // Face 1 turns the legs downwards.
    const auto linee = d.Linee();
    ASSERT_EQ(linee.size(), 3u);
    EXPECT_EQ(linee[0], (std::vector<float>{0, 0, 0, -44}));
    EXPECT_EQ(linee[2], (std::vector<float>{600, 0, 600, -44}));
}

TEST(DisFerroVert, LunghezzeMisurate) {
    struct Caso {
        const char* nome;
        float y1, y2;
        std::vector<float> livelli;  // slab levels, each 20 thick above the level
        int taglio;
        int diametro;
        int gambe;
        int sovrappMax;
        float lungMax;
        int magliaUnica;
        int attesa;
    };
    // 12 mm bars: lap 124 (2 x 62).
    const Caso casi[] = {
        {"cut at two slab tops", 0, 900, {280, 580}, 0, 12, 0, 104, 600, 0, 1148},
        {"the same cut at levels on the bar", 0, 900, {280, 580}, 1, 12, 0, 104, 600, 0, 1148},
        {"level below the bar is no cut", 290, 900, {280, 580}, 1, 12, 0, 104, 600, 0, 734},
        {"top above the start still cuts", 290, 900, {280, 580}, 0, 12, 0, 104, 600, 0, 858},
        {"listed slab off the bar", 0, 300, {480}, 0, 12, 0, 104, 600, 0, 300},
        {"split in two", 0, 1000, {}, 0, 10, 0, 50, 600, 0, 1050},
        {"shortened then last", 0, 620, {}, 0, 10, 0, 50, 600, 0, 670},
        {"legs", 0, 300, {}, 0, 10, 1, 104, 600, 0, 344},
        {"split with legs", 0, 794, {}, 0, 10, 1, 104, 600, 0, 942},
        {"bent anchorages", 0, 300, {}, 0, 10, 1, 104, 600, -1, 352},
        {"too short", 0, 0.5f, {}, 0, 10, 1, 104, 600, 0, 0},
        {"max length below the lap", 0, 1000, {}, 0, 10, 0, 104, 40, 0, 1000},
    };
    for (const Caso& c : casi) {
        Parete p = PareteProva();
        p.MagliaUnica = c.magliaUnica;
        p.PiegaAncoraggio = c.magliaUnica;
        std::vector<int> elenco;
        p.Solai.clear();
        for (float livello : c.livelli) {
            SolaioParete s;
            s.Coordinata = livello;
            s.Spessore1 = 20.0f;
            elenco.push_back(static_cast<int>(p.Solai.size()));
            p.Solai.push_back(s);
        }
        if (p.Solai.empty()) p.Solai.resize(1);
        p.UltSolaio = static_cast<int>(elenco.size()) - 1;
        Impostazioni imp;
        imp.SovrappMax = c.sovrappMax;
        imp.LungMaxFerri = c.lungMax;
        const int l = DisFerroVert(p, imp, 0, 0, 0.0f, 0.0f, c.y1, c.y2, c.diametro, 20.0f,
                                   c.gambe, c.gambe, elenco, static_cast<int>(elenco.size()),
                                   c.taglio, BersaglioMisura(imp));
        EXPECT_EQ(l, c.attesa) << c.nome;
    }
}

TEST(DisFerroVert, PezziAlternatiDiLato) {
    DisegnoDxf d;
    d.imp.SovrappMax = 50;  // lap 50
    const int l = DisFerroVert(PareteProva(), d.imp, 0, 0, 10.0f, 100.0f, 0.0f, 620.0f, 10, 20.0f,
                               0, 0, {}, 0, 0, d.Uscita());
    EXPECT_EQ(l, 670);
    // A piece shortened by 40, then the last one beside it, overlapping by the lap.
    const auto linee = d.Linee();
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_EQ(linee[0], (std::vector<float>{20, 200, 20, 1320}));
    EXPECT_EQ(linee[1], (std::vector<float>{60, 1220, 60, 1440}));
    const auto testi = d.Testi("TESTO_FERRI");
    ASSERT_EQ(testi.size(), 4u);
    EXPECT_EQ(testi[1], std::string(Diam) + "10/20 L=560");
    EXPECT_EQ(testi[3], std::string(Diam) + "10/20 L=110");
    for (const EntitaDxf& e : d.flusso.DiTipo("TEXT")) EXPECT_FLOAT_EQ(e.Valori[3], 90.0f);
}

TEST(DisFerroVert, PezzoInteroScriveLaLunghezzaMassima) {
    DisegnoDxf d;
    d.imp.SovrappMax = 50;
    DisFerroVert(PareteProva(), d.imp, 0, 1, 0.0f, 0.0f, 0.0f, 1000.0f, 10, 20.0f, 0, 0, {}, 0, 0,
                 d.Uscita());
    const auto testi = d.Testi("TESTO_FERRI");
    ASSERT_EQ(testi.size(), 4u);
    EXPECT_EQ(testi[1], std::string(Diam) + " 10/20 L=600");
    EXPECT_EQ(testi[3], std::string(Diam) + "10/20 L=450");
}

// 12 mm bars, lap 124: a segment below a slab top runs on into the next by
// the lap. Below 600 - 124 = 476 it is whole and runs on in one line; from
// there on it is planned, and its last piece runs on as a stretch of its own.
// Either way 1024 cm: 300 + 124 + 600, or 500 + 124 + 400.
TEST(DisFerroVert, ProlungaNelSegmentoSuperiore) {
    struct Caso {
        const char* nome;
        float livello;  // of the slab, 20 thick
        std::vector<std::vector<float>> linee;
    };
    const Caso casi[] = {
        {.nome = "whole segment below the slab",
         .livello = 280,
         .linee = {{0, 0, 0, 848}, {40, 600, 40, 1800}}},
        {.nome = "planned segment below the slab",
         .livello = 480,
         .linee = {{0, 0, 0, 1000}, {0, 1000, 0, 1248}, {40, 1000, 40, 1800}}},
    };
    for (const Caso& c : casi) {
        Parete p = PareteProva();
        p.Solai.assign(1, SolaioParete{});
        p.Solai[0].Coordinata = c.livello;
        p.Solai[0].Spessore1 = 20.0f;
        p.UltSolaio = 0;
        DisegnoDxf d;
        EXPECT_EQ(DisFerroVert(p, d.imp, 0, 0, 0.0f, 0.0f, 0.0f, 900.0f, 12, 20.0f, 0, 0, {0}, 1,
                               0, d.Uscita()),
                  1024)
            << c.nome;
        EXPECT_EQ(d.Linee(), c.linee) << c.nome;
    }
}

TEST(DisStaffaCordolo, StaffaSviluppata) {
    DisegnoDxf d;
    // h = 30 - 6 - 2 = 22; L = 2 x 22 + 2 x 40 + 2 x 8 = 140.
    DisStaffaCordolo(PareteProva(), 2, 0.0f, 0.0f, 40.0f, 8, 20.0f, d.Uscita());
    const auto linee = d.Linee();
    ASSERT_EQ(linee.size(), 6u);  // four sides and two hooks
    EXPECT_EQ(linee[0], (std::vector<float>{0, 0, 80, 0}));
    EXPECT_EQ(linee[1], (std::vector<float>{0, -44, 80, -44}));
    const std::vector<std::string> testi = {std::string("St.") + Diam + "8/20", "L=140  (2)"};
    EXPECT_EQ(d.Testi("TESTO_FERRI"), testi);
    // The side lengths go on layer 1.
    EXPECT_EQ(d.Testi("ARM_INTEGR2"), (std::vector<std::string>{"40", "22"}));
}

TEST(DisFerroVert, CimeDeiSolaiInOrdineDiQuota) {
    // Listed by level, the thick slab's top (250) lies above the thin one's
    // (220): the bar is cut at 220 and at 250, never by a negative piece.
    Parete p = PareteProva();
    p.Solai.assign(2, SolaioParete{});
    p.Solai[0].Coordinata = 100.0f;
    p.Solai[0].Spessore1 = 150.0f;
    p.Solai[1].Coordinata = 200.0f;
    p.Solai[1].Spessore1 = 20.0f;
    p.UltSolaio = 1;
    const Impostazioni imp;
    // 12 mm bars, lap 124: (220 + 124) + (30 + 124) + 350.
    EXPECT_EQ(DisFerroVert(p, imp, 0, 0, 0.0f, 0.0f, 0.0f, 600.0f, 12, 20.0f, 0, 0, {0, 1}, 2, 0,
                           BersaglioMisura(imp)),
              848);
}
