#include "design/ListaPosizioniSelezione.h"
#include "design/AreaPari.h"
#include "design/Modifica.h"
#include "FinestraRegistrata.h"
#include "PareteDiProva.h"
#include "SessionePosizioni.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Punti = std::vector<Punto>;

const std::string NessunNodo = "Messaggio[Attenzione!|esclamazione] La selezione deve contenere almeno un nodo";
const std::string RitaglioFallito =
    "Messaggio[Errore!|esclamazione] La selezione non individua correttamente la zona da armare.\n"
    "Operazione annullata.";

// A new zone of direction 2 "lato -" drawn in the missing-area map of that layer.
void ZonaNuova(StatoInterfaccia& stato, float x1, float y1, float x2, float y2) {
    stato.TipoMappa = 5 + 3;
    stato.LatoAttivo = IntegrativaMeno;
    stato.DirezioneAttiva = 1;
    const PosizioneArm zona = ZonaRettangolare(IntegrativaPiu, 0, x1, y1, x2, y2);
    stato.PosCorrente = PosizioneArm{};
    stato.PosCorrente.Vertici = zona.Vertici;
    stato.PosCorrente.XMin = zona.XMin;
    stato.PosCorrente.YMin = zona.YMin;
    stato.PosCorrente.XMax = zona.XMax;
    stato.PosCorrente.YMax = zona.YMax;
}

void ImpostaMancanti(Parete& p, float tutti, int nodo, float valore) {
    for (int j = 0; j < p.NumNodi; ++j) p.Nodi[j].Mancante[SlotDiStrato(3)] = j == nodo ? valore : tutti;
}

}  // namespace

// Every node inside is no reason to take the whole outline: the zone is
// clipped like any other, its width across the bars kept.
TEST(CreaPosizioneDaSelezione, EveryNodeInsideIsClippedLikeAnyZone) {
    SessionePosizioni f;
    Parete& p = f.S.parete;
    AggiungiApertura(p, 30, 30, 70, 70);  // between the nodes; 27..73 with the cover
    CodaGeometria(p, f.S.stato);
    ZonaNuova(f.S.stato, 10, 10, 390, 290);
    FinestraRegistrata finestra;

    ASSERT_TRUE(CreaPosizioneDaSelezione(f.S, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso));

    EXPECT_TRUE(finestra.Eventi.empty());
    // Bars along x, widened past the outline's 3..397; 10..290 across them,
    // less the opening: 394 x 280 - 46 x 46 = 110,320 - 2,116.
    std::vector<PuntoPreciso> anello;
    for (int i = 0; i <= f.S.stato.UltPuntoCorrente; ++i) {
        const Punto v = f.S.stato.PoligonoCorrente[i];
        EXPECT_GE(v.Y, 10.0f - 1e-3f);
        EXPECT_LE(v.Y, 290.0f + 1e-3f);
        anello.push_back({v.X, v.Y});
    }
    const std::vector<std::vector<PuntoPreciso>> anelli{anello};
    EXPECT_NEAR(AreaPari(anelli), 108204.0, 1e-2);
}

TEST(CreaPosizioneDaSelezione, NewZoneTakesTheActiveLayerAndASpacingFromTheLargestMissingArea) {
    struct Caso {
        const char* nome;
        int tipoMappa;
        float tutti;  // missing area of layer 3 at every node but node 0, (25, 25)
        float nodo0;
        float massimo;
        float media;  // over the 8 nodes inside
        float passo;
    };
    // Nodes inside 100..300 x 100..200: x 125..275, y 125 and 175; node 0 is outside.
    const Caso casi[] = {
        {.nome = "a larger need outside counts not", .tipoMappa = 8, .tutti = 1.0f, .nodo0 = 9.0f, .massimo = 1.0f, .media = 1.0f,
         .passo = 100.0f},
        {.nome = "nothing missing", .tipoMappa = 8, .tutti = 0.0f, .nodo0 = 0.0f, .massimo = 0.0f, .media = 0.0f,
         .passo = 30.0f},
        {.nome = "only excess", .tipoMappa = 8, .tutti = -3.0f, .nodo0 = 0.0f, .massimo = 0.0f, .media = -3.0f,
         .passo = 30.0f},
        {.nome = "not a missing-area map", .tipoMappa = 0, .tutti = 4.0f, .nodo0 = 4.0f, .massimo = 0.0f,
         .media = 0.0f, .passo = 30.0f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SessionePosizioni f;
        ZonaNuova(f.S.stato, 100, 100, 300, 200);
        f.S.stato.TipoMappa = c.tipoMappa;
        ImpostaMancanti(f.S.parete, c.tutti, 0, c.nodo0);
        FinestraRegistrata finestra;

        ASSERT_TRUE(CreaPosizioneDaSelezione(f.S, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso));

        const PosizioneArm& pos = f.S.stato.PosCorrente;
        EXPECT_EQ(pos.Tipo, IntegrativaMeno);
        EXPECT_EQ(pos.Direzione, 1);
        EXPECT_EQ(pos.Diametro, 12);
        EXPECT_FLOAT_EQ(pos.Passo, c.passo);
        EXPECT_FLOAT_EQ(f.S.stato.AreaRichiestaMax, c.massimo);
        EXPECT_FLOAT_EQ(f.S.stato.AreaRichiestaMedia, c.media);
    }
}

TEST(CreaPosizioneDaSelezione, ASpacingFollowsTheLargestMissingAreaInside) {
    SessionePosizioni f;
    ZonaNuova(f.S.stato, 100, 100, 300, 200);
    const int interno = 2 * 8 + 2;  // (125, 125)
    ImpostaMancanti(f.S.parete, 1.0f, interno, 4.0f);
    FinestraRegistrata finestra;

    ASSERT_TRUE(CreaPosizioneDaSelezione(f.S, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso));

    EXPECT_FLOAT_EQ(f.S.stato.AreaRichiestaMax, 4.0f);
    EXPECT_FLOAT_EQ(f.S.stato.AreaRichiestaMedia, (4.0f + 7.0f) / 8.0f);
    EXPECT_FLOAT_EQ(f.S.stato.PosCorrente.Passo, 25.0f);  // 12 mm: 28.27 cm, to 5 cm downwards
}

TEST(CreaPosizioneDaSelezione, AZoneUnderEditKeepsItsFaceDirectionAndBars) {
    SessionePosizioni f;
    ZonaNuova(f.S.stato, 100, 100, 300, 200);
    PosizioneArm& pos = f.S.stato.PosCorrente;
    pos.Tipo = IntegrativaPiu;
    pos.Direzione = 0;
    pos.Diametro = 16;
    pos.Passo = 12.5f;
    FinestraRegistrata finestra;

    ASSERT_TRUE(CreaPosizioneDaSelezione(f.S, finestra, OrigineZona::InModifica, ModoInput::ModificaZona));

    EXPECT_EQ(pos.Tipo, IntegrativaPiu);
    EXPECT_EQ(pos.Direzione, 0);
    EXPECT_EQ(pos.Diametro, 16);
    EXPECT_FLOAT_EQ(pos.Passo, 12.5f);
}

TEST(CreaPosizioneDaSelezione, NoNodeInsideIsReportedAndStoresNothing) {
    struct Caso {
        const char* nome;
        float x1, y1, x2, y2;
        int nodi;
    };
    const Caso casi[] = {
        {.nome = "between the nodes", .x1 = 30, .y1 = 30, .x2 = 70, .y2 = 70, .nodi = 48},
        // Otherwise every one of no nodes would be inside and take the outline.
        {.nome = "wall without nodes", .x1 = 10, .y1 = 10, .x2 = 390, .y2 = 290, .nodi = 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SessionePosizioni f;
        f.S.parete.NumNodi = c.nodi;
        ZonaNuova(f.S.stato, c.x1, c.y1, c.x2, c.y2);
        f.S.stato.PoligonoCorrente = {{1, 2}, {3, 4}};
        f.S.stato.UltPuntoCorrente = 1;
        const Parete prima = f.S.parete;
        FinestraRegistrata finestra;

        EXPECT_FALSE(CreaPosizioneDaSelezione(f.S, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso));

        EXPECT_EQ(finestra.Eventi, std::vector<std::string>{NessunNodo});
        EXPECT_EQ(f.S.parete, prima);
        EXPECT_EQ(f.S.stato.UltPuntoCorrente, 1);
    }
}

TEST(CreaPosizioneDaSelezione, AFailedClippingIsReportedAndStoresNothing) {
    SessionePosizioni f;
    Parete& p = f.S.parete;
    // A node beside the wall: the zone around it holds a node but misses the outline.
    p.Nodi.insert(p.Nodi.begin() + p.NumNodi, Nodo{.Id = 99, .X = 650.0f, .Y = 150.0f});
    ++p.NumNodi;
    ZonaNuova(f.S.stato, 600, 100, 700, 200);
    f.S.stato.PoligonoCorrente = {{1, 2}, {3, 4}};
    f.S.stato.UltPuntoCorrente = 1;
    const Parete prima = p;
    FinestraRegistrata finestra;

    EXPECT_FALSE(CreaPosizioneDaSelezione(f.S, finestra, OrigineZona::Nuova, ModoInput::NuovaZonaInCorso));

    EXPECT_EQ(finestra.Eventi, std::vector<std::string>{RitaglioFallito});
    EXPECT_EQ(p, prima);
    EXPECT_EQ(f.S.stato.PoligonoCorrente, (Punti{{1, 2}, {3, 4}}));
    EXPECT_EQ(f.S.stato.UltPuntoCorrente, 1);
}
