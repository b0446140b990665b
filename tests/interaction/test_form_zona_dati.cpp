#include "interaction/FormZonaDati.h"

#include "design/ArmaturaPosizioni.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/Modifica.h"
#include "drawing/Vista.h"
#include "interaction/TestoFormZona.h"
#include "model/CampoNumerico.h"
#include "model/Direzioni.h"
#include "model/FileArmature.h"
#include "model/Geometria.h"
#include "model/Numeri.h"
#include "model/Sessione.h"
#include "model/Sovrapposizione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "SessionePosizioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <regex>
#include <string>

namespace {

TEST(LarghezzaSuPasso, SnapsTheRestAboveFortyPerCentUp) {
    struct Caso {
        const char* nome;
        float larghezza, passo, attesa;
    };
    const Caso casi[] = {
        {.nome = "rest 7 of 20 goes down", .larghezza = 47, .passo = 20, .attesa = 40},
        {.nome = "rest 9 of 20 goes up", .larghezza = 49, .passo = 20, .attesa = 60},
        {.nome = "rest of exactly 40 % goes down", .larghezza = 28, .passo = 20, .attesa = 20},
        {.nome = "equal to the spacing", .larghezza = 20, .passo = 20, .attesa = 20},
        {.nome = "spacing rounding to 0 divides nothing", .larghezza = 33, .passo = 0.3f, .attesa = 33},
    };
    for (const Caso& c : casi) EXPECT_FLOAT_EQ(LarghezzaSuPasso(c.larghezza, c.passo), c.attesa) << c.nome;
}

class FormZonaDati : public ::testing::Test {
protected:
    void SetUp() override {
        StatoInterfaccia& st = s.stato;
        st.PosCorrente.Tipo = 0;
        st.PosCorrente.Diametro = 12;
        st.PosCorrente.Passo = 20.0f;
        st.DirezioneAttiva = 0;
        ImpostaZonaDaPunti(st, s.parete, s.imp, 60, 40, 240, 160);
        st.IndiceCorrente = s.parete.UltPosizione + 1;
        st.Modo = ModoInput::NuovaZonaInCorso;
        st.PosAccettata = 1;
        st.DuplicaOpposto = 1;
        dati = ApriFormZona(st, s.imp);
    }
    SessionePosizioni base;
    Sessione& s = base.S;
    DatiFormZona dati;
    Vista vista;
    FinestraRegistrata finestra;
};

TEST_F(FormZonaDati, OpeningTakesTheStripFromTheCornersAndClearsTheFlags) {
    const auto& v = s.stato.PosCorrente.Vertici;
    const float anc = static_cast<float>(LunghezzaSovrapposizione(s.imp, 12, 0));
    EXPECT_FLOAT_EQ(dati.Ancoraggio, anc);
    EXPECT_FLOAT_EQ(dati.LungFerri, Distanza(v[0].X, v[0].Y, v[1].X, v[1].Y) + 2 * anc);
    EXPECT_FLOAT_EQ(dati.LarghezzaTratto, LarghezzaSuPasso(Distanza(v[1].X, v[1].Y, v[2].X, v[2].Y), 20));
    EXPECT_FLOAT_EQ(dati.XCentro, (v[0].X + v[2].X) / 2);
    EXPECT_EQ(s.stato.PosAccettata, 0);
    EXPECT_EQ(s.stato.DuplicaOpposto, 0);
    EXPECT_EQ(s.stato.ErroreOperazione, -1);
}

TEST_F(FormZonaDati, ValidationAcceptsOrPutsBackTheCurrentText) {
    struct Caso {
        const char* nome;
        int id;
        std::string testo;
        bool accettato;
    };
    const float anc = dati.Ancoraggio;
    const Caso casi[] = {
        {.nome = "diameter 5", .id = VoceZona::Diametro, .testo = "5", .accettato = false},
        {.nome = "diameter 6", .id = VoceZona::Diametro, .testo = "6", .accettato = true},
        {.nome = "spacing 3.9", .id = VoceZona::Passo, .testo = "3.9", .accettato = false},
        {.nome = "spacing 4", .id = VoceZona::Passo, .testo = "4", .accettato = true},
        {.nome = "spacing 200", .id = VoceZona::Passo, .testo = "200", .accettato = true},
        {.nome = "spacing 200.1", .id = VoceZona::Passo, .testo = "200.1", .accettato = false},
        {.nome = "length below the spacing", .id = VoceZona::LungFerri, .testo = "19", .accettato = false},
        {.nome = "length of two anchorages", .id = VoceZona::LungFerri,
         .testo = std::to_string(2 * anc), .accettato = false},
        {.nome = "length above two anchorages", .id = VoceZona::LungFerri,
         .testo = std::to_string(2 * anc + 1), .accettato = true},
        {.nome = "width below the spacing", .id = VoceZona::LarghezzaTratto, .testo = "19.9", .accettato = false},
        {.nome = "width equal to the spacing", .id = VoceZona::LarghezzaTratto, .testo = "20", .accettato = true},
        {.nome = "centre as text", .id = VoceZona::XCentro, .testo = "abc", .accettato = true},
        {.nome = "centre at the range", .id = VoceZona::XCentro, .testo = "-100000", .accettato = true},
        {.nome = "X centre 1e20", .id = VoceZona::XCentro, .testo = "1e20", .accettato = false},
        {.nome = "Y centre -1e30", .id = VoceZona::YCentro, .testo = "-1e30", .accettato = false},
        {.nome = "length at the range", .id = VoceZona::LungFerri, .testo = "100000", .accettato = true},
        {.nome = "length 1e20", .id = VoceZona::LungFerri, .testo = "1e20", .accettato = false},
        {.nome = "width 1e30", .id = VoceZona::LarghezzaTratto, .testo = "1e30", .accettato = false},
        {.nome = "spacing kept to 3 decimals below 4", .id = VoceZona::Passo, .testo = "3.9996", .accettato = false},
    };
    for (const Caso& c : casi) {
        DatiFormZona d = dati;
        StatoInterfaccia st = s.stato;
        st.PosCorrente.Passo = 20.0f;
        std::string testo = c.testo;
        const EsitoVoceZona esito = ValidaVoceZona(d, st, vista, c.id, testo, "ATTUALE");
        EXPECT_EQ(esito != EsitoVoceZona::Rifiutata, c.accettato) << c.nome;
        EXPECT_EQ(testo == "ATTUALE", !c.accettato) << c.nome;
    }
}

TEST_F(FormZonaDati, DiameterRoundsHalvesToEvenAndSetsTheGrips) {
    for (const auto& [testo, atteso] : {std::pair{"12,5", 12}, std::pair{"13.5", 14}}) {
        std::string t = testo;
        s.stato.MostraManiglie = 0;
        EXPECT_EQ(ValidaVoceZona(dati, s.stato, vista, VoceZona::Diametro, t, ""), EsitoVoceZona::DiametroCambiato);
        EXPECT_EQ(s.stato.PosCorrente.Diametro, atteso) << testo;
        EXPECT_EQ(s.stato.MostraManiglie, 1);
    }
    const float anc = dati.Ancoraggio;
    EXPECT_FLOAT_EQ(dati.Ancoraggio, anc);
    EXPECT_FLOAT_EQ(s.stato.XMedio, (s.stato.XA + s.stato.XB) / 2);
}

TEST_F(FormZonaDati, TheTwinItemOnlyForANewZoneOfTwoFacesOutsideTheFaceCopy) {
    struct Caso {
        const char* nome;
        int maglia, indice, modo;
        bool presente;
    };
    const int nuovo = s.parete.UltPosizione + 1;
    const Caso casi[] = {
        {.nome = "new zone", .maglia = 0, .indice = nuovo, .modo = 33, .presente = true},
        {.nome = "single mesh", .maglia = -1, .indice = nuovo, .modo = 33, .presente = false},
        {.nome = "existing position", .maglia = 0, .indice = nuovo - 1, .modo = 34, .presente = false},
        {.nome = "face copy", .maglia = 0, .indice = nuovo, .modo = 450, .presente = false},
    };
    for (const Caso& c : casi) {
        s.parete.MagliaUnica = c.maglia;
        s.stato.IndiceCorrente = c.indice;
        s.stato.Modo = c.modo;
        const auto voci = VociFormZona(dati, s.parete, s.stato);
        EXPECT_EQ(voci.back().Id == VoceZona::DuplicaOpposto, c.presente) << c.nome;
        EXPECT_EQ(voci.size(), c.presente ? 7u : 6u) << c.nome;
    }
}

TEST_F(FormZonaDati, OkRebuildsTheZoneAboutTheCentreAndAcceptsIt) {
    dati.XCentro = 150;
    dati.YCentro = 100;
    OkFormZona(dati, s, finestra);
    const PosizioneArm& p = s.stato.PosCorrente;
    EXPECT_EQ(s.stato.PosAccettata, 1);
    EXPECT_EQ(s.stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(s.stato.ErroreOperazione, 0);
    EXPECT_NEAR((p.XMin + p.XMax) / 2, 150, 3);
    EXPECT_NEAR((p.YMin + p.YMax) / 2, 100, 3);
    // Direction 1 runs its bars along y here: the strip lies across x.
    EXPECT_NEAR(p.XMax - p.XMin, dati.LarghezzaTratto, 1);
    EXPECT_NEAR(p.YMax - p.YMin + 2 * dati.Ancoraggio, dati.LungFerri, 1);
    EXPECT_TRUE(finestra.Eventi.empty());
}

// A centre within the range whose zone reaches past it: the file could not
// keep the corners, so "Ok" refuses it and leaves the zone as it was.
TEST_F(FormZonaDati, OkRefusesAZoneWhoseCornersLeaveTheRange) {
    const PosizioneArm prima = s.stato.PosCorrente;
    dati.XCentro = 99990;
    OkFormZona(dati, s, finestra);
    EXPECT_EQ(s.stato.PosAccettata, 0);
    EXPECT_EQ(s.stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(s.stato.PosCorrente, prima);
    EXPECT_EQ(finestra.Messaggi(), std::vector<std::string>{MessaggioFuoriCampo()});
}

TEST_F(FormZonaDati, OkWithOneBarWarnsAndDoesNotAccept) {
    s.stato.PosCorrente.Passo = dati.LarghezzaTratto + 1;
    const std::string rtf = TestoFormZona(dati, s);
    EXPECT_NE(rtf.find("Errore: passo > larghezza!"), std::string::npos);
    OkFormZona(dati, s, finestra);
    EXPECT_EQ(s.stato.PosAccettata, 0);
    EXPECT_EQ(s.stato.ErroreOperazione, 0);
    ASSERT_EQ(finestra.Eventi.size(), 1u);
    EXPECT_NE(finestra.Eventi[0].find("La larghezza del tratto di armatura integrativa è minore del passo!"),
              std::string::npos);
}

TEST_F(FormZonaDati, TheReportBalancesTheAreaAndNamesTheFace) {
    // 12 mm at 20 cm: 5.65 cm2/m.
    s.stato.AreaRichiestaMax = AreaBarra(12) * 100.0f / 20.0f;
    s.stato.AreaRichiestaMedia = 1.0f;
    s.stato.IndiceCorrente = 2;
    std::string rtf = TestoFormZona(dati, s);
    EXPECT_NE(rtf.find(" Armatura n. 3, lato +,dir.1"), std::string::npos);
    EXPECT_NE(rtf.find(" Ø 12/ 20   (5.65 cmq/m)  "), std::string::npos);
    EXPECT_NE(rtf.find("Mancano: 0.0"), std::string::npos);
    EXPECT_NE(rtf.find(" Richiesta media: 1.0 cmq/mq  (In eccesso: 4.65 cmq/m)\\par "), std::string::npos);
    s.parete.MagliaUnica = -1;
    rtf = TestoFormZona(dati, s);
    EXPECT_NE(rtf.find(" Armatura n. 3, dir.1"), std::string::npos);
}

TEST_F(FormZonaDati, RecomputeSpacingAndEditThePerimeter) {
    s.stato.AreaRichiestaMax = 0.0f;
    RicalcolaPassoZona(s.stato, s.imp);
    EXPECT_FLOAT_EQ(s.stato.PosCorrente.Passo, s.imp.PassoMaxIntegrativa);
    ModificaPerimetroZona(s.stato, vista);
    EXPECT_EQ(s.stato.Modo, ModoInput::ModificaZona);
    EXPECT_EQ(s.stato.NuovoElemento, 1);
    EXPECT_EQ(s.stato.ErroreOperazione, -1);
    EXPECT_FLOAT_EQ(s.stato.XA, XSchermo(vista, s.stato.PosCorrente.Vertici[0].X));
}

}  // namespace

namespace {

// A typed diameter against the 16-bit field of the reinforcement file.
struct CasoDiametro {
    const char* nome;
    const char* testo;
    int atteso;  // 0: refused, the text put back and the diameter kept
};

void PrintTo(const CasoDiametro& c, std::ostream* os) { *os << c.nome; }

const CasoDiametro CasiDiametro[] = {
    {.nome = "Diametro32767", .testo = "32767", .atteso = 32767},
    {.nome = "Diametro32767e4", .testo = "32767,4", .atteso = 32767},
    {.nome = "Diametro32767e5", .testo = "32767.5", .atteso = 0},
    {.nome = "Diametro32768", .testo = "32768", .atteso = 0},
    {.nome = "Diametro40000", .testo = "40000", .atteso = 0},
    {.nome = "DiametroOltre2alla31", .testo = "3e9", .atteso = 0},
    {.nome = "DiametroMassimoFloat", .testo = "1e39", .atteso = 0},
};

class DiametroZona : public FormZonaDati, public testing::WithParamInterface<CasoDiametro> {};

// What the dialog accepts, the zone stored and the reinforcement file read
// back keep; what the file could not hold is refused like any other value.
TEST_P(DiametroZona, DentroIlCampoDelFileORifiutato) {
    const CasoDiametro& c = GetParam();
    std::string testo = c.testo;
    const EsitoVoceZona esito = ValidaVoceZona(dati, s.stato, vista, VoceZona::Diametro, testo, " 12");
    if (c.atteso == 0) {
        EXPECT_EQ(esito, EsitoVoceZona::Rifiutata);
        EXPECT_EQ(testo, " 12");
        EXPECT_EQ(s.stato.PosCorrente.Diametro, 12);
        return;
    }
    ASSERT_EQ(esito, EsitoVoceZona::DiametroCambiato);
    OkFormZona(dati, s, finestra);
    ASSERT_EQ(ConfermaPosizione(s.parete, s.stato), EsitoPosizione::Memorizzata);
    Parete riletta = s.parete;
    ASSERT_TRUE(LeggiArmatureDaTesto(riletta, TestoArmature(s.parete), "P.ARS", VersioneArmature).Riuscito());
    EXPECT_EQ(riletta.Posizioni[riletta.UltPosizione].Diametro, c.atteso);
}

INSTANTIATE_TEST_SUITE_P(Casi, DiametroZona, testing::ValuesIn(CasiDiametro),
                         [](const testing::TestParamInfo<CasoDiametro>& info) { return info.param.nome; });

}  // namespace

// On a wall whose directions are 75 and 165 degrees, a zone running past the
// wall's edge: the dialog reports the bars of the zone as "Ok" stores it
// (widened and clipped), not those of the parallelogram drawn, and the
// length to the 0.1 cm.
TEST(FormZonaDatiObliqua, TheReportCountsTheBarsOfTheStoredZone) {
    SessionePosizioni base;
    Sessione& s = base.S;
    Parete& parete = s.parete;
    parete.AngoloArm1 = 75.0f * 3.14159265f / 180.0f;
    parete.AngoloArm2 = parete.AngoloArm1 - 165.0f * 3.14159265f / 180.0f;
    CalcolaDirezioni(parete);
    ASSERT_NEAR(parete.CosDir2, std::cos(165.0 * 3.14159265 / 180.0), 1e-5);
    CodaGeometria(parete, s.stato);
    CodaArmatura(parete, s.imp);

    StatoInterfaccia& st = s.stato;
    st.PosCorrente.Tipo = 0;
    st.PosCorrente.Diametro = 12;
    st.PosCorrente.Passo = 20.0f;
    st.DirezioneAttiva = 0;
    st.NuovoElemento = 1;
    ImpostaZonaDaPunti(st, parete, s.imp, 280, 120, 470, 290);
    st.IndiceCorrente = parete.UltPosizione + 1;
    st.Modo = ModoInput::NuovaZonaInCorso;
    DatiFormZona dati = ApriFormZona(st, s.imp);
    const std::string rtf = TestoFormZona(dati, s);
    std::smatch trovato;
    ASSERT_TRUE(std::regex_search(rtf, trovato, std::regex(R"(\s(\d+) barre L = \s?([0-9.]+) cm)"))) << rtf;
    const int barre = std::stoi(trovato[1]);
    const std::string lunghezza = trovato[2];
    // The parallelogram alone would give other figures.
    ASSERT_NE(barre, static_cast<int>(dati.LarghezzaTratto / 20.0f) + 1);

    FinestraRegistrata finestra;
    OkFormZona(dati, s, finestra);
    ASSERT_EQ(st.PosAccettata, 1);
    ASSERT_EQ(ConfermaPosizione(parete, st), EsitoPosizione::Memorizzata);
    ASSERT_EQ(parete.UltPosizione, 0);
    const BarreZona memorizzata = ContaBarreZona(parete, parete.Posizioni[0], parete.PoligoniPos[0]);
    EXPECT_EQ(barre, memorizzata.Numero);
    EXPECT_NEAR(std::stof(lunghezza), memorizzata.Massima, 0.05f);
    const std::size_t punto = lunghezza.find('.');
    EXPECT_TRUE(punto == std::string::npos || lunghezza.size() - punto == 2) << lunghezza;
}
