// The zones follow the wall when the perimeter editor makes it smaller: cut
// to the new outline, or removed with a message when nothing is left, in the
// step of the change, so that one undo brings zone and outline back.

#include "interaction/EditorPerimetro.h"

#include "design/AnnullaModifica.h"
#include "design/ArmaturaPosizioni.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/ListaPosizioniSelezione.h"
#include "design/ZoneNellaParete.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

// "Disponi armature integrativa", direction 1 (vertical bars) "lato +",
// between two picked points, stored as its own step.
void DisegnaZona(Sessione& s, float x1, float y1, float x2, float y2) {
    FinestraRegistrata finestra;
    StatoInterfaccia& st = s.stato;
    st.LatoAttivo = IntegrativaPiu;
    st.DirezioneAttiva = 0;
    st.TipoMappa = 5;
    st.Modo = ModoInput::NuovaZonaInCorso;
    st.NuovoElemento = -1;
    st.DuplicaOpposto = 0;
    ImpostaZonaDaPunti(st, s.parete, s.imp, x1, y1, x2, y2);
    ASSERT_TRUE(CreaPosizioneDaSelezione(s, finestra, OrigineZona::Nuova, st.Modo));
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    ASSERT_TRUE(ConfermaPosizione(s, finestra));
}

// The perimeter editor moves the right side of the 400 x 300 rectangle to x.
void SpostaLatoDestro(Sessione& s, FinestraRegistrata& finestra, float x) {
    CaricaEditorPerimetro(s, 0);
    for (int i = 0; i <= s.stato.UltVerticeLista; ++i) {
        const Punto v = PuntoVertice(s.stato, i);
        if (v.X != 400.0f) continue;
        SelezionaVertice(s.stato, i);
        s.stato.Text1 = {std::to_string(static_cast<int>(x)), std::to_string(static_cast<int>(v.Y))};
        ASSERT_TRUE(AssegnaCoordinate(s.stato, finestra));
    }
    AssegnaPerimetro(s, finestra);
}

float XMassimaBarre(const Parete& p) {
    BancoDisegno banco;
    banco.Imp.ScalaDxf = 1.0f;  // model centimetres
    ArmaturaPosizioni(p, 0, 0, IntegrativaPiu, banco.InDxf());
    float x = -1e9f;
    for (const EntitaDxf& e : banco.Flusso.DiTipo("LINE"))
        if (e.Layer == "ARM_INTEGR1") x = std::max({x, static_cast<float>(e.Valori[0]), static_cast<float>(e.Valori[2])});
    return x;
}

float XMassimaZona(const Parete& p, int i) {
    float x = -1e9f;
    for (int j = 0; j <= p.Posizioni[i].UltVerticeZona; ++j) x = std::max(x, p.PoligoniPos[i][j].X);
    return x;
}

struct CasoLato {
    std::string nome;
    float nuovaX;         // of the right side
    bool eliminata;       // the zone is left with nothing
    float xMassima = 0;   // of the cut zone and its bars
};

void PrintTo(const CasoLato& c, std::ostream* os) { *os << c.nome; }

class ZoneSeguonoParete : public testing::TestWithParam<CasoLato> {};

}  // namespace

// A zone over x 251..396 (the picked 250..397 trimmed to a width of 145):
// bars every spacing from x 251 up to 396 - 0.5.
TEST_P(ZoneSeguonoParete, TheEditorCutsTheZoneInTheSameStep) {
    const CasoLato& c = GetParam();
    SessionePosizioni f;
    Sessione& s = f.S;
    DisegnaZona(s, 250, 50, 397, 250);
    ASSERT_EQ(s.parete.UltPosizione, 0);
    const Parete prima = s.parete;
    ASSERT_GT(XMassimaBarre(s.parete), 390.0f);
    const int passiPrima = s.storia.UltimoAnnulla;

    FinestraRegistrata finestra;
    SpostaLatoDestro(s, finestra, c.nuovaX);
    const Parete& p = s.parete;
    EXPECT_EQ(s.storia.UltimoAnnulla, passiPrima + 1);
    if (c.eliminata) {
        EXPECT_EQ(p.UltPosizione, -1);
        EXPECT_EQ(finestra.Messaggi(), (std::vector<std::string>{
                                           "La zona della Pos. 1 è rimasta fuori dalla parete ed è stata eliminata."}));
    } else {
        ASSERT_EQ(p.UltPosizione, 0);
        EXPECT_TRUE(finestra.Messaggi().empty());
        EXPECT_NEAR(XMassimaZona(p, 0), c.xMassima, 1e-3);
        EXPECT_LE(XMassimaBarre(p), c.xMassima);
        EXPECT_GE(p.Posizioni[0].EstDir[0].X, c.xMassima - 1e-3f);  // extremes follow the cut
        // The bill counts the bars as they now are.
        const auto misura = MisuraArmaturaPosizioni(p, s.imp, IntegrativaPiu);
        ASSERT_TRUE(misura.has_value() && misura->size() == 1u);
        EXPECT_FLOAT_EQ(p.Posizioni[0].LungTotale, misura->front().LungTotale);
        EXPECT_LT(p.Posizioni[0].LungTotale, prima.Posizioni[0].LungTotale);
    }

    AnnullaModifica(s, finestra);
    EXPECT_EQ(s.parete.PerimetroEsterno, prima.PerimetroEsterno);
    ASSERT_EQ(s.parete.UltPosizione, 0);
    EXPECT_EQ(s.parete.Posizioni[0], prima.Posizioni[0]);
    EXPECT_NEAR(XMassimaZona(s.parete, 0), XMassimaZona(prima, 0), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ZoneSeguonoParete,
    testing::Values(
        // Seen: the outline ended at 397 - 100 while the bars still reached past it.
        CasoLato{.nome = "side moved in across the zone", .nuovaX = 300, .eliminata = false, .xMassima = 297},
        CasoLato{.nome = "side moved in past the zone", .nuovaX = 200, .eliminata = true}),
    [](const testing::TestParamInfo<CasoLato>& i) {
        std::string n = i.param.nome;
        std::replace_if(n.begin(), n.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return n;
    });

// A wall that grows never extends a zone: one clipped at the old side keeps
// its polygon exactly as stored.
TEST(ZoneSeguonoParete, AGrowingWallLeavesTheZoneAsStored) {
    SessionePosizioni f;
    Sessione& s = f.S;
    DisegnaZona(s, 250, 50, 450, 250);  // clipped at the outline's 397
    const Parete prima = s.parete;
    ASSERT_NEAR(XMassimaZona(prima, 0), 397.0f, 1e-3);
    FinestraRegistrata finestra;
    SpostaLatoDestro(s, finestra, 600);
    ASSERT_EQ(s.parete.UltPosizione, 0);
    EXPECT_EQ(s.parete.Posizioni[0].EstDir, prima.Posizioni[0].EstDir);
    EXPECT_EQ(s.parete.PoligoniPos[0], prima.PoligoniPos[0]);
    EXPECT_TRUE(finestra.Messaggi().empty());
}
