#include "design/EtichettaPosizione.h"
#include "drawing/Vista.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

StatoInterfaccia StatoConZona(const std::vector<Punto>& poligono, int tipo, int direzione) {
    StatoInterfaccia s;
    s.PoligonoCorrente = poligono;
    s.UltPuntoCorrente = static_cast<int>(poligono.size()) - 1;
    s.PosCorrente.Tipo = tipo;
    s.PosCorrente.Direzione = direzione;
    s.NuovoElemento = -1;
    return s;
}

void AttesoPunto(float x, float y, Punto atteso, const char* nome) {
    EXPECT_NEAR(x, atteso.X, 1e-3) << nome;
    EXPECT_NEAR(y, atteso.Y, 1e-3) << nome;
}

const std::vector<Punto> Zona100_300x50_250 = {{100, 50}, {100, 250}, {300, 250}, {300, 50}};

}  // namespace

TEST(CalcolaPosDirezioni, NewZoneLeaderAndLabel) {
    struct Caso {
        std::string nome;
        int direzione;
        Punto inizio, fine, etichetta;
    };
    const Caso casi[] = {
        // Vertical bars: leader at y = 50 + 25 from the right bar line to the
        // left one; Q 20 cm left of it at (80, 75), the label 25 cm above.
        {.nome = "bars of direction 1", .direzione = 0,
         .inizio = {300, 75}, .fine = {100, 75}, .etichetta = {80, 100}},
        // Horizontal bars: leader at x = 300 - 25; Q = (275, 270), label 25 cm right.
        {.nome = "bars of direction 2", .direzione = 1,
         .inizio = {275, 50}, .fine = {275, 250}, .etichetta = {300, 270}},
    };
    const Parete p = PareteAssi();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoInterfaccia s = StatoConZona(Zona100_300x50_250, IntegrativaPiu, c.direzione);
        CalcolaPosDirezioni(s, p);
        const PosizioneArm& pos = s.PosCorrente;
        AttesoPunto(pos.EstDir[0].X, pos.EstDir[0].Y, {300, 50}, "EstDir 0");
        AttesoPunto(pos.EstDir[1].X, pos.EstDir[1].Y, {100, 250}, "EstDir 1");
        AttesoPunto(pos.EstDir[2].X, pos.EstDir[2].Y, {100, 50}, "EstDir 2");
        AttesoPunto(pos.EstDir[3].X, pos.EstDir[3].Y, {300, 250}, "EstDir 3");
        AttesoPunto(pos.Richiamo[0], pos.Richiamo[1], c.inizio, "leader start");
        AttesoPunto(pos.Richiamo[2], pos.Richiamo[3], c.fine, "leader end");
        AttesoPunto(pos.XEtichetta, pos.YEtichetta, c.etichetta, "label");
        AttesoPunto(pos.XBaricentro, pos.YBaricentro, {200, 150}, "centroid");
        EXPECT_EQ(pos.UltVerticeZona, 3);
    }
}

// An edited zone keeps its leader along the bars and its label beside the
// same point: the zone grows to x 400, the leader follows at y = 120.
TEST(CalcolaPosDirezioni, EditedZoneKeepsItsLeader) {
    const Parete p = PareteAssi();
    StatoInterfaccia s = StatoConZona({{100, 50}, {100, 250}, {400, 250}, {400, 50}}, IntegrativaPiu, 0);
    s.NuovoElemento = 0;
    s.PosCorrente.Richiamo = {300, 120, 100, 120};
    s.PosCorrente.XEtichetta = 80;
    s.PosCorrente.YEtichetta = 145;
    CalcolaPosDirezioni(s, p);
    const PosizioneArm& pos = s.PosCorrente;
    AttesoPunto(pos.Richiamo[0], pos.Richiamo[1], {400, 120}, "leader start");
    AttesoPunto(pos.Richiamo[2], pos.Richiamo[3], {100, 120}, "leader end");
    // Q = foot of (80, 145) on y = 120: (80, 120); 25 cm left of the leftward leader.
    AttesoPunto(pos.XEtichetta, pos.YEtichetta, {80, 145}, "label");
}

TEST(CalcolaPosRuotata, BandAlongAngleZero) {
    StatoInterfaccia s = StatoConZona({{0, 0}, {0, 30}, {200, 30}, {200, 0}}, Cordolo, 0);
    s.PosCorrente.Angolo = 0.0f;
    CalcolaPosRuotata(s);
    const PosizioneArm& pos = s.PosCorrente;
    AttesoPunto(pos.Richiamo[0], pos.Richiamo[1], {100, 30}, "leader start");
    AttesoPunto(pos.Richiamo[2], pos.Richiamo[3], {100, 0}, "leader end");
    AttesoPunto(pos.XEtichetta, pos.YEtichetta, {130, -30}, "label");
    AttesoPunto(pos.EstDir[0].X, pos.EstDir[0].Y, {0, 0}, "EstDir 0");
    AttesoPunto(pos.EstDir[3].X, pos.EstDir[3].Y, {200, 30}, "EstDir 3");
    AttesoPunto(pos.XBaricentro, pos.YBaricentro, {100, 15}, "centroid");
}

// A band at 90 degrees: u = y, v = -x; x 0..30, y 0..200 gives u 0..200,
// v -30..0; the leader at u0 = 100 from v 0 to v -30, that is from (0, 100)
// to (30, 100); the label at (u, v) = (130, -60), the point (60, 130).
TEST(CalcolaPosRuotata, BandAlongNinetyDegrees) {
    StatoInterfaccia s = StatoConZona({{0, 0}, {0, 200}, {30, 200}, {30, 0}}, Cordolo, 0);
    s.PosCorrente.Angolo = 1.5707963f;
    CalcolaPosRuotata(s);
    const PosizioneArm& pos = s.PosCorrente;
    AttesoPunto(pos.Richiamo[0], pos.Richiamo[1], {0, 100}, "leader start");
    AttesoPunto(pos.Richiamo[2], pos.Richiamo[3], {30, 100}, "leader end");
    AttesoPunto(pos.XEtichetta, pos.YEtichetta, {60, 130}, "label");
}

TEST(Baricentro, DegenerateZoneGivesTheOrigin) {
    StatoInterfaccia s = StatoConZona({{10, 10}, {20, 20}, {30, 30}}, IntegrativaPiu, 0);
    CalcolaPosDirezioni(s, PareteAssi());
    EXPECT_EQ(s.PosCorrente.XBaricentro, 0.0f);
    EXPECT_EQ(s.PosCorrente.YBaricentro, 0.0f);
}

// Stored zone of vertical bars (x 100..300): the mouse at canvas (150, 880)
// is the model point (150, 120) with scale 1 and a canvas 1000 high.
TEST(TrascinaEtichettaPos, LeaderFollowsTheMouseAlongTheBars) {
    Parete p = PareteAssi();
    StatoInterfaccia s = StatoConZona(Zona100_300x50_250, IntegrativaPiu, 0);
    CalcolaPosDirezioni(s, p);
    p.Posizioni = {s.PosCorrente};
    p.UltPosizione = 0;
    s.IndiceCorrente = 0;
    Vista v;
    v.Scala = 1.0f;
    v.AltezzaTela = 1000.0f;

    TrascinaEtichettaPos(p, s, v, 150.0f, 880.0f);
    const PosizioneArm& r = p.Posizioni[0];
    AttesoPunto(r.Richiamo[0], r.Richiamo[1], {300, 120}, "leader start");
    AttesoPunto(r.Richiamo[2], r.Richiamo[3], {100, 120}, "leader end");
    // The label keeps its offset from the start: (80, 100) - (300, 75) = (-220, 25).
    AttesoPunto(r.XEtichetta, r.YEtichetta, {80, 145}, "label");

    const Parete prima = p;
    s.IndiceCorrente = 1;
    TrascinaEtichettaPos(p, s, v, 10.0f, 10.0f);
    s.IndiceCorrente = -1;
    TrascinaEtichettaPos(p, s, v, 10.0f, 10.0f);
    EXPECT_EQ(p, prima);
}
