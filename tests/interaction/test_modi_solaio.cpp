#include "design/AnnullaModifica.h"
#include "design/ArmaturaDiffusa.h"
#include "interaction/FormSolaiDati.h"
#include "interaction/ModiSolaio.h"
#include "BancoModi.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Parete ParetePiena() {
    Parete p = PareteRettangolare(300, 300);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    return p;
}

// Press and release in modo at model (x, y); the dialog answers with risposta.
void Piazza(BancoModi& b, int modo, float x, float y) {
    b.sessione.stato.Modo = modo;
    PremiSolaio(b.contesto, 1, b.PxX(x), b.PxY(y));
    RilasciaSolaio(b.contesto, 1, b.PxX(x), b.PxY(y));
}

}  // namespace

TEST(ModiSolaio, ANewBandStartsFromTheDefaults) {
    BancoModi b(ParetePiena());
    b.sessione.imp.DiamStaffeCordolo = 8;
    b.sessione.imp.PassoStaffeCordolo = 20.0f;
    b.sessione.imp.DiamReggistaffa = 14;
    b.sessione.stato.Modo = ModoInput::NuovoSolaio;
    PremiSolaio(b.contesto, 1, 10, 300);
    const SolaioParete& s = b.sessione.stato.SolaioCorrente;
    EXPECT_EQ(s, (SolaioParete{.Coordinata = s.Coordinata, .Spessore1 = 15, .Spessore2 = 15,
                               .LatoMeno = 1, .LatoPiu = 1, .ConStaffe = 0, .DiamStaffe = 8,
                               .PassoStaffe = 20, .DiamCorrenti = 14, .LarghezzaStaffe = 24}));
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::NuovoSolaioInCorso);
    EXPECT_EQ(b.sessione.stato.IndiceCorrente, 0);
    ASSERT_EQ(b.tela.Tratti.size(), 1u);
    EXPECT_EQ(b.tela.Tratti[0].Valori, (std::vector<float>{-5000, 300, 5000, 300}));
}

TEST(ModiSolaio, TheLevelIsRoundedToHalfCentimetresAndSnappedWithinFour) {
    const Parete p = PareteRettangolare(300, 300);
    struct Caso {
        const char* nome;
        float valore;
        float atteso;
    };
    for (const Caso& c : {Caso{.nome = "3.5 sotto il bordo", .valore = 296.5f, .atteso = 300},
                          Caso{.nome = "4 sotto il bordo", .valore = 296.0f, .atteso = 296},
                          Caso{.nome = "nessun bordo", .valore = 123.5f, .atteso = 123.5f}}) {
        EXPECT_EQ(AgganciaBordo(p, c.valore, true), c.atteso) << c.nome;
    }
    BancoModi b(PareteRettangolare(300, 300));
    float vista = -1;
    b.servizi.FormSolai = [&](Sessione& s, InterfacciaFinestra&) {
        vista = s.stato.SolaioCorrente.Coordinata;
    };
    Piazza(b, ModoInput::NuovoSolaio, 10, 123.26f);
    EXPECT_EQ(vista, 123.5f);
    Piazza(b, ModoInput::NuovoSolaio, 10, 123.24f);
    EXPECT_EQ(vista, 123.0f);
}

TEST(ModiSolaio, TheLevelSnapRunsOnlyOverVerticesBothPolygonsHave) {
    // The perimeter has one vertex more than the outline; its extra vertex
    // lies on a horizontal edge at 150 that the outline does not have.
    Parete p = PareteRettangolare(300, 300);
    p.PerimetroEsterno = Chiuso({{0, 0}, {0, 300}, {300, 300}, {300, 0}, {150, 150}});
    p.NumPuntiEst = 5;
    EXPECT_EQ(AgganciaBordo(p, 299.0f, true), 300.0f);
    EXPECT_EQ(AgganciaBordo(p, 151.0f, true), 151.0f);
}

TEST(ModiSolaio, AboveTheTopByATenthNoDialogOpens) {
    BancoModi b(PareteRettangolare(300, 300));
    int aperture = 0;
    b.servizi.FormSolai = [&](Sessione&, InterfacciaFinestra&) { ++aperture; };
    // 305 lies past the snap reach of the top edge and past the wall's box.
    Piazza(b, ModoInput::NuovoSolaio, 10, 305.0f);
    EXPECT_EQ(aperture, 0);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
    Piazza(b, ModoInput::NuovaParete, 150, 10);
    EXPECT_EQ(aperture, 1);
}

TEST(ModiSolaio, AnEmptyPressEndsEditAndASlabIsDeletedBeforeAWall) {
    Parete p = ParetePiena();
    p.Solai = {SolaioParete{.Coordinata = 150, .Spessore1 = 15, .Spessore2 = 15}};
    p.UltSolaio = 0;
    p.ParetiTrasversali = {SolaioParete{.Coordinata = 150, .Spessore1 = 15, .Spessore2 = 15}};
    p.UltParete = 0;
    BancoModi b(std::move(p));
    b.sessione.stato.Modo = ModoInput::ModificaSolaioParete;
    EXPECT_EQ(PremiSolaio(b.contesto, 1, 10, 10), DopoEvento::Ridisegna);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);

    b.servizi.TrovaSolaio = [](const Sessione&, const Vista&, float, float) { return 0; };
    b.servizi.TrovaParete = [](const Sessione&, const Vista&, float, float) { return 0; };
    b.sessione.stato.Modo = ModoInput::CancellaSolaioParete;
    PremiSolaio(b.contesto, 1, 150, 450);
    EXPECT_EQ(b.sessione.parete.UltSolaio, -1);
    EXPECT_EQ(b.sessione.parete.UltParete, 0);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(ModiSolaio, ADeletedSlabComesBackWithUndoAndGoesAgainWithRedo) {
    Parete p = ParetePiena();
    p.Solai = {SolaioParete{.Coordinata = 100, .Spessore1 = 15, .Spessore2 = 15, .LatoMeno = 1,
                            .LatoPiu = 1},
               SolaioParete{.Coordinata = 200, .Spessore1 = 10, .Spessore2 = 20, .LatoMeno = 1,
                            .LatoPiu = 0}};
    p.UltSolaio = 1;
    BancoModi b(std::move(p));
    const ProgettoParete prima = b.sessione.parete.Progetto();
    b.servizi.TrovaSolaio = [](const Sessione&, const Vista&, float, float) { return 1; };
    b.sessione.stato.Modo = ModoInput::CancellaSolaioParete;
    PremiSolaio(b.contesto, 1, 150, 200);
    ASSERT_EQ(b.sessione.parete.UltSolaio, 0);
    const ProgettoParete dopo = b.sessione.parete.Progetto();

    AnnullaModifica(b.sessione, b.finestra);
    EXPECT_EQ(b.sessione.parete.UltSolaio, 1);
    EXPECT_TRUE(b.sessione.parete.Progetto() == prima);
    RipetiModifica(b.sessione, b.finestra);
    EXPECT_EQ(b.sessione.parete.UltSolaio, 0);
    EXPECT_TRUE(b.sessione.parete.Progetto() == dopo);
}

TEST(FormSolai, CaptionsFollowTheModeInTheirOrder) {
    const SolaioParete s{.Coordinata = 120, .Spessore1 = 15, .Spessore2 = 7.5f, .LatoMeno = 1};
    std::vector<std::string> didascalie;
    std::vector<int> id;
    for (const VoceGrigliaSolaio& v : VociFormSolai(s, ModoInput::DialogoParete)) {
        didascalie.push_back(v.Didascalia);
        id.push_back(v.Id);
    }
    EXPECT_EQ(id, (std::vector<int>{1, 2, 3, 11, 12, 4, 5}));
    EXPECT_EQ(didascalie, (std::vector<std::string>{
                              "Ascissa parete [cm]", "dX lato sinistro [cm]",
                              "dX lato destro [cm]", "dY inferiore [cm]", "dY superiore [cm]",
                              "Parete lato meno", "Parete lato più"}));
    const auto solaio = VociFormSolai(s, ModoInput::NuovoSolaioInCorso);
    EXPECT_EQ(solaio[0].Didascalia, "Quota solaio [cm]");
    EXPECT_EQ(solaio[0].Valore, " 120");
    EXPECT_EQ(solaio[2].Valore, " 7.5");
    EXPECT_EQ(solaio[5].Valore, "1");
    EXPECT_EQ(solaio[6].Valore, "0");
    EXPECT_EQ(TitoloFormSolai(ModoInput::NuovaPareteInCorso), "Parete");
    EXPECT_EQ(TitoloFormSolai(ModoInput::DialogoSolaio), "Solaio");
}

TEST(FormSolai, RefusedValuesArePutBack) {
    BancoModi b(ParetePiena());
    b.sessione.stato.Modo = ModoInput::NuovoSolaioInCorso;
    b.sessione.stato.SolaioCorrente = SolaioParete{.Coordinata = 100, .Spessore1 = 15};
    struct Caso {
        const char* nome;
        int id;
        const char* testo;
        bool accettato;
        const char* dopo;
    };
    const Caso casi[] = {
        {.nome = "in cima", .id = 1, .testo = "300", .accettato = true, .dopo = "300"},
        {.nome = "sopra", .id = 1, .testo = "300.01", .accettato = false, .dopo = " 300"},
        {.nome = "zero", .id = 2, .testo = "0", .accettato = true, .dopo = "0"},
        {.nome = "negativo", .id = 2, .testo = "-0.5", .accettato = false, .dopo = " 0"},
        {.nome = "lettere", .id = 2, .testo = "abc", .accettato = false, .dopo = " 0"},
        {.nome = "virgola", .id = 3, .testo = "7,5", .accettato = true, .dopo = "7,5"},
        // The file keeps 3 decimals; the band's faces stay within the
        // coordinate range (the level is 300 now).
        {.nome = "tre decimali", .id = 11, .testo = "10.2525", .accettato = true, .dopo = "10.2525"},
        {.nome = "faccia superiore al limite", .id = 2, .testo = "99700", .accettato = true, .dopo = "99700"},
        {.nome = "faccia superiore oltre", .id = 2, .testo = "99701", .accettato = false, .dopo = " 99700"},
        {.nome = "spessore 1e20", .id = 3, .testo = "1e20", .accettato = false, .dopo = " 7.5"},
        {.nome = "rientro oltre le lunghezze", .id = 12, .testo = "100000.01", .accettato = false, .dopo = " 0"},
    };
    for (const Caso& c : casi) {
        std::string testo = c.testo;
        EXPECT_EQ(ValidaVoceSolaio(b.sessione, c.id, testo), c.accettato) << c.nome;
        EXPECT_EQ(testo, c.dopo) << c.nome;
    }
    EXPECT_EQ(b.sessione.stato.SolaioCorrente.Coordinata, 300.0f);
    EXPECT_EQ(b.sessione.stato.SolaioCorrente.Spessore2, 7.5f);
    EXPECT_EQ(b.sessione.stato.SolaioCorrente.Rientro1, 10.253f);
    CambioVoceSolaio(b.sessione, VoceSolaio::LatoPiu, true);
    EXPECT_EQ(b.sessione.stato.SolaioCorrente.LatoPiu, 1);
    CambioVoceSolaio(b.sessione, VoceSolaio::LatoPiu, false);
    EXPECT_EQ(b.sessione.stato.SolaioCorrente.LatoPiu, 0);
}

TEST(FormSolai, OkGrowsAndSortsTheListAndLeavesFreshQuantities) {
    BancoModi b(ParetePiena());
    StatoInterfaccia& stato = b.sessione.stato;
    stato.Modo = ModoInput::NuovoSolaioInCorso;
    for (float livello : {200.0f, 100.0f}) {
        stato.SolaioCorrente = SolaioParete{.Coordinata = livello, .Spessore1 = 15, .Spessore2 = 15};
        stato.IndiceCorrente = b.sessione.parete.UltSolaio + 1;
        EXPECT_TRUE(ConfermaFormSolai(b.sessione, b.finestra));
    }
    const Parete& p = b.sessione.parete;
    ASSERT_EQ(p.UltSolaio, 1);
    EXPECT_EQ(p.Solai[0].Coordinata, 100.0f);
    EXPECT_EQ(p.Solai[1].Coordinata, 200.0f);
    EXPECT_EQ(b.PassiAnnulla(), 2);
    Parete fresca = p;
    RicalcolaArmature(fresca, b.sessione.imp);
    EXPECT_EQ(fresca.Derivati(), p.Derivati());
}

TEST(FormSolai, ABandOutsideTheWallIsRefusedAndKeepsTheSnapshot) {
    BancoModi b(ParetePiena());
    StatoInterfaccia& stato = b.sessione.stato;
    stato.Modo = ModoInput::NuovoSolaioInCorso;
    stato.SolaioCorrente = SolaioParete{.Coordinata = 500, .Spessore1 = 15, .Spessore2 = 15};
    stato.IndiceCorrente = 0;
    const ProgettoParete prima = b.sessione.parete.Progetto();
    EXPECT_FALSE(ConfermaFormSolai(b.sessione, b.finestra));
    EXPECT_EQ(b.finestra.Messaggi(),
              std::vector<std::string>{"Dimensioni non corrette.\nModifica annullata!"});
    EXPECT_EQ(b.sessione.parete.Progetto(), prima);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

// The perimeters take the band's faces as the file keeps the perimeter (one
// decimal), so the wall reopened has the outline that was checked; the
// vertices the band does not move stay as they were.
TEST(FormSolai, TheVerticesARoofSlabMovesAreKeptAsTheFileKeepsThem) {
    Parete parete = ParetePiena();
    parete.PerimetroEsterno[0].X = 0.04f;  // as read from a wall file, untouched by the band
    BancoModi b(parete);
    StatoInterfaccia& stato = b.sessione.stato;
    stato.Modo = ModoInput::NuovoSolaioInCorso;
    stato.SolaioCorrente = SolaioParete{.Coordinata = 300, .Spessore1 = 12.346f, .Spessore2 = 7.001f};
    stato.IndiceCorrente = 0;
    ASSERT_TRUE(ConfermaFormSolai(b.sessione, b.finestra));
    const Parete& p = b.sessione.parete;
    std::vector<float> esterno, interno;
    for (int i = 0; i < p.NumPuntiEst; ++i) esterno.push_back(p.PerimetroEsterno[i].Y);
    for (int i = 0; i < p.NumPuntiInt; ++i) interno.push_back(p.PerimetroInterno[i].Y);
    // Outer perimeter to the far face 312.346, inner to the near face 292.999.
    EXPECT_EQ(esterno, (std::vector<float>{0, 312.3f, 312.3f, 0}));
    EXPECT_EQ(interno, (std::vector<float>{0, 293.0f, 293.0f, 0}));
    EXPECT_EQ(p.PerimetroEsterno[0].X, 0.04f);
}

TEST(FormSolai, MovingARoofSlabOffItsEdgeTakesTheOldAdjustmentBack) {
    BancoModi b(ParetePiena());
    StatoInterfaccia& stato = b.sessione.stato;
    stato.Modo = ModoInput::NuovoSolaioInCorso;
    stato.SolaioCorrente = SolaioParete{.Coordinata = 300, .Spessore1 = 0, .Spessore2 = 20};
    stato.IndiceCorrente = 0;
    const std::vector<Punto> esterno = b.sessione.parete.PerimetroEsterno;
    const std::vector<Punto> interno = b.sessione.parete.PerimetroInterno;
    ASSERT_TRUE(ConfermaFormSolai(b.sessione, b.finestra));
    EXPECT_NE(b.sessione.parete.PerimetroInterno, interno);
    stato.Modo = ModoInput::DialogoSolaio;
    stato.SolaioCorrente.Coordinata = 150;
    ASSERT_TRUE(ConfermaFormSolai(b.sessione, b.finestra));
    EXPECT_EQ(b.sessione.parete.PerimetroEsterno, esterno);
    EXPECT_EQ(b.sessione.parete.PerimetroInterno, interno);
}
