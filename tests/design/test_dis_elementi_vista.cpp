#include "design/DisElementiVista.h"
#include "design/Modifica.h"
#include "drawing/BersagliPassata.h"
#include "drawing/DisLineeSezioni.h"
#include "drawing/DisSolaiPareti.h"
#include "drawing/PannelliTavola.h"
#include "model/Layer.h"

#include "PareteDiProva.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Segmento = std::vector<float>;

// A DXF stream in model cm: the scale is 1 and there is no offset.
struct BancoModello : BancoDisegno {
    BancoModello() { Imp.ScalaDxf = 1.0f; }
};

std::vector<Segmento> Linee(const FlussoDxfRegistrato& flusso, const std::string& layer) {
    std::vector<Segmento> linee;
    for (const EntitaDxf& e : flusso.DiTipo("LINE"))
        if (e.Layer == layer) linee.push_back(e.Valori);
    return linee;
}

SolaioParete Fascia(float coordinata, float spessore1, float spessore2) {
    SolaioParete s;
    s.Coordinata = coordinata;
    s.Spessore1 = spessore1;
    s.Spessore2 = spessore2;
    return s;
}

// The 400 x 300 wall with an opening 150..250 x 50..150, its geometry rebuilt.
void ConApertura(SessionePosizioni& s) {
    AggiungiApertura(s.S.parete, 150, 50, 250, 150);
    CodaGeometria(s.S.parete, s.S.stato);
}

}  // namespace

TEST(DisSolai, UnRettangoloPerTrattoDentroLaParete) {
    SessionePosizioni s;
    ConApertura(s);
    Parete& p = s.S.parete;
    p.Solai = {Fascia(100, 20, 10)};
    p.UltSolaio = 0;
    BancoModello b;
    DisSolai(p, 1000, 2000, b.InDxf());
    // The opening splits the band: top, bottom, left, right of each stretch.
    const std::vector<Segmento> attese = {
        {1000, 2120, 1150, 2120}, {1000, 2090, 1150, 2090}, {1000, 2120, 1000, 2090},
        {1150, 2120, 1150, 2090}, {1250, 2120, 1400, 2120}, {1250, 2090, 1400, 2090},
        {1250, 2120, 1250, 2090}, {1400, 2120, 1400, 2090}};
    EXPECT_EQ(Linee(b.Flusso, "PERIM_PARETI"), attese);
    for (const EntitaDxf& e : b.Flusso.Entita) EXPECT_EQ(e.Interi[0], Stile::Pieno);
}

TEST(DisPareti, BandaVerticaleDaSinistraADestra) {
    SessionePosizioni s;
    ConApertura(s);
    Parete& p = s.S.parete;
    p.ParetiTrasversali = {Fascia(200, 15, 5)};
    p.UltParete = 0;
    BancoModello b;
    DisPareti(p, 0, 0, b.InDxf());
    // Below and above the opening: left, right, bottom, top of each stretch.
    const std::vector<Segmento> attese = {
        {185, 0, 185, 50},    {205, 0, 205, 50},    {185, 0, 205, 0},     {185, 50, 205, 50},
        {185, 150, 185, 300}, {205, 150, 205, 300}, {185, 150, 205, 150}, {185, 300, 205, 300}};
    EXPECT_EQ(Linee(b.Flusso, "PERIM_PARETI"), attese);
}

TEST(DisSolai, FasciaFuoriDallaPareteNonDisegnata) {
    SessionePosizioni s;
    s.S.parete.Solai = {Fascia(500, 20, 10)};
    s.S.parete.UltSolaio = 0;
    BancoModello b;
    DisSolai(s.S.parete, 0, 0, b.InDxf());
    EXPECT_TRUE(b.Flusso.Entita.empty());
}

TEST(DisLineeSezioni, TaglioSegniENumeri) {
    ProgettoParete p;
    LineaSezione v;
    v.P0 = {100, 0};
    v.P1 = {100, 300};
    v.P2 = {90, -10};
    v.P3 = {100, -10};
    v.P4 = {100, 310};
    v.P5 = {90, 310};
    LineaSezione o = v;
    o.Orizzontale = 1;
    p.Sezioni = {v, o};
    p.UltSezione = 1;
    BancoModello b;
    DisLineeSezioni(p, 5, 7, b.InDxf());

    const std::vector<Segmento> linee = Linee(b.Flusso, "LINEE_SEZIONI");
    ASSERT_EQ(linee.size(), 10u);
    EXPECT_EQ(linee[0], (Segmento{95, -3, 105, -3}));    // P2-P3
    EXPECT_EQ(linee[1], (Segmento{105, -3, 105, 7}));    // P3-P0
    EXPECT_EQ(linee[2], (Segmento{105, 7, 105, 307}));   // the cut
    EXPECT_EQ(linee[3], (Segmento{105, 307, 105, 317}));  // P1-P4
    EXPECT_EQ(linee[4], (Segmento{105, 317, 95, 317}));  // P4-P5
    const std::vector<int> stili = {Stile::Pieno, Stile::Pieno, Stile::Punteggiato, Stile::Pieno,
                                    Stile::Pieno};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(b.Flusso.DiTipo("LINE")[i].Interi[0], stili[i]);

    const std::vector<EntitaDxf> testi = b.Flusso.DiTipo("TEXT");
    ASSERT_EQ(testi.size(), 4u);
    EXPECT_EQ(testi[0].Testo, "1");
    EXPECT_EQ(testi[0].Valori[0], 95.0f);
    EXPECT_EQ(testi[0].Valori[1], -3.0f);
    // Vertical line: the second number left of and above P1; horizontal: right of and below.
    EXPECT_EQ(testi[1].Valori[0], 95.0f);
    EXPECT_EQ(testi[1].Valori[1], 317.0f);
    EXPECT_EQ(testi[3].Testo, "2");
    EXPECT_EQ(testi[3].Valori[0], 115.0f);
    EXPECT_EQ(testi[3].Valori[1], 297.0f);
    EXPECT_EQ(testi[0].Interi, (std::vector<int>{Allinea::Centro, Allinea::Mezzo + 1}));
}

TEST(DisLineeSezioni, LayerSpentoNonDisegnaNulla) {
    ProgettoParete p;
    p.Sezioni = {LineaSezione{}};
    p.UltSezione = 0;
    BancoModello b;
    MascheraLayer maschera = TuttiILayer();
    maschera[Layer::LineeSezioni] = 0;
    DisLineeSezioni(p, 0, 0, b.InDxf(false, maschera));
    EXPECT_TRUE(b.Flusso.Entita.empty());
}

TEST(PannelliTavola, QuattroPannelliODueInAlto) {
    Parete p;
    p.LarghezzaVista = 500;
    p.AltezzaVista = 400;
    EXPECT_EQ(PannelliTavola(p), (std::vector<PannelloTavola>{
                                     {0, 0, 0}, {0, -550, 1}, {650, 0, 2}, {650, -550, 3}}));
    p.MagliaUnica = -1;
    EXPECT_EQ(PannelliTavola(p), (std::vector<PannelloTavola>{{0, 0, 1}, {650, 0, 3}}));
}

// The outlines show whatever the flag of their layer; the rest follows the mask.
TEST(DisElementiVista, SagomeSempreIlRestoSecondoLaMaschera) {
    SessionePosizioni s;
    Parete& p = s.S.parete;
    p.Solai = {Fascia(100, 20, 10)};
    p.UltSolaio = 0;
    p.QuoteLivello = {QuotaLivello{}};
    p.QuoteLivello[0].Vista = -1;
    p.QuoteLivello[0].Valore = 250.0f;
    p.NumQuoteLivello = 1;
    BancoModello b;
    MascheraLayer maschera{};
    const BersaglioDxf disegno = b.InDxf(false, maschera);
    const BersaglioDxf sagome = b.InDxf(false, MascheraSagome(maschera));
    DisElementiVista(p, 0, 0, 0, {disegno, sagome});
    // Both perimeters (four sides each) and the slab; no level mark, no legend.
    EXPECT_EQ(Linee(b.Flusso, "PERIM_PARETI").size(), 4u + 4u + 4u);
    EXPECT_EQ(b.Flusso.Entita.size(), 12u);
}
