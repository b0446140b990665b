#include "PareteDiProva.h"
#include "TavolaDiProva.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The sheet placement of a 300 high wall: yV = 0; the first vertical view's
// faces at x 1000 and 1020, the first horizontal view's at y 150 and 130.
constexpr float X0 = 1000.0f, Y0 = 300.0f;

bool Vicini(float a, float b) { return std::fabs(a - b) < 1e-3f; }

struct Tratto {
    float x1, y1, x2, y2;
    bool operator==(const Tratto& o) const {
        return Vicini(x1, o.x1) && Vicini(y1, o.y1) && Vicini(x2, o.x2) && Vicini(y2, o.y2);
    }
};
std::ostream& operator<<(std::ostream& os, const Tratto& t) {
    return os << "(" << t.x1 << "," << t.y1 << ")-(" << t.x2 << "," << t.y2 << ")";
}

std::vector<Tratto> Tratti(const std::vector<EntitaDxf>& linee) {
    std::vector<Tratto> v;
    for (const EntitaDxf& e : linee) v.push_back({e.Valori[0], e.Valori[1], e.Valori[2], e.Valori[3]});
    return v;
}

// The lines of the developed bars running along the section, beyond the far
// face: vertical ones right of x 1030, horizontal ones below y 120. Their
// across values, sorted, without repeats.
std::vector<float> LineeSviluppate(const TavolaDiProva& t, bool verticale) {
    std::vector<float> v;
    for (const Tratto& l : Tratti(t.Linee("ARMATURA_SEZ"))) {
        const float w = verticale ? l.x1 : l.y1;
        const bool lungo = verticale ? Vicini(l.x1, l.x2) : Vicini(l.y1, l.y2);
        const bool fuori = verticale ? w > 1030.0f : w < 120.0f;
        if (lungo && fuori && std::none_of(v.begin(), v.end(), [&](float x) { return Vicini(x, w); }))
            v.push_back(w);
    }
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

// t = 20, c = 3: dMeno 50 beyond face b, the "lato -" positions 2t + 50 = 90,
// the "lato +" ones 39 further; the distributed "lato +" bars 2.5t + 3 = 53
// beyond dMeno, or 1.5t + 3 = 33 beyond the "lato +" positions when a position
// lies in the plane.
TEST(DisTavolaSezioni, LineeDeiFerriSviluppati) {
    struct Caso {
        const char* nome;
        bool verticale;
        std::function<void(TavolaDiProva&)> prepara;
        std::vector<float> linee;
    };
    const auto nessuna = [](TavolaDiProva&) {};
    const auto dueFacce = [](TavolaDiProva& t) {
        t.Rettangolo(200, 50, 300, 100, IntegrativaPiu, 0);
        t.Rettangolo(200, 150, 300, 250, IntegrativaMeno, 0);
    };
    const Caso casi[] = {
        {.nome = "vertical, two meshes", .verticale = true, .prepara = nessuna, .linee = {1070, 1123}},
        {.nome = "vertical, two meshes and positions of both faces",
         .verticale = true,
         .prepara = dueFacce,
         .linee = {1070, 1110, 1149, 1182}},
        {.nome = "vertical, single mesh: lato - bars, both faces' positions on one line",
         .verticale = true,
         .prepara =
             [&](TavolaDiProva& t) {
                 t.P.MagliaUnica = -1;
                 dueFacce(t);
             },
         .linee = {1070, 1110}},
        {.nome = "horizontal, two meshes", .verticale = false, .prepara = nessuna, .linee = {27, 80}},
        {.nome = "horizontal, single mesh: one bar halfway and 0.8 further out",
         .verticale = false,
         .prepara = [](TavolaDiProva& t) { t.P.MagliaUnica = -1; },
         .linee = {52.7f}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        TavolaDiProva t;
        if (caso.verticale) t.Verticale(250);
        else t.Orizzontale(150);
        caso.prepara(t);
        t.Disegna(X0, Y0);
        const std::vector<float> trovate = LineeSviluppate(t, caso.verticale);
        ASSERT_EQ(trovate.size(), caso.linee.size());
        for (size_t i = 0; i < trovate.size(); ++i)
            EXPECT_TRUE(Vicini(trovate[i], caso.linee[i])) << trovate[i] << " vs " << caso.linee[i];
    }
}

// Wall 500 x 600 with an opening at y 250..350 on the section x = 250: two
// pieces, each with one slab (tops 120 and 470). Each bar is split at its own
// slab: two pieces, two labels, per bar.
TEST(DisTavolaSezioni, OgniFerroVerticaleConISuoiSolai) {
    TavolaDiProva t(500.0f, 600.0f);
    AggiungiApertura(t.P, 200, 250, 300, 350);
    AggiungiSolaio(t.P, 100);
    AggiungiSolaio(t.P, 450);
    t.Verticale(250);
    t.Disegna(X0, 600.0f);  // yV = 0
    size_t etichetteVerticali = 0;
    for (const EntitaDxf& e : t.TestiCon("L="))
        if (e.Valori[3] == 90.0f) ++etichetteVerticali;
    EXPECT_EQ(etichetteVerticali, 8u);
    // The slab tops dashed across the developed bars, dMeno - 20 to dPiu + 40.
    std::vector<Tratto> segni;
    for (const Tratto& l : Tratti(t.Linee("TRATTEGGI")))
        if (l.x1 > 1030.0f) segni.push_back(l);
    EXPECT_EQ(segni, (std::vector<Tratto>{{1050, 120, 1163, 120}, {1050, 470, 1163, 470}}));
}

// A ring beam over x 100..200 in the plane of the horizontal section y = 150:
// view faces 150 and 130, stirrup rows rb1 = 150 - 3 - 2 = 145 and
// rb2 = 130 + 3 + 2 = 135, leader offset (145 - 135 - 4) / 1.61.
TEST(DisTavolaSezioni, CordoloNelPianoDiUnaSezioneOrizzontale) {
    TavolaDiProva t;
    t.P.PassoDir1Piu = t.P.PassoDir1Meno = 0.0f;  // no distributed markers
    t.Orizzontale(150);
    t.Orizzontale(250);
    for (int i = 0; i < 4; ++i) t.Rettangolo(400, 20, 450, 40, IntegrativaPiu, 1);  // not crossed
    const int j = t.Rettangolo(100, 140, 200, 160, Cordolo, 1, 8, 20);
    t.P.Posizioni[j].DiamCorrenti = 14;
    t.Disegna(X0, Y0);

    const float p = X0 + 102, q = X0 + 198, d = 6.0f / 1.61f;
    const auto m = t.Marcatori();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_TRUE(Vicini(m[0].X, p) && Vicini(m[0].Y, 143));
    EXPECT_TRUE(Vicini(m[1].X, p) && Vicini(m[1].Y, 137));
    EXPECT_TRUE(Vicini(m[2].X, q) && Vicini(m[2].Y, 143));
    EXPECT_TRUE(Vicini(m[3].X, q) && Vicini(m[3].Y, 137));
    EXPECT_EQ(Tratti(t.Linee("QUOTE")), (std::vector<Tratto>{{p - 18, 172, p, 143},
                                                             {p - 18 - d, 172, p, 137},
                                                             {q - 18, 172, q, 143},
                                                             {q - 18 - d, 172, q, 137},
                                                             {q - 18, 172, p - 70, 172}}));
    const std::vector<Tratto> barre = Tratti(t.Linee("ARMATURA_SEZ"));
    for (const Tratto& ai : {Tratto{X0 + 100, 145, X0 + 100, 135}, Tratto{X0 + 200, 145, X0 + 200, 135}})
        EXPECT_NE(std::find(barre.begin(), barre.end(), ai), barre.end()) << ai;

    const auto etichette = t.TestiCon("2+2");
    ASSERT_EQ(etichette.size(), 1u);
    EXPECT_EQ(etichette[0].Testo, "2+2 \xC3\x98" "14  (5)");
    EXPECT_TRUE(Vicini(etichette[0].Valori[0], p - 70) && Vicini(etichette[0].Valori[1], 174));
    EXPECT_EQ(etichette[0].Interi, (std::vector<int>{0, 1}));
    // The developed stirrup on the line of the "lato -" positions, 130 - 90 = 40;
    // its hanging label 7 right of the stirrup and 3 above, less 2.
    const auto staffa = t.TestiCon("St.");
    ASSERT_EQ(staffa.size(), 1u);
    EXPECT_EQ(staffa[0].Testo, "St.\xC3\x98" "8/20");
    EXPECT_TRUE(Vicini(staffa[0].Valori[0], X0 + 207) && Vicini(staffa[0].Valori[1], 41));
    // A ring beam in the plane widens the gap to the next view.
    EXPECT_EQ(t.FacceOrizzontali(), (std::vector<float>{150, 150 - 315}));
}

TEST(DisTavolaSezioni, CordoloNelPianoDiUnaSezioneVerticale) {
    TavolaDiProva t;
    t.Verticale(150);
    t.Verticale(400);
    t.Rettangolo(140, 50, 160, 250, Cordolo, 0, 8, 20);
    t.Disegna(X0, Y0);
    EXPECT_TRUE(t.TestiCon("2+2").empty());
    EXPECT_TRUE(t.TestiCon("St.").empty());
    EXPECT_EQ(t.FacceVerticali(), (std::vector<float>{X0, X0 + 315}));
}

// A section across a ring beam shows its stirrups as a far-face group.
TEST(DisTavolaSezioni, CordoloTagliato) {
    TavolaDiProva t;
    t.P.PassoDir2Piu = t.P.PassoDir2Meno = 0.0f;
    t.Verticale(250);
    t.Rettangolo(100, 250, 400, 290, Cordolo, 1, 8, 20);
    t.Disegna(X0, Y0);
    const auto m = t.Marcatori();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_TRUE(Vicini(m[0].X, 1016.4f) && Vicini(m[0].Y, 251));
    EXPECT_TRUE(Vicini(m[1].X, 1016.4f) && Vicini(m[1].Y, 271));
    const auto etichette = t.Etichette("1");
    ASSERT_EQ(etichette.size(), 1u);
    EXPECT_EQ(etichette[0].Testo, "1\xC3\x98" "8/20.0  (1)");
    EXPECT_TRUE(t.TestiCon("2+2").empty());
}

// Wall 500 x 300 (reinforcement contour 3..497 x 3..297) with an opening at
// y 100..200; a "lato +" zone of vertical bars from the wall's foot (y 3) to
// the opening (y 97), cut by the section x = 250: 94 cm of bar, a leg of
// 20 - 6 - 2 = 12 cm at the foot and none at the opening, where the bar
// stops inside the wall, as the bill counts it: L = 94 + 12 = 106.
TEST(DisTavolaSezioni, ZoneBarStoppingAtAnOpeningHasNoLegThere) {
    TavolaDiProva t;
    AggiungiApertura(t.P, 200, 100, 300, 200);
    t.Rettangolo(220, 3, 280, 97, IntegrativaPiu, 0);
    t.Verticale(250);
    t.Disegna(X0, Y0);
    std::vector<std::string> etichette;
    for (const EntitaDxf& e : t.TestiCon("(1)")) etichette.push_back(e.Testo);
    ASSERT_EQ(etichette.size(), 1u);
    EXPECT_NE(etichette[0].find("L=106"), std::string::npos) << etichette[0];
}
