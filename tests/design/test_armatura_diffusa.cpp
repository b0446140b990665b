#include "design/ArmaturaDiffusa.h"
#include "design/ContorniArmatura.h"
#include "drawing/BersaglioDxf.h"
#include "model/Estensione.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

#include "FlussoDxfRegistrato.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Quantities worked out by hand. Every wall is 30 cm thick with 3 cm cover
// and 10 mm bars at 20 cm on all four layers: end legs span the clear depth
// 30 - 6 - (10 + 10) / 10 = 22 cm, laps are 104 cm (twice the 52 cm
// anchorage), bars are at most 600 cm long, and a bar weighs
// 0.7854 cm2 x 0.00785 kg/cm3 = 0.0061654 kg per cm.

namespace {

// A rectangular wall reinforced as described above, its contours computed.
Parete PareteArmata(float larghezza, float altezza) {
    Parete p = PareteRettangolare(larghezza, altezza);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 10;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    CalcolaEstensione(p);
    CalcolaContorniArmatura(p);
    return p;
}

// A rectangular opening with the contours rebuilt around it.
void AggiungiAperturaArmata(Parete& p, float x1, float y1, float x2, float y2) {
    AggiungiApertura(p, x1, y1, x2, y2);
    CalcolaContorniArmatura(p);
}

void AggiungiSolaio(Parete& p, float livello) {
    SolaioParete s;
    s.Coordinata = livello;
    s.Spessore1 = 20.0f;
    s.Spessore2 = 15.0f;
    p.UltSolaio += 1;
    p.Solai.resize(p.UltSolaio + 1);
    p.Solai[p.UltSolaio] = s;
}

// The bars drawn on one layer of a recording DXF stream.
int LineeSulLayer(const FlussoDxfRegistrato& flusso, const std::string& layer) {
    int n = 0;
    for (const EntitaDxf& e : flusso.DiTipo("LINE"))
        if (e.Layer == layer) ++n;
    return n;
}

struct Quantita {
    float lungDir1, pesoDir1, lungDir2, pesoDir2;
};

Quantita LatoPiu(const Parete& p) {
    return {p.LungDir1Piu, p.PesoDir1Piu, p.LungDir2Piu, p.PesoDir2Piu};
}

Quantita LatoMeno(const Parete& p) {
    return {p.LungDir1Meno, p.PesoDir1Meno, p.LungDir2Meno, p.PesoDir2Meno};
}

void VerificaQuantita(const Quantita& q, const Quantita& attese, const std::string& nome) {
    EXPECT_FLOAT_EQ(q.lungDir1, attese.lungDir1) << nome;
    EXPECT_NEAR(q.pesoDir1, attese.pesoDir1, 1e-3) << nome;
    EXPECT_FLOAT_EQ(q.lungDir2, attese.lungDir2) << nome;
    EXPECT_NEAR(q.pesoDir2, attese.pesoDir2, 1e-3) << nome;
}

}  // namespace

TEST(RicalcolaArmature, QuantitaDiPareti) {
    struct Caso {
        const char* nome;
        Parete parete;
        int barreDir1;  // bars drawn on one face
        int barreDir2;
        Quantita attese;  // each face
    };
    Parete conApertura = PareteArmata(300, 200);
    AggiungiAperturaArmata(conApertura, 100, 50, 200, 150);
    Parete conSolai = PareteArmata(300, 700);
    AggiungiSolaio(conSolai, 230);  // top at 250
    AggiungiSolaio(conSolai, 480);  // top at 500
    Parete aperturaSottoSolaio = PareteArmata(300, 700);
    AggiungiAperturaArmata(aperturaSottoSolaio, 100, 50, 200, 150);
    AggiungiSolaio(aperturaSottoSolaio, 480);

    const Caso casi[] = {
        // Contour 3..297 x 3..197. Vertical bars at x = 16, 36, ..., 296:
        // 15 x (22 + 194 + 22) = 3570. Horizontal bars at y = 4, 24, ..., 184:
        // 10 x (22 + 294 + 22) = 3380.
        {"300 x 200", PareteArmata(300, 200), 15, 10, {3570, 22.0104f, 3380, 20.8390f}},
        // Opening enlarged to 97..203 x 47..153. Five vertical lines (x = 116
        // to 196) split into two bars of 44: 10 x 238 + 10 x 88 = 3260. Five
        // horizontal lines (y = 64 to 144) split into two bars of 94:
        // 5 x 338 + 10 x 138 = 3070.
        {"300 x 200 with an opening", conApertura, 20, 15, {3260, 20.0991f, 3070, 18.9277f}},
        // Vertical bars 3..697 cut at the slab tops 250 and 500: pieces of
        // 247, 250 and 197, the lower two running on by a lap:
        // (22 + 247 + 104) + (250 + 104) + (197 + 22) = 946; 15 x 946 = 14190.
        // Horizontal bars at y = 4 ... 684: 35 x 338 = 11830.
        {"300 x 700 with two slabs", conSolai, 15, 35, {14190, 87.4867f, 11830, 72.9364f}},
        // Each bar is cut only at the slabs on its own stretch: below the
        // opening 22 + 44 + 22 = 88, above it (22 + 347 + 104) + (197 + 22) =
        // 692. Full-height bars: 497 is longer than 600 - 22 - 104, so it is
        // laid as one piece with both its leg and its lap, 623, then 219.
        // 5 x (88 + 692) + 10 x 842 = 12320. Horizontal: 30 x 338 + 5 x 276.
        {"300 x 700, opening below a slab", aperturaSottoSolaio, 20, 40,
         {12320, 75.9574f, 11520, 71.0251f}},
        // Horizontal span 794 longer than 600: a piece of 22 + 578, then
        // one of 320 + 22 lapped by 104: 942 each, 10 x 942 = 9420. Vertical
        // bars at x = 16 ... 796: 40 x 238 = 9520.
        {"800 x 200, split with laps", PareteArmata(800, 200), 40, 10,
         {9520, 58.6944f, 9420, 58.0778f}},
    };
    for (const Caso& c : casi) {
        Parete p = c.parete;
        const Impostazioni imp;
        RicalcolaArmature(p, imp);
        VerificaQuantita(LatoPiu(p), c.attese, c.nome);
        VerificaQuantita(LatoMeno(p), c.attese, c.nome);

        FlussoDxfRegistrato flusso;
        const StatoDxf stato{1, 0.0f, 0.0f};
        ArmaturaDiffusa(p, 0.0f, 0.0f, 0, BersaglioDxf(flusso, stato, imp));
        EXPECT_EQ(LineeSulLayer(flusso, "ARM_DIFFUSA1"), c.barreDir1) << c.nome;
        EXPECT_EQ(LineeSulLayer(flusso, "ARM_DIFFUSA2"), c.barreDir2) << c.nome;
    }
}

TEST(RicalcolaArmature, SenzaSolaiLeBarreVerticaliSiDividonoAllaLunghezzaMassima) {
    // 694 cm: a piece of 22 + 578, then 220 + 22 lapped by 104: 842 each.
    Parete p = PareteArmata(300, 700);
    RicalcolaArmature(p, Impostazioni{});
    EXPECT_FLOAT_EQ(p.LungDir1Piu, 15 * 842.0f);
}

TEST(RicalcolaArmature, OgniStratoHaLeSueQuantita) {
    Parete p = PareteArmata(300, 200);
    p.PassoDir2Meno = 25.0f;  // y = 4, 29, ..., 179: 8 bars
    p.DiamDir2Piu = 12;       // horizontal legs do not depend on it
    RicalcolaArmature(p, Impostazioni{});
    EXPECT_FLOAT_EQ(p.LungDir2Meno, 8 * 338.0f);
    EXPECT_FLOAT_EQ(p.LungDir2Piu, 3380.0f);
    // 1.131 cm2 x 0.00785 x 3380
    EXPECT_NEAR(p.PesoDir2Piu, 30.0081f, 1e-3);
    EXPECT_FLOAT_EQ(p.LungDir1Meno, 3570.0f);
}

TEST(RicalcolaArmature, PassoNonPositivoNonPoneBarre) {
    for (float passo : {0.0f, -20.0f}) {
        Parete p = PareteArmata(300, 200);
        p.PassoDir1Piu = passo;
        RicalcolaArmature(p, Impostazioni{});
        EXPECT_FLOAT_EQ(p.LungDir1Piu, 0.0f) << passo;
        EXPECT_FLOAT_EQ(p.PesoDir1Piu, 0.0f) << passo;
        EXPECT_FLOAT_EQ(p.LungDir2Piu, 3380.0f) << passo;
    }
}

TEST(RicalcolaArmature, SenzaPareteNonCambiaNulla) {
    Parete p;
    p.LungDir1Piu = 7.0f;
    p.PesoDir2Meno = 3.0f;
    RicalcolaArmature(p, Impostazioni{});
    EXPECT_FLOAT_EQ(p.LungDir1Piu, 7.0f);
    EXPECT_FLOAT_EQ(p.PesoDir2Meno, 3.0f);
}

TEST(ArmaturaDiffusa, DisegnaSpostatoENonToccaLeQuantita) {
    Parete p = PareteArmata(300, 200);
    p.LungDir2Meno = -1.0f;
    const Impostazioni imp;
    FlussoDxfRegistrato flusso;
    const StatoDxf stato{1, 0.0f, 0.0f};
    ArmaturaDiffusa(p, 1000.0f, 50.0f, 1, BersaglioDxf(flusso, stato, imp));
    EXPECT_FLOAT_EQ(p.LungDir2Meno, -1.0f);

    // The first horizontal bar, (3, 4)-(297, 4), shifted and at 2 DXF units per cm.
    bool trovata = false;
    for (const EntitaDxf& e : flusso.DiTipo("LINE")) {
        if (e.Layer != "ARM_DIFFUSA2") continue;
        EXPECT_EQ(e.Interi[0], 0);
        if (std::abs(e.Valori[1] - 108.0f) < 1e-3f) {
            EXPECT_NEAR(e.Valori[0], 2006.0f, 1e-3);
            EXPECT_NEAR(e.Valori[2], 2594.0f, 1e-3);
            EXPECT_NEAR(e.Valori[3], 108.0f, 1e-3);
            trovata = true;
        }
    }
    EXPECT_TRUE(trovata);
}

TEST(ArmaturaDiffusa, UnaLineaPerUnVerticeNonPosaBarreNellApertura) {
    // The right side of the contour has a point at (320, 64), on the scan line
    // y = 64, which then crosses the contour once (x = 3) and the enlarged
    // opening twice (x = 97, 203): of the pieces 3..97 and 97..203 only the
    // first is concrete; the second lies in the opening.
    Parete p = PareteArmata(300, 200);
    AggiungiAperturaArmata(p, 100, 50, 200, 150);
    p.ContornoDir2 = {{3, 3}, {3, 197}, {297, 197}, {297, 100}, {320, 64}, {297, 3}, {3, 3}};
    p.ContornoDir1 = p.ContornoDir2;
    p.NumPuntiArm = 6;
    const Impostazioni imp;
    FlussoDxfRegistrato flusso;
    const StatoDxf stato{1, 0.0f, 0.0f};
    ArmaturaDiffusa(p, 0.0f, 0.0f, 0, BersaglioDxf(flusso, stato, imp));
    // y = 4, 24, 44, 164, 184: one bar; 84 to 144: two; 64: one.
    EXPECT_EQ(LineeSulLayer(flusso, "ARM_DIFFUSA2"), 14);
    for (const EntitaDxf& e : flusso.DiTipo("LINE")) {
        if (e.Layer != "ARM_DIFFUSA2") continue;
        const float xm = (e.Valori[0] + e.Valori[2]) / 4.0f, ym = e.Valori[1] / 2.0f;
        EXPECT_FALSE(xm > 100 && xm < 200 && ym > 50 && ym < 150) << xm << " " << ym;
    }
}

TEST(MisuraArmaturaDiffusa, LeQuantitaDiUnaFacciaSonoQuelleCheIlRicalcoloRegistra) {
    Parete p = PareteArmata(800, 200);
    p.PassoDir2Meno = 25.0f;  // y = 4, 29, ..., 179: 8 bars, one split bar each
    const Impostazioni imp;
    const Parete& sola = p;
    const auto piu = MisuraArmaturaDiffusa(sola, imp, 0);
    const auto meno = MisuraArmaturaDiffusa(sola, imp, 1);
    ASSERT_TRUE(piu.has_value());
    ASSERT_TRUE(meno.has_value());
    VerificaQuantita({piu->LungDir1, piu->PesoDir1, piu->LungDir2, piu->PesoDir2},
                     {9520, 58.6944f, 9420, 58.0778f}, "lato +");
    EXPECT_FLOAT_EQ(meno->LungDir2, 8 * 942.0f);

    RicalcolaArmature(p, imp);
    EXPECT_EQ(LatoPiu(p).lungDir1, piu->LungDir1);
    EXPECT_EQ(LatoPiu(p).pesoDir1, piu->PesoDir1);
    EXPECT_EQ(LatoPiu(p).lungDir2, piu->LungDir2);
    EXPECT_EQ(LatoPiu(p).pesoDir2, piu->PesoDir2);
    EXPECT_EQ(LatoMeno(p).lungDir1, meno->LungDir1);
    EXPECT_EQ(LatoMeno(p).pesoDir1, meno->PesoDir1);
    EXPECT_EQ(LatoMeno(p).lungDir2, meno->LungDir2);
    EXPECT_EQ(LatoMeno(p).pesoDir2, meno->PesoDir2);
}

TEST(MisuraArmaturaDiffusa, SenzaContorniNienteMisuraELeQuantitaRestano) {
    Parete p = PareteRettangolare(300, 200);  // outline read, contours not built yet
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.LungDir1Piu = 7.0f;
    p.PesoDir2Meno = 3.0f;
    const Impostazioni imp;
    EXPECT_FALSE(MisuraArmaturaDiffusa(p, imp, 0).has_value());
    EXPECT_FALSE(MisuraArmaturaDiffusa(p, imp, 1).has_value());
    RicalcolaArmature(p, imp);
    EXPECT_FLOAT_EQ(p.LungDir1Piu, 7.0f);
    EXPECT_FLOAT_EQ(p.PesoDir2Meno, 3.0f);
}
