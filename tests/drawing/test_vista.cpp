#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

Vista TelaDi(float larghezza, float altezza) {
    Vista v;
    v.LarghezzaTela = larghezza;
    v.AltezzaTela = altezza;
    return v;
}

Rettangolo Est(float xmin, float ymin, float xmax, float ymax) {
    return Rettangolo{xmin, ymin, xmax, ymax};
}

}  // namespace

TEST(Vista, TrasformazioneEInversa) {
    Vista v = TelaDi(800, 600);
    v.Scala = 2.0f;
    v.FinXmin = -10.0f;
    v.FinYmin = 5.0f;
    EXPECT_FLOAT_EQ(XSchermo(v, 40.0f), 100.0f);
    EXPECT_FLOAT_EQ(YSchermo(v, 55.0f), 500.0f);
    EXPECT_FLOAT_EQ(XModello(v, 100), 40.0f);
    EXPECT_FLOAT_EQ(YModello(v, 500.0f), 55.0f);
    EXPECT_FLOAT_EQ(YModello(v, 600), 5.0f);  // bottom edge of the canvas
}

TEST(Vista, AdattaFinestraCentraInVerticale) {
    Vista v = TelaDi(800, 600);
    AdattaFinestra(v, Est(100, 50, 1100, 350));
    EXPECT_FLOAT_EQ(v.Scala, 0.8f);
    EXPECT_FLOAT_EQ(v.FinXmin, 100.0f);
    EXPECT_FLOAT_EQ(v.FinXmax, 1100.0f);
    EXPECT_FLOAT_EQ(v.FinYmin, 200.0f - 375.0f);
    EXPECT_FLOAT_EQ(v.FinYmax, 200.0f + 375.0f);
    // The extents' centre lands in the canvas centre.
    EXPECT_FLOAT_EQ(XSchermo(v, 600.0f), 400.0f);
    EXPECT_FLOAT_EQ(YSchermo(v, 200.0f), 300.0f);
}

TEST(Vista, AdattaFinestraCentraInOrizzontale) {
    Vista v = TelaDi(800, 600);
    AdattaFinestra(v, Est(0, 0, 100, 600));
    EXPECT_FLOAT_EQ(v.Scala, 1.0f);
    EXPECT_FLOAT_EQ(v.FinXmin, -350.0f);
    EXPECT_FLOAT_EQ(v.FinXmax, 450.0f);
    EXPECT_FLOAT_EQ(v.FinYmin, 0.0f);
}

TEST(Vista, EstensioniSenzaAltezza) {
    Vista v = TelaDi(800, 600);
    AdattaFinestra(v, Est(10, 20, 110, 20));
    EXPECT_FLOAT_EQ(v.Scala, 1.0f);
    EXPECT_FLOAT_EQ(v.FinXmin, 10.0f);
    EXPECT_FLOAT_EQ(v.FinYmin, 20.0f);
}

TEST(Vista, ScalaSuTelaSenzaDimensioni) {
    Vista v = TelaDi(0, 0);
    EXPECT_FLOAT_EQ(CalcolaScala(v, 0, 0, 100, 100), 1.0f);
    Vista w = TelaDi(800, 600);
    EXPECT_FLOAT_EQ(CalcolaScala(w, 0, 0, 400, 300), 2.0f);  // equal ratios
    EXPECT_FLOAT_EQ(CalcolaScala(w, 0, 0, 0, 300), 1.0f);
}

TEST(Vista, AvvicinaEAllontanaNonSiAnnullano) {
    Vista v = TelaDi(800, 600);
    AdattaFinestra(v, Est(0, 0, 800, 600));
    const float campata = v.FinXmax - v.FinXmin;
    for (int i = 0; i < 3; ++i) ZoomAvvicina(v);
    EXPECT_NEAR(v.FinXmax - v.FinXmin, campata * 0.729f, 0.01f);
    for (int i = 0; i < 3; ++i) ZoomAllontana(v, Est(0, 0, 800, 600));
    EXPECT_NEAR(v.FinXmax - v.FinXmin, campata * 0.970299f, 0.01f);
    EXPECT_NEAR(v.Scala, 800.0f / (campata * 0.970299f), 0.001f);
}

TEST(Vista, AvvicinaRifiutatoSottoTreMillimetri) {
    Vista v = TelaDi(800, 600);
    v.FinXmin = 0.0f;
    v.FinXmax = 0.3f;
    v.FinYmin = 0.0f;
    v.FinYmax = 0.2f;
    v.FinPrecXmin = 99.0f;
    ZoomAvvicina(v);
    EXPECT_FLOAT_EQ(v.FinXmax, 0.3f);
    EXPECT_FLOAT_EQ(v.FinYmax, 0.2f);
    EXPECT_FLOAT_EQ(v.FinPrecXmin, 0.0f);  // the previous view is overwritten all the same
}

// The widest window is 100 times the larger side of the extents, and never
// wider than the coordinate range on both sides of the origin (200,000 cm).
TEST(Vista, CampataMassimaZoom) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* nome;
        Rettangolo estensione;
        float campata;
    } casi[] = {
        {.nome = "wide extents: 100 x 1360", .estensione = Est(-480, -70, 880, 470),
         .campata = 136000.0f},
        {.nome = "tall extents: the height counts", .estensione = Est(0, 0, 200, 1500),
         .campata = 150000.0f},
        {.nome = "wall without outline: its frame, 100 x 560",
         .estensione = Est(-480, -70, 80, 70), .campata = 56000.0f},
        {.nome = "no extents yet: 100 x 100 cm", .estensione = Est(0, 0, 0, 0),
         .campata = 10000.0f},
        {.nome = "unknown extents: as none", .estensione = Est(nan, nan, nan, nan),
         .campata = 10000.0f},
        {.nome = "extents near the range: the range", .estensione = Est(-480, -70, 100080, 470),
         .campata = 200000.0f},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_FLOAT_EQ(CampataMassimaZoom(c.estensione), c.campata);
    }
}

// 800 x 600 extents allow 80,000 cm: a window 5 % short of it takes only
// that 5 % (not 10 %) about its centre, and the next "Allontana" changes
// nothing but the previous view, as a refused "Avvicina" does.
TEST(Vista, AllontanaSiFermaAllaCampataMassima) {
    const Rettangolo estensione = Est(0, 0, 800, 600);
    Vista v = TelaDi(800, 600);
    const float larghezza = 80000.0f / 1.05f, altezza = 0.75f * larghezza;
    v.FinXmin = 400.0f - larghezza / 2;
    v.FinXmax = 400.0f + larghezza / 2;
    v.FinYmin = 300.0f - altezza / 2;
    v.FinYmax = 300.0f + altezza / 2;
    ZoomAllontana(v, estensione);
    EXPECT_NEAR(v.FinXmax - v.FinXmin, 80000.0f, 0.01f);
    EXPECT_NEAR(v.FinYmax - v.FinYmin, 60000.0f, 0.01f);
    EXPECT_NEAR((v.FinXmin + v.FinXmax) / 2, 400.0f, 0.01f);
    EXPECT_NEAR((v.FinYmin + v.FinYmax) / 2, 300.0f, 0.01f);
    EXPECT_FLOAT_EQ(v.Scala, 0.01f);

    const Vista limite = v;
    v.FinPrecXmin = 99.0f;
    ZoomAllontana(v, estensione);
    EXPECT_EQ(v.FinXmin, limite.FinXmin);
    EXPECT_EQ(v.FinXmax, limite.FinXmax);
    EXPECT_EQ(v.FinYmin, limite.FinYmin);
    EXPECT_EQ(v.FinYmax, limite.FinYmax);
    EXPECT_EQ(v.Scala, limite.Scala);
    EXPECT_EQ(v.FinPrecXmin, limite.FinXmin);
}

TEST(Vista, VistaPrecedenteDopoVistaTotale) {
    Vista v = TelaDi(800, 600);
    v.FinXmin = 10.0f;
    v.FinYmin = 20.0f;
    v.FinXmax = 410.0f;
    v.FinYmax = 320.0f;
    v.Scala = 2.0f;
    VistaTotale(v, Est(0, 0, 1000, 300));
    EXPECT_FLOAT_EQ(v.Scala, 0.8f);
    VistaPrecedente(v);
    EXPECT_FLOAT_EQ(v.FinXmin, 10.0f);
    EXPECT_FLOAT_EQ(v.FinYmin, 20.0f);
    EXPECT_FLOAT_EQ(v.Scala, 2.0f);
    VistaPrecedente(v);
    EXPECT_FLOAT_EQ(v.FinXmin, 0.0f);
    EXPECT_FLOAT_EQ(v.FinYmin, 150.0f - 375.0f);
    EXPECT_FLOAT_EQ(v.Scala, 0.8f);
}

TEST(Vista, RettangoloZoomPresoAllAspettoDellaTela) {
    const struct {
        int x1, y1, x2, y2;    // box as released
        int ex1, ey1, ex2, ey2;  // after the correction
    } casi[] = {
        {100, 100, 300, 150, 100, 50, 300, 200},  // too wide: 200 x 50 becomes 200 x 150
        {100, 100, 160, 400, -70, 100, 330, 400}, // too tall: 60 x 300 becomes 400 x 300
        {0, 0, 400, 300, 0, 0, 400, 300},         // already 4:3
        {50, 50, 50, 50, 50, 50, 50, 50},         // a click, not a box
    };
    for (const auto& c : casi) {
        Vista v = TelaDi(800, 600);
        v.BoxX1 = c.x1;
        v.BoxY1 = c.y1;
        v.BoxX2 = c.x2;
        v.BoxY2 = c.y2;
        AdattaRettangoloZoom(v);
        EXPECT_EQ(v.BoxX1, c.ex1);
        EXPECT_EQ(v.BoxY1, c.ey1);
        EXPECT_EQ(v.BoxX2, c.ex2);
        EXPECT_EQ(v.BoxY2, c.ey2);
    }
}

TEST(Vista, RettangoloDiventaLaFinestra) {
    Vista v = TelaDi(800, 600);
    v.Scala = 1.0f;
    v.FinXmax = 800.0f;
    v.FinYmax = 600.0f;
    v.BoxX1 = 400;
    v.BoxY1 = 300;
    v.BoxX2 = 0;  // dragged from bottom right to top left
    v.BoxY2 = 0;
    ASSERT_TRUE(ZoomRettangolo(v));
    EXPECT_FLOAT_EQ(v.FinXmin, 0.0f);
    EXPECT_FLOAT_EQ(v.FinXmax, 400.0f);
    EXPECT_FLOAT_EQ(v.FinYmin, 300.0f);
    EXPECT_FLOAT_EQ(v.FinYmax, 600.0f);
    EXPECT_FLOAT_EQ(v.Scala, 2.0f);
    EXPECT_FLOAT_EQ(v.FinPrecXmax, 800.0f);
}

TEST(Vista, RettangoloVuotoNonCambiaLaVista) {
    Vista v = TelaDi(800, 600);
    v.FinXmax = 800.0f;
    v.FinYmax = 600.0f;
    v.BoxX1 = v.BoxX2 = 120;
    v.BoxY1 = 10;
    v.BoxY2 = 90;
    EXPECT_FALSE(ZoomRettangolo(v));
    EXPECT_FLOAT_EQ(v.FinXmax, 800.0f);
    EXPECT_FLOAT_EQ(v.Scala, 1.0f);
}

TEST(Vista, ComandiCheArmanoIlMouse) {
    Vista v;
    v.BoxX1 = 5;
    v.BoxY2 = 7;
    v.RettFocus = RettangoloPixel{1, 2, 3, 4};
    int modo = 0, modoPrec = -7;
    AvviaZoomFinestra(v, modo, modoPrec);
    EXPECT_EQ(modo, 2);
    EXPECT_EQ(modoPrec, 0);
    EXPECT_EQ(v.BoxX1, -1);
    EXPECT_EQ(v.BoxY2, 0);
    EXPECT_EQ(v.RettFocus.Destra, 0);
    modo = 200;
    AvviaTrascina(modo, modoPrec);
    EXPECT_EQ(modo, 4);
    EXPECT_EQ(modoPrec, 200);
}

TEST(Vista, VicinoSegmento) {
    Vista v = TelaDi(800, 600);
    v.Scala = 1.0f;  // pixel x = model x, pixel y = 600 - model y
    const struct {
        float px, py, x1, y1, x2, y2;
        bool vicino;
    } casi[] = {
        {102, 500, 100, 0, 100, 200, true},    // vertical, in between
        {102, 400, 100, 0, 100, 200, false},   // vertical, level with an end
        {102, 600, 100, 200, 100, 0, false},   // the other end, order of the ends ignored
        {108, 500, 100, 0, 100, 200, false},   // vertical, too far
        {150, 498, 100, 100, 200, 100, true},  // horizontal
        {100, 498, 100, 100, 200, 100, false}, // horizontal, level with an end
        {52, 548, 0, 0, 100, 100, true},       // oblique, on the line
        {60, 530, 0, 0, 100, 100, false},      // oblique, off the line
        {102, 498, 0, 0, 100, 100, true},      // beyond an end, on the extended line
        {300, 300, 0, 0, 100, 100, false},     // outside the tolerance box
    };
    for (const auto& c : casi)
        EXPECT_EQ(VicinoSegmento(v, c.px, c.py, c.x1, c.y1, c.x2, c.y2, 5.0f), c.vicino)
            << c.px << "," << c.py;
}

TEST(Vista, Scambia) {
    float a = 1.0f, b = 2.0f;
    Scambia(a, b);
    EXPECT_EQ(a, 2.0f);
    EXPECT_EQ(b, 1.0f);
    int i = 3, j = 4;
    Scambia(i, j);
    EXPECT_EQ(i, 4);
}
