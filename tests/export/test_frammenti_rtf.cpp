#include "export/FrammentiRtf.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using Costruttore = std::string (*)(std::string_view, int, int, int);

struct CasoCorsa {
    const char* nome;
    Costruttore costruttore;
    const char* testo;
    int dimensione;
    int sottolineato;
    int grassetto;
    const char* atteso;
};

// A failing row names itself in the test output.
void PrintTo(const CasoCorsa& c, std::ostream* os) { *os << c.nome; }

const CasoCorsa CasiCorsa[] = {
    {.nome = "RossoSemplice", .costruttore = RtfRosso, .testo = "abc", .dimensione = 20,
     .sottolineato = 0, .grassetto = 0, .atteso = "\\plain\\f3\\fs20\\cf1\\b0 abc"},
    {.nome = "NeroSottolineatoGrassetto", .costruttore = RtfNero, .testo = " x", .dimensione = 18,
     .sottolineato = 1, .grassetto = 1, .atteso = "\\plain\\f3\\fs18\\cf0\\b\\ul  x"},
    {.nome = "BluMenoUnoAcceso", .costruttore = RtfBlu, .testo = "t", .dimensione = 24,
     .sottolineato = -1, .grassetto = -1, .atteso = "\\plain\\f3\\fs24\\cf2\\b\\ul t"},
    {.nome = "GrigioSoloGrassetto", .costruttore = RtfGrigio, .testo = "g", .dimensione = 16,
     .sottolineato = 0, .grassetto = -1, .atteso = "\\plain\\f3\\fs16\\cf3\\b g"},
    {.nome = "RossoSoloSottolineato", .costruttore = RtfRosso, .testo = "s", .dimensione = 20,
     .sottolineato = 1, .grassetto = 0, .atteso = "\\plain\\f3\\fs20\\cf1\\b0\\ul s"},
    {.nome = "QualsiasiValoreNonNulloAccende", .costruttore = RtfNero, .testo = "v",
     .dimensione = 20, .sottolineato = 7, .grassetto = 2,
     .atteso = "\\plain\\f3\\fs20\\cf0\\b\\ul v"},
    {.nome = "TestoVuotoFinisceConLoSpazio", .costruttore = RtfBlu, .testo = "",
     .dimensione = 20, .sottolineato = 0, .grassetto = 0, .atteso = "\\plain\\f3\\fs20\\cf2\\b0 "},
    {.nome = "ParoleDiControlloCopiate", .costruttore = RtfNero, .testo = "a\\tab b\\par ",
     .dimensione = 18, .sottolineato = 0, .grassetto = 0,
     .atteso = "\\plain\\f3\\fs18\\cf0\\b0 a\\tab b\\par "},
};

class CorsaRtf : public testing::TestWithParam<CasoCorsa> {};

TEST_P(CorsaRtf, TestoEsatto) {
    const CasoCorsa& c = GetParam();
    EXPECT_EQ(c.costruttore(c.testo, c.dimensione, c.sottolineato, c.grassetto), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(Casi, CorsaRtf, testing::ValuesIn(CasiCorsa),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

TEST(FrammentiRtf, IntestazioneConTabelleDiCaratteriEColori) {
    EXPECT_EQ(RtfInizio(),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040"
              "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}}"
              "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
              "\\red126\\green126\\blue126;\\red255\\green192\\blue0;}");
    EXPECT_EQ(RtfFine(), "\\par }");
}

TEST(FrammentiRtf, TabulazioniA568TwipAlCentimetro) {
    EXPECT_EQ(RtfTabDestra(7.5f), "\\tqr\\tx4260");
    EXPECT_EQ(RtfTabCentro(2.0f), "\\tqc\\tx1136");
    EXPECT_EQ(RtfTabDestra(17.0f), "\\tqr\\tx9656");
    EXPECT_EQ(RtfTabCentro(-1.0f), "\\tqc\\tx-568");
}

TEST(FrammentiRtf, RigaECellaDiTabella) {
    EXPECT_EQ(RtfRiga(),
              "\\trowd\\trgaph10\\trbrdrt\\brdrs\\brdrw10 \\trbrdrl\\brdrs\\brdrw10 "
              "\\trbrdrb\\brdrs\\brdrw10 \\trbrdrr\\brdrs\\brdrw10 ");
    EXPECT_EQ(RtfCella(1500),
              "\\clbrdrl\\brdrw5\\brdrs\\clbrdrt\\brdrw5\\brdrs\\clbrdrr\\brdrw5\\brdrs"
              "\\clbrdrb\\brdrw5\\brdrs \\cellx1500");
    EXPECT_EQ(RtfCella(7300).substr(RtfCella(7300).size() - 10), "\\cellx7300");
}
