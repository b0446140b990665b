// The zone point test: the ray test near the outline, and no zone taking in
// a node far outside it.

#include "model/Geometria.h"
#include "model/Poligoni.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

PosizioneArm Zona(std::array<Punto, 4> angoli, float xmin, float ymin, float xmax, float ymax) {
    PosizioneArm z;
    z.Vertici = angoli;
    z.XMin = xmin;
    z.YMin = ymin;
    z.XMax = xmax;
    z.YMax = ymax;
    return z;
}

// Clockwise 100 x 50 rectangle.
PosizioneArm ZonaRettangolare() {
    return Zona({Punto{0, 0}, Punto{0, 50}, Punto{100, 50}, Punto{100, 0}}, 0, 0, 100, 50);
}

// A turned parallelogram with corners on the 0.1 cm grid.
PosizioneArm Parallelogramma() {
    return Zona({Punto{10, 10}, Punto{30.5f, 45.3f}, Punto{90.2f, 30.1f}, Punto{69.7f, -5.2f}}, 10,
                -5.2f, 90.2f, 45.3f);
}

}  // namespace

// From a generated wall with a grid of zones: the ray from the node to the
// zone's reference point passes within 0.001 cm of the zone's lower-right
// corner; one side counts a crossing, the next a corner hit.
TEST(PuntoInZona, NodeFarAwayWhoseRayGrazesACornerIsOutside) {
    const PosizioneArm z =
        Zona({Punto{51.64f, 361.48f}, Punto{51.64f, 413.12f}, Punto{103.28f, 413.12f}, Punto{103.28f, 361.48f}},
             51.64f, 361.48f, 103.28f, 413.12f);
    EXPECT_TRUE(RaggioInZona(z, 968.8f, 182.5f));  // the ray alone takes it in
    EXPECT_FALSE(PuntoInZona(z, 968.8f, 182.5f));

    Parete parete;
    parete.Posizioni = {z};
    parete.UltPosizione = 0;
    EXPECT_FALSE(PuntoInZonaPos(parete, 0, 968.8f, 182.5f));
    StatoInterfaccia stato;
    stato.PosCorrente = z;
    EXPECT_FALSE(PuntoInZonaCorrente(stato, 968.8f, 182.5f));
}

// On and within the tolerance of the outline the ray decides, as it always
// did: a point on the side facing away from the reference point is in, one on
// the side facing it is out. Farther out nothing is inside.
TEST(PuntoInZona, NearTheOutlineTheRayDecidesFartherOutNothingIsInside) {
    struct Caso {
        const char* nome;
        PosizioneArm zona;
        float x, y;
        bool vicino;  // inside, on or within the tolerance of the outline
        bool atteso;
    };
    const Caso casi[] = {
        {.nome = "centre", .zona = ZonaRettangolare(), .x = 50, .y = 25, .vicino = true, .atteso = true},
        {.nome = "right side", .zona = ZonaRettangolare(), .x = 100, .y = 25, .vicino = true, .atteso = true},
        {.nome = "left side", .zona = ZonaRettangolare(), .x = 0, .y = 25, .vicino = true, .atteso = false},
        {.nome = "just right of the right side", .zona = ZonaRettangolare(), .x = 100.0005f, .y = 25,
         .vicino = true, .atteso = true},
        {.nome = "0.01 right of the right side", .zona = ZonaRettangolare(), .x = 100.01f, .y = 25,
         .vicino = false, .atteso = false},
        {.nome = "top side", .zona = ZonaRettangolare(), .x = 40, .y = 50, .vicino = true, .atteso = true},
        {.nome = "corner", .zona = ZonaRettangolare(), .x = 100, .y = 50, .vicino = true, .atteso = true},
        {.nome = "far right", .zona = ZonaRettangolare(), .x = 400, .y = 25, .vicino = false, .atteso = false},
        {.nome = "inside the turned zone", .zona = Parallelogramma(), .x = 50, .y = 20, .vicino = true,
         .atteso = true},
        {.nome = "on a turned side", .zona = Parallelogramma(), .x = 79.95f, .y = 12.45f, .vicino = true,
         .atteso = RaggioInZona(Parallelogramma(), 79.95f, 12.45f)},
        {.nome = "turned corner", .zona = Parallelogramma(), .x = 90.2f, .y = 30.1f, .vicino = true,
         .atteso = RaggioInZona(Parallelogramma(), 90.2f, 30.1f)},
        {.nome = "in the box, outside the turned zone", .zona = Parallelogramma(), .x = 85, .y = 0,
         .vicino = false, .atteso = false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(PuntoInZona(c.zona, c.x, c.y), c.atteso);
        if (c.vicino) {
            EXPECT_EQ(PuntoInZona(c.zona, c.x, c.y), RaggioInZona(c.zona, c.x, c.y));
        }
    }
}

// The box is the corners' own, grown by the tolerance; the record's box may
// be wider and does not count.
TEST(RiquadroVicino, CornersBoxGrownByTheTolerance) {
    PosizioneArm z = Parallelogramma();
    z.XMin = -500;
    z.YMax = 900;
    const RiquadroZonaVicina r = RiquadroVicino(z);
    EXPECT_DOUBLE_EQ(r.XMin, 10.0 - ToleranzaZona);
    EXPECT_DOUBLE_EQ(r.YMin, static_cast<double>(-5.2f) - ToleranzaZona);
    EXPECT_DOUBLE_EQ(r.XMax, static_cast<double>(90.2f) + ToleranzaZona);
    EXPECT_DOUBLE_EQ(r.YMax, static_cast<double>(45.3f) + ToleranzaZona);
}

// IncrocioInterno answers as IntersezioneSegmenti's status Interna, on every
// kind of meeting and on a sweep of segments through grid points.
TEST(IncrocioInterno, SameAnswerAsTheStatusOfTheIntersection) {
    struct Coppia {
        float x1, y1, x2, y2, x3, y3, x4, y4;
    };
    std::vector<Coppia> coppie = {
        {0, 0, 10, 10, 0, 10, 10, 0},        // crossing
        {0, 0, 10, 0, 0, -5, 0, 5},          // at P1
        {0, 0, 10, 0, 20, -5, 20, 5},        // outside
        {0, 0, 10, 0, 0, 1, 10, 1},          // parallel
        {0, 0, 10, 0, 10, 0, 20, 0},         // touching on one line
        {0, 0, 100, 0, 101, 0.1f, 200, 0.5f},  // nearly parallel
        {0, 0, 10, 0, 5, 0, 5, 5},           // at P3
        {0, 0, 0.05f, 0.05f, 0, 0.05f, 0.05f, 0},  // too short to cross
    };
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 40; ++j) {
            coppie.push_back({0.3f * i, 0, 7.0f - 0.2f * j, 9.1f, 0, 0.1f * j, 10, 5.0f - 0.1f * i});
        }
    }
    for (const Coppia& c : coppie) {
        float xi = 0, yi = 0, xo = 0, yo = 0;
        int stato = 0;
        IntersezioneSegmenti(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, xi, yi, stato, xo, yo);
        EXPECT_EQ(IncrocioInterno(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4),
                  stato == StatoIntersezione::Interna)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " / " << c.x3 << "," << c.y3 << " "
            << c.x4 << "," << c.y4;
    }
}
