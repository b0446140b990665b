#include "design/AreaPari.h"
#include "design/ArmaturaPosizioniScansione.h"
#include "design/PredicatiEsatti.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using Anello = std::vector<PuntoPreciso>;

const Anello Quadrato = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
const Anello Rombo = {{0, 5}, {5, 10}, {10, 5}, {5, 0}};

}  // namespace

TEST(SegnoOrientamento, DecidesWhereRoundedArithmeticCannot) {
    struct Caso {
        std::string nome;
        PuntoPreciso a, b, c;
        int atteso;
    };
    const Caso casi[] = {
        {.nome = "left", .a = {0, 0}, .b = {10, 0}, .c = {5, 1}, .atteso = 1},
        {.nome = "right", .a = {0, 0}, .b = {10, 0}, .c = {5, -1}, .atteso = -1},
        {.nome = "on the line, past its end", .a = {0, 0}, .b = {3, 1}, .c = {6, 2}, .atteso = 0},
        {.nome = "on the line of floats far from the origin",
         .a = {2881.0f, 464.0f}, .b = {2935.0f, 510.0f}, .c = {2989.0f, 556.0f}, .atteso = 0},
        // 11.5 - 2^-53 rounds to 11.5: the plain products cancel to 0.
        {.nome = "right of the line by 2^-53", .a = {12, 12}, .b = {24, 24},
         .c = {0.5 + std::ldexp(1.0, -53), 0.5}, .atteso = -1},
        {.nome = "left of the line by 2^-53", .a = {12, 12}, .b = {24, 24},
         .c = {0.5 - std::ldexp(1.0, -54), 0.5}, .atteso = 1},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(SegnoOrientamento(c.a, c.b, c.c), c.atteso) << c.nome;
        EXPECT_EQ(SegnoOrientamento(c.b, c.a, c.c), -c.atteso) << c.nome << ", reversed";
    }
}

TEST(PosizioneNellAnello, ARayThroughVerticesCountsRight) {
    struct Caso {
        std::string nome;
        const Anello* anello;
        PuntoPreciso p;
        PosizioneInAnello attesa;
    };
    const Caso casi[] = {
        {.nome = "inside", .anello = &Quadrato, .p = {5, 5}, .attesa = PosizioneInAnello::Dentro},
        {.nome = "on a side", .anello = &Quadrato, .p = {10, 5}, .attesa = PosizioneInAnello::SulBordo},
        {.nome = "at a vertex", .anello = &Quadrato, .p = {10, 10}, .attesa = PosizioneInAnello::SulBordo},
        {.nome = "ray along the top side", .anello = &Quadrato, .p = {-5, 10}, .attesa = PosizioneInAnello::Fuori},
        {.nome = "ray along the bottom side", .anello = &Quadrato, .p = {-5, 0}, .attesa = PosizioneInAnello::Fuori},
        {.nome = "inside, ray through a vertex", .anello = &Rombo, .p = {2, 5}, .attesa = PosizioneInAnello::Dentro},
        {.nome = "outside, ray through two vertices", .anello = &Rombo, .p = {-2, 5}, .attesa = PosizioneInAnello::Fuori},
        {.nome = "outside beside a vertex", .anello = &Rombo, .p = {5, 10.5}, .attesa = PosizioneInAnello::Fuori},
        {.nome = "a hair inside a side", .anello = &Rombo, .p = {2.5, 7.5 - 1e-12}, .attesa = PosizioneInAnello::Dentro},
    };
    for (const Caso& c : casi) EXPECT_EQ(PosizioneNellAnello(*c.anello, c.p), c.attesa) << c.nome;
}

TEST(AreaPari, CountsThePointsInsideAnOddNumberOfRings) {
    // The square with the hole 3..7 joined by a slit from (10, 0), the hole
    // run either way round.
    const Anello conForo = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}, {10, 0}};
    const Anello conForoInverso = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}, {10, 0}};
    struct Caso {
        std::string nome;
        std::vector<Anello> anelli;
        double area;
    };
    const Caso casi[] = {
        {.nome = "square", .anelli = {Quadrato}, .area = 100},
        {.nome = "diamond", .anelli = {Rombo}, .area = 50},
        {.nome = "hole joined by a slit", .anelli = {conForo}, .area = 84},
        {.nome = "hole the other way round", .anelli = {conForoInverso}, .area = 84},
        {.nome = "bow tie", .anelli = {{{0, 0}, {10, 10}, {10, 0}, {0, 10}}}, .area = 50},
        {.nome = "a segment there and back", .anelli = {{{0, 0}, {10, 10}}}, .area = 0},
        {.nome = "two squares overlapping: their symmetric difference",
         .anelli = {Quadrato, {{5, 5}, {5, 15}, {15, 15}, {15, 5}}}, .area = 150},
        {.nome = "a ring and itself", .anelli = {Rombo, Rombo}, .area = 0},
    };
    for (const Caso& c : casi) EXPECT_NEAR(AreaPari(c.anelli), c.area, 1e-9) << c.nome;
}

TEST(IncrociOrdinati, ALineThroughVerticesKeepsAnEvenCount) {
    struct Caso {
        std::string nome;
        std::vector<Punto> anello;
        float y;
        std::vector<float> attesi;
    };
    const Caso casi[] = {
        {.nome = "through two side vertices", .anello = {{0, 5}, {5, 10}, {10, 5}, {5, 0}}, .y = 5, .attesi = {0, 10}},
        {.nome = "touching a lower peak", .anello = {{0, 10}, {10, 10}, {5, 5}}, .y = 5, .attesi = {5, 5}},
        {.nome = "touching an upper peak", .anello = {{0, 0}, {5, 5}, {10, 0}}, .y = 5, .attesi = {}},
        {.nome = "along a side", .anello = {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, .y = 10, .attesi = {}},
        {.nome = "across", .anello = {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, .y = 4, .attesi = {0, 10}},
    };
    std::vector<float> incroci;
    for (const Caso& c : casi) {
        IncrociOrdinati(c.anello, -1000, 1000, c.y, incroci);
        EXPECT_EQ(incroci, c.attesi) << c.nome;
    }
}

TEST(BarreDellaLinea, SlitsNeitherSplitNorAddBars) {
    struct Caso {
        std::string nome;
        std::vector<float> incroci;
        std::vector<std::pair<float, float>> barre;
    };
    const Caso casi[] = {
        {.nome = "slit inside the area", .incroci = {0, 4, 4, 10}, .barre = {{0, 10}}},
        {.nome = "slit outside the area", .incroci = {0, 4, 6, 6}, .barre = {{0, 4}}},
        {.nome = "slit to a hole", .incroci = {0, 2, 2, 4, 6, 10}, .barre = {{0, 4}, {6, 10}}},
        {.nome = "touching peak", .incroci = {5, 5}, .barre = {}},
    };
    const std::vector<Punto> nessuno;
    std::vector<std::pair<float, float>> barre;
    for (const Caso& c : casi) {
        BarreDellaLinea(c.incroci, nessuno, 0, barre);
        EXPECT_EQ(barre, c.barre) << c.nome;
    }
}
