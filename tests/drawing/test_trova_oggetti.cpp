#include "drawing/TrovaOggetti.h"
#include "drawing/Vista.h"
#include "model/Estensione.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 800 x 600 canvas at 2 pixels per cm, model origin at its bottom-left:
// model (x, y) is pixel (2x, 600 - 2y).
Vista VistaProva() {
    Vista v;
    v.Scala = 2.0f;
    v.LarghezzaTela = 800.0f;
    v.AltezzaTela = 600.0f;
    v.FinXmax = 400.0f;
    v.FinYmax = 300.0f;
    return v;
}

PosizioneArm Posizione(int tipo, int direzione, Punto etichetta, Punto baricentro,
                       std::array<float, 4> richiamo) {
    PosizioneArm p;
    p.Tipo = tipo;
    p.Direzione = direzione;
    p.XEtichetta = etichetta.X;
    p.YEtichetta = etichetta.Y;
    p.XBaricentro = baricentro.X;
    p.YBaricentro = baricentro.Y;
    p.Richiamo = richiamo;
    return p;
}

void Accoda(Parete& p, const PosizioneArm& pos) {
    p.Posizioni.resize(++p.UltPosizione + 1);
    p.Posizioni[p.UltPosizione] = pos;
}

}  // namespace

TEST(TrovaManigliaZona, AngoliPrimaDelCentroEFinestraStretta) {
    PosizioneArm z;
    z.Vertici = {Punto{100, 100}, Punto{100, 110}, Punto{110, 110}, Punto{110, 100}};
    const Vista v = VistaProva();
    // Corner 0 at pixel (200, 400), 2 at (220, 380), 3 at (220, 400); centre (210, 390).
    struct Caso {
        const char* nome;
        float x, y;
        int atteso;
    } casi[] = {
        {.nome = "corner 0 wins over the centre", .x = 205, .y = 395, .atteso = 0},
        {.nome = "corner 2", .x = 218, .y = 383, .atteso = 2},
        {.nome = "centre", .x = 210, .y = 390, .atteso = ManigliaCentro},
        {.nome = "beside every grip", .x = 300, .y = 300, .atteso = -1},
        {.nome = "exactly 6 px off corner 3", .x = 226, .y = 400, .atteso = -1},
        {.nome = "5.9 px off corner 3", .x = 225.9f, .y = 400, .atteso = 3},
    };
    for (const Caso& c : casi) EXPECT_EQ(TrovaManigliaZona(z, v, c.x, c.y), c.atteso) << c.nome;
}

TEST(TrovaNodo, IndiceMinoreEFinestraStretta) {
    Parete p;
    p.Nodi = {Nodo{.Id = 1, .X = 100, .Y = 100}, Nodo{.Id = 2, .X = 101.5f, .Y = 100}};
    p.NumNodi = 2;
    const Vista v = VistaProva();
    EXPECT_EQ(TrovaNodo(p, v, 201.5f, 400), 0);  // between the two, 3 px apart
    EXPECT_EQ(TrovaNodo(p, v, 194, 400), -1);    // |dx| = 6 from node 0
    EXPECT_EQ(TrovaNodo(p, v, 194.1f, 400), 0);
}

TEST(TrovaCerchioPos, FiltriDelloStatoVista) {
    Parete p;
    // 0: "lato +" dir.1 ; 1: "lato -" dir.2 ; 2: ring beam; all at the same marks.
    const Punto et{50, 50}, bar{100, 100};
    Accoda(p, Posizione(0, 0, et, bar, {}));
    Accoda(p, Posizione(1, 1, et, bar, {}));
    Accoda(p, Posizione(2, 0, et, bar, {}));
    const Vista v = VistaProva();
    struct Caso {
        const char* nome;
        int stato, lato, direzione;
        bool suEtichetta;
        Cordoli cordoli;
        int atteso;
    } casi[] = {
        {"distributed view", 0, 0, 0, false, Cordoli::Inclusi, -1},
        {"ring-beam view", 16, 2, 0, true, Cordoli::Inclusi, -1},
        {"map, active + dir 1", 2, 0, 0, false, Cordoli::Inclusi, 0},
        {"map, active - dir 2", 7, 1, 1, false, Cordoli::Inclusi, 1},
        {"map, active - dir 1: ring beam", 7, 1, 0, false, Cordoli::Inclusi, 2},
        {"map, ring beam left out", 7, 1, 0, false, Cordoli::Esclusi, -1},
        {"shear map: ring beams only", 12, 0, 0, false, Cordoli::Inclusi, 2},
        {"zone view uses the label", 15, 1, 0, true, Cordoli::Inclusi, 1},
        {"zone view, not the centroid", 15, 1, 0, false, Cordoli::Inclusi, -1},
        {"zone view, ring beam picked as active face", 14, 2, 0, true, Cordoli::Inclusi, 2},
        {"zone view, ring beam left out", 14, 2, 0, true, Cordoli::Esclusi, -1},
    };
    for (const Caso& c : casi) {
        StatoInterfaccia s;
        s.StatoVista = c.stato;
        s.LatoAttivo = c.lato;
        s.DirezioneAttiva = c.direzione;
        const Punto m = c.suEtichetta ? et : bar;
        EXPECT_EQ(TrovaCerchioPos(p, s, v, XSchermo(v, m.X) + 9, YSchermo(v, m.Y) - 9, c.cordoli),
                  c.atteso)
            << c.nome;
    }
}

TEST(TrovaPuntoPos, EtichettaDelCordoloTrovataIlRichiamoNo) {
    Parete p;
    Accoda(p, Posizione(0, 0, {10, 10}, {}, {0, 0, 0, 0}));
    Accoda(p, Posizione(2, 1, {50, 50}, {}, {20, 40, 80, 40}));
    const Vista v = VistaProva();
    StatoInterfaccia s;
    s.StatoVista = 14;
    EXPECT_EQ(TrovaPuntoPos(p, s, v, 100, 500), 1);
    EXPECT_EQ(TrovaLineaPos(p, s, v, 100, 520), -1);  // on the ring beam's leader
    s.StatoVista = 16;
    EXPECT_EQ(TrovaPuntoPos(p, s, v, 20, 580), -1);  // only ring beams there
    EXPECT_EQ(TrovaLineaPos(p, s, v, 100, 520), 1);
}

TEST(TrovaLineaPos, OrizzontaleSoloTraGliEstremiObliquoOltre) {
    Parete p;
    // Horizontal leader from (20, 40) to (80, 40): pixels x 40..160, y 520.
    Accoda(p, Posizione(0, 0, {300, 300}, {}, {20, 40, 80, 40}));
    // Oblique leader from (100, 100) to (150, 150): pixels (200, 400) to (300, 300).
    Accoda(p, Posizione(0, 0, {300, 300}, {}, {100, 100, 150, 150}));
    const Vista v = VistaProva();
    StatoInterfaccia s;
    struct Caso {
        const char* nome;
        float x, y;
        int atteso;
    } casi[] = {
        {.nome = "5 px above the horizontal one", .x = 100, .y = 515, .atteso = 0},
        {.nome = "6 px above", .x = 100, .y = 514, .atteso = -1},
        {.nome = "at its end", .x = 40, .y = 520, .atteso = -1},
        {.nome = "beyond its end", .x = 36, .y = 520, .atteso = -1},
        {.nome = "on the oblique one", .x = 250, .y = 350, .atteso = 1},
        {.nome = "3 px beyond the oblique end", .x = 197, .y = 403, .atteso = 1},
        {.nome = "7 px beyond the oblique end", .x = 193, .y = 407, .atteso = -1},
    };
    for (const Caso& c : casi) EXPECT_EQ(TrovaLineaPos(p, s, v, c.x, c.y), c.atteso) << c.nome;
}

TEST(TrovaSolaio, AttraversoUnAperturaMaiSenzaTratti) {
    Parete p = PareteRettangolare(300, 200);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    AggiungiApertura(p, 100, 80, 200, 120);
    CalcolaEstensione(p);
    SolaioParete fuori;  // wholly above the wall: no stretch
    fuori.Coordinata = 500;
    fuori.Spessore1 = fuori.Spessore2 = 10;
    SolaioParete dentro;
    dentro.Coordinata = 100;
    dentro.Spessore1 = dentro.Spessore2 = 10;
    p.Solai = {fuori, dentro};
    p.UltSolaio = 1;
    const Vista v = VistaProva();
    // Pixel (300, 400) is model (150, 100): inside the opening.
    const BandaTrovata b = TrovaSolaio(p, v, 300, 400);
    EXPECT_EQ(b.Indice, 1);
    EXPECT_EQ(b.Banda, dentro);
    EXPECT_FLOAT_EQ(b.Y1, YSchermo(v, 110));
    EXPECT_FLOAT_EQ(b.Y2, YSchermo(v, 90));
    EXPECT_EQ(TrovaSolaio(p, v, 300, YSchermo(v, 500)).Indice, -1);
    EXPECT_EQ(TrovaSolaio(p, v, 300, YSchermo(v, 110)).Indice, -1);  // on the edge
}

TEST(TrovaParete, BandaVerticale) {
    Parete p = PareteRettangolare(300, 200);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    CalcolaEstensione(p);
    SolaioParete w;
    w.Coordinata = 150;
    w.Spessore1 = 10;
    w.Spessore2 = 20;
    p.ParetiTrasversali = {w};
    p.UltParete = 0;
    const Vista v = VistaProva();
    EXPECT_EQ(TrovaParete(p, v, XSchermo(v, 141), YSchermo(v, 100)).Indice, 0);
    EXPECT_EQ(TrovaParete(p, v, XSchermo(v, 169), YSchermo(v, 100)).Indice, 0);
    EXPECT_EQ(TrovaParete(p, v, XSchermo(v, 139), YSchermo(v, 100)).Indice, -1);
}

TEST(TrovaSezione, PrimaSezioneVicina) {
    Parete p;
    LineaSezione s;
    s.P0 = {0, 100};
    s.P1 = {300, 100};
    p.Sezioni = {s, s};
    p.UltSezione = 1;
    const Vista v = VistaProva();
    EXPECT_EQ(TrovaSezione(p, v, 200, 405), 0);
    EXPECT_EQ(TrovaSezione(p, v, 200, 407), -1);
}
