#include "model/Parete.h"
#include "model/RigaComando.h"
#include "model/Titolo.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

TEST(Parete, StartsWithNoWallLoaded) {
    Parete p;
    EXPECT_EQ(p.NumPuntiContorno, 0);
    EXPECT_FALSE(p.CaricataParete());
    EXPECT_EQ(p.PerimetroEsterno.size(), 2u);
    EXPECT_EQ(p.UltPosizione, -1);
    EXPECT_EQ(p.PoligoniPos.size(), 201u);
    EXPECT_EQ(p.UltimoTriangolo, -1);
}

TEST(Parete, TwoOpeningsAreStoredOneAfterTheOther) {
    Parete p;
    const float apertura0[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const float apertura1[3][2] = {{5, 5}, {6, 5}, {6, 7}};
    p.PuntiApertura.resize(1);
    for (int j = 0; j < 4; ++j) p.AggiungiVerticeApertura(0, j, apertura0[j][0], apertura0[j][1]);
    p.PuntiApertura[0] = 4;
    p.PuntiApertura.resize(2);
    for (int j = 0; j < 3; ++j) p.AggiungiVerticeApertura(1, j, apertura1[j][0], apertura1[j][1]);
    p.PuntiApertura[1] = 3;
    p.NumAperture = 2;

    EXPECT_EQ(p.InizioApertura[0], 0);
    EXPECT_EQ(p.InizioApertura[1], 4);
    EXPECT_EQ(p.PuntiApertura[0], 4);
    EXPECT_EQ(p.PuntiApertura[1], 3);
    EXPECT_EQ(p.XAperture.size(), 7u);
    EXPECT_FLOAT_EQ(p.XApertura(1, 2), p.XAperture[6]);
    EXPECT_FLOAT_EQ(p.YApertura(1, 2), 7.0f);
}

TEST(Parete, LayerIndexMapsToSlot) {
    EXPECT_EQ(SlotDiStrato(0), 0);
    EXPECT_EQ(SlotDiStrato(1), 2);
    EXPECT_EQ(SlotDiStrato(2), 1);
    EXPECT_EQ(SlotDiStrato(3), 3);
}

TEST(Titolo, ShowsFileNameOrAnonimo) {
    EXPECT_EQ(TitoloFinestra("/progetti/edificio/P12.SET"), "KORVANE Setti C.A. -  [ P12.SET ]");
    EXPECT_EQ(TitoloFinestra("C:\\Lavori\\P12.SET"), "KORVANE Setti C.A. -  [ P12.SET ]");
    EXPECT_EQ(TitoloFinestra(""), "KORVANE Setti C.A. -  [ Anonimo ]");
    EXPECT_EQ(NomeFile("/progetti/"), "");

    FinestraRegistrata finestra;
    AggiornaTitolo("/a/b.SET", finestra);
    ASSERT_EQ(finestra.Eventi.size(), 1u);
    EXPECT_EQ(finestra.Eventi[0], "Titolo KORVANE Setti C.A. -  [ b.SET ]");
}

TEST(RigaComando, KeepsOnlyAnExistingWallFile) {
    CartellaTemporanea cartella;
    const std::string parete = cartella.Scrivi("muro uno.set", "x");
    const std::string altro = cartella.Scrivi("muro.txt", "x");
    EXPECT_EQ(FiltraApici(parete), parete);
    EXPECT_EQ(FiltraApici("\"" + parete + "\""), parete);
    EXPECT_EQ(FiltraApici("\"" + parete), parete);
    EXPECT_EQ(FiltraApici(parete + "\""), parete);
    EXPECT_EQ(FiltraApici(""), "");
    EXPECT_EQ(FiltraApici(altro), "");
    EXPECT_EQ(FiltraApici((cartella.Percorso() / "manca.SET").string()), "");
}
