#include "design/AreeMancanti.h"
#include "model/Parete.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr float Pi = 3.14159265358979f;
constexpr float Area12Passo20 = 5.6548668f;  // 12 mm bars at 20 cm

using Quattro = std::array<float, 4>;

// Node 0 at (50, 50) and node 1 at (250, 50); distributed areas differ per
// layer so that a mixed-up slot shows.
Parete ConDueNodi() {
    Parete p;
    p.NumNodi = 2;
    p.Nodi.assign(3, Nodo{});
    p.Nodi[0].X = 50; p.Nodi[0].Y = 50;
    p.Nodi[1].X = 250; p.Nodi[1].Y = 50;
    p.Nodi[0].Richiesta = p.Nodi[1].Richiesta = {10, 10, 10, 10};
    p.AreaDir1Piu = 1; p.AreaDir2Piu = 2; p.AreaDir1Meno = 3; p.AreaDir2Meno = 4;
    return p;
}

const Quattro SoloDistribuita = {9, 8, 7, 6};  // slot order

// Rectangle (x0, y0)-(x1, y1) as a clockwise zone quadrilateral.
PosizioneArm Zona(int tipo, int direzione, float x0, float y0, float x1, float y1) {
    PosizioneArm z;
    z.Tipo = tipo;
    z.Direzione = direzione;
    z.Diametro = 12;
    z.Passo = 20.0f;
    z.Vertici = {Punto{x0, y0}, Punto{x0, y1}, Punto{x1, y1}, Punto{x1, y0}};
    z.XMin = x0; z.YMin = y0; z.XMax = x1; z.YMax = y1;
    return z;
}

// Ring beam of 16 mm bars, band 24 cm, cover 3 cm, two legs.
PosizioneArm CordoloIntorno(float angolo) {
    PosizioneArm c = Zona(Cordolo, 0, 0, 0, 100, 100);
    c.DiamCorrenti = 16;
    c.Diametro = 8;
    c.Passo = 15.0f;
    c.NumBracci = 2;
    c.Larghezza = 24.0f;
    c.CopriferroCordolo = 3.0f;
    c.Angolo = angolo;
    return c;
}

void Aggiungi(Parete& p, const PosizioneArm& pos) {
    p.UltPosizione += 1;
    p.Posizioni.resize(p.UltPosizione + 1);
    p.Posizioni[p.UltPosizione] = pos;
}

void AttesoUguale(const Quattro& ottenuto, const Quattro& atteso, float tolleranza = 1e-5f) {
    for (int s = 0; s < 4; ++s) EXPECT_NEAR(ottenuto[s], atteso[s], tolleranza) << "slot " << s;
}

}  // namespace

TEST(AreeMancanti, WithoutPositionsOnlyTheDistributedLayersCount) {
    Parete p = ConDueNodi();
    p.Nodi[1].Richiesta = {0.5f, 3.0f, 2.0f, 4.0f};
    AggiornaAreeMancanti(p);
    AttesoUguale(p.Nodi[0].Mancante, SoloDistribuita);
    // Less required than provided is an excess: negative.
    AttesoUguale(p.Nodi[1].Mancante, {-0.5f, 1.0f, -1.0f, 0.0f});
}

TEST(AreeMancanti, ZoneLowersOnlyTheSlotOfItsFaceAndDirection) {
    struct Caso {
        int tipo, direzione, slot;
    };
    const Caso casi[] = {{IntegrativaPiu, 0, 0}, {IntegrativaPiu, 1, 1},
                         {IntegrativaMeno, 0, 2}, {IntegrativaMeno, 1, 3}};
    for (const Caso& caso : casi) {
        Parete p = ConDueNodi();
        Aggiungi(p, Zona(caso.tipo, caso.direzione, 0, 0, 100, 100));
        AggiornaAreeMancanti(p);
        Quattro atteso = SoloDistribuita;
        atteso[caso.slot] -= Area12Passo20;
        SCOPED_TRACE(caso.slot);
        AttesoUguale(p.Nodi[0].Mancante, atteso);
        AttesoUguale(p.Nodi[1].Mancante, SoloDistribuita);  // outside the zone
    }
}

TEST(AreeMancanti, OverlappingZonesAddUp) {
    Parete p = ConDueNodi();
    Aggiungi(p, Zona(IntegrativaMeno, 1, 0, 0, 100, 100));
    Aggiungi(p, Zona(IntegrativaMeno, 1, 20, 20, 300, 80));
    AggiornaAreeMancanti(p);
    EXPECT_NEAR(p.Nodi[0].Mancante[3], 6.0f - 2 * Area12Passo20, 1e-5);
    EXPECT_NEAR(p.Nodi[1].Mancante[3], 6.0f - Area12Passo20, 1e-5);
}

TEST(AreeMancanti, ExcludedPositionIsLeftOutAndOnlyIt) {
    Parete p = ConDueNodi();
    Aggiungi(p, Zona(IntegrativaPiu, 0, 0, 0, 100, 100));
    Aggiungi(p, Zona(IntegrativaMeno, 1, 0, 0, 100, 100));
    AggiornaAreeMancanti(p, 0);
    AttesoUguale(p.Nodi[0].Mancante, {9, 8, 7, 6 - Area12Passo20});
    AggiornaAreeMancanti(p, 1);
    AttesoUguale(p.Nodi[0].Mancante, {9 - Area12Passo20, 8, 7, 6});
}

// The ring beam's area goes to each direction by the cosine between the band
// and the bars; the direction-2 angle is measured from direction 1.
TEST(AreeMancanti, RingBeamSharesItsAreaBetweenTheDirections) {
    constexpr float A = 7.4467381f;  // 16 mm over 2*3/2 + 24 = 27 cm
    struct Caso {
        float angolo, arm1, arm2, quotaDir1, quotaDir2;
    };
    const Caso casi[] = {
        {0.0f, Pi / 2, Pi / 2, 0.0f, 1.0f},     // horizontal band, vertical direction 1
        {Pi / 2, Pi / 2, Pi / 2, 1.0f, 0.0f},   // vertical band
        {0.0f, Pi / 3, Pi / 6, 0.5f, 0.0f},     // 60 and 60+30 degrees from the band
    };
    for (const Caso& caso : casi) {
        Parete p = ConDueNodi();
        p.AngoloArm1 = caso.arm1;
        p.AngoloArm2 = caso.arm2;
        Aggiungi(p, CordoloIntorno(caso.angolo));
        AggiornaAreeMancanti(p);
        const float d1 = A * caso.quotaDir1, d2 = A * caso.quotaDir2;
        SCOPED_TRACE(caso.angolo);
        AttesoUguale(p.Nodi[0].Mancante, {9 - d1, 8 - d2, 7 - d1, 6 - d2}, 1e-4f);
        AttesoUguale(p.Nodi[1].Mancante, SoloDistribuita);
    }
}

// While another position is left out, the band of a ring beam counts the full
// double cover, not the cover divided among the legs.
TEST(AreeMancanti, RingBeamBandWhileAnotherPositionIsExcluded) {
    constexpr float A = 6.7020643f;  // 16 mm over 2*3 + 24 = 30 cm
    Parete p = ConDueNodi();
    p.AngoloArm1 = Pi / 2;
    p.AngoloArm2 = Pi / 2;
    Aggiungi(p, Zona(IntegrativaPiu, 0, 0, 0, 100, 100));
    Aggiungi(p, CordoloIntorno(0.0f));
    AggiornaAreeMancanti(p, 0);
    AttesoUguale(p.Nodi[0].Mancante, {9, 8 - A, 7, 6 - A}, 1e-4f);

    // Excluding the ring beam itself removes it entirely.
    AggiornaAreeMancanti(p, 1);
    AttesoUguale(p.Nodi[0].Mancante, {9 - Area12Passo20, 8, 7, 6});
}

TEST(AreeMancanti, ShearReinforcementAddsNothing) {
    Parete p = ConDueNodi();
    Aggiungi(p, Zona(3, 0, 0, 0, 100, 100));
    Aggiungi(p, Zona(4, 1, 0, 0, 100, 100));
    AggiornaAreeMancanti(p);
    AttesoUguale(p.Nodi[0].Mancante, SoloDistribuita);
}

// A spacing or a leg count of 0 or less only comes from a damaged file; such
// a position must not turn the node values into infinities.
TEST(AreeMancanti, PositionWithoutPositiveSpacingOrLegsAddsNothing) {
    Parete p = ConDueNodi();
    PosizioneArm senzaPasso = Zona(IntegrativaPiu, 0, 0, 0, 100, 100);
    senzaPasso.Passo = 0.0f;
    PosizioneArm passoNegativo = Zona(IntegrativaMeno, 1, 0, 0, 100, 100);
    passoNegativo.Passo = -20.0f;
    PosizioneArm senzaBracci = CordoloIntorno(0.0f);
    senzaBracci.NumBracci = 0;
    Aggiungi(p, senzaPasso);
    Aggiungi(p, passoNegativo);
    Aggiungi(p, senzaBracci);
    for (int escluso : {-1, 0}) {
        AggiornaAreeMancanti(p, escluso);
        AttesoUguale(p.Nodi[0].Mancante, SoloDistribuita);
    }
}

TEST(AreeMancanti, WithoutNodesNothingHappens) {
    Parete p = ConDueNodi();
    p.NumNodi = 0;
    p.Nodi[0].Mancante = {1, 2, 3, 4};
    Aggiungi(p, Zona(IntegrativaPiu, 0, 0, 0, 100, 100));
    AggiornaAreeMancanti(p);
    AttesoUguale(p.Nodi[0].Mancante, {1, 2, 3, 4});
}
