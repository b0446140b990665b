// Zoomed far out, a click can land hundreds of thousands of cm from the wall.
// Every canvas mode that would store the point under the mouse refuses one
// outside the coordinate range as it refuses any invalid click: nothing is
// stored, and the mode is the one it was in.

#include "drawing/Vista.h"
#include "interaction/EditorPerimetro.h"
#include "interaction/FamiglieModi.h"
#include "interaction/ModiEditorPerimetro.h"
#include "interaction/StatoMacchina.h"
#include "model/LimitiValori.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The window's part: no dialog may open for a refused point.
class PortaMuta : public PortaTela {
public:
    std::vector<std::string> Dialoghi;
    void Ridisegna() override {}
    void ImpostaPrompt(const std::string&) override {}
    void InfoNodo(int) override {}
    void RipetiComando(int) override {}
    void MostraDialogoZona() override { Dialoghi.push_back("Zona"); }
    void MostraDialogoCordolo() override { Dialoghi.push_back("Cordolo"); }
};

// The 400 x 300 wall of SessionePosizioni on an 800 x 600 canvas showing
// 400,000 x 300,000 cm around it: model (x, y) is pixel
// (400 + x / 500, 300 - y / 500), and the canvas's corners lie some 200,000
// cm off the wall.
struct Banco {
    Banco() {
        vista.Scala = 0.002f;
        vista.LarghezzaTela = 800.0f;
        vista.AltezzaTela = 600.0f;
        vista.FinXmin = -200000.0f;
        vista.FinXmax = 200000.0f;
        vista.FinYmin = -150000.0f;
        vista.FinYmax = 150000.0f;
        s().stato.StatoVista = 14;  // zone view of "lato +"
        // A stored zone of "lato +" with its label at (200, 150).
        PosizioneArm p = ZonaRettangolare(0, 0, 100, 100, 300, 200);
        p.XEtichetta = 200;
        p.YEtichetta = 150;
        p.Richiamo = {200, 143, 200, 110};
        AccodaPosizione(s().parete, p, Riquadro(100, 100, 300, 200));
        servizi = ServiziTela();
    }
    Sessione& s() { return sp.S; }
    float Px(float x) const { return XSchermo(vista, x); }
    float Py(float y) const { return YSchermo(vista, y); }
    void Premi(float x, float y) { m.Picture1_MouseDown(Pulsante::Sinistro, x, y); }
    // Pressed at (x1, y1), moved and released at (x2, y2).
    void Trascina(float x1, float y1, float x2, float y2) {
        Premi(x1, y1);
        m.Picture1_MouseMove(Pulsante::Sinistro, x2, y2);
        m.Picture1_MouseUp(Pulsante::Sinistro, x2, y2);
    }
    // The measured points of a dimension being placed, given in cm.
    void PuntiMisurati(Punto a, Punto b) {
        StatoInterfaccia& st = s().stato;
        st.XQuota1 = Px(a.X);
        st.YQuota1 = Py(a.Y);
        st.XQuota2 = Px(b.X);
        st.YQuota2 = Py(b.Y);
    }

    SessionePosizioni sp;
    Vista vista;
    TelaRegistrata tela{800, 600};
    FinestraRegistrata finestra;
    PortaMuta porta;
    ServiziModi servizi;
    FamiglieModi famiglie{servizi};
    ModiEditorPerimetro editor;
    MacchinaTela m{ContestoTela{sp.S, vista, tela, finestra, porta},
                   [this] {
                       ModiEsterni e = famiglie.Esterni();
                       e.Editor = &editor;
                       return e;
                   }()};
};

// A pixel whose model point lies about 190,000 cm from the wall.
constexpr float Lontano = 20.0f;

struct CasoModo {
    const char* nome;
    int modo;                                  // the mode armed before the events
    std::function<void(Banco&)> prepara = {};  // anything else the mode needs
    std::function<void(Banco&)> eventi;
    int modoAtteso;
    int passiAnnulla = 0;  // undo steps the mode takes before the point is refused
    std::vector<std::string> messaggi = {};
};

void PrintTo(const CasoModo& c, std::ostream* os) { *os << c.nome; }

void ZonaInModifica(Banco& b) {
    StatoInterfaccia& st = b.s().stato;
    st.PosCorrente = b.s().parete.Posizioni[0];
    st.IndiceCorrente = 0;
    st.NuovoElemento = 0;
}

void QuotaMemorizzata(Banco& b) {
    Parete& p = b.s().parete;
    p.Quote[0] = Quota{.X1 = 0, .Y1 = -40, .X2 = 400, .Y2 = -40, .Testo = "400", .Vista = 0,
                       .XA = 0, .YA = 0, .XB = 400, .YB = 0};
    p.UltQuota = 0;
    b.s().stato.QuotaSelezionata = 0;
    b.s().stato.MisuraQuota1 = {0, 0};
    b.s().stato.MisuraQuota2 = {400, 0};
}

class PuntoFuoriCampo : public ::testing::TestWithParam<CasoModo> {};

TEST_P(PuntoFuoriCampo, NothingIsStoredAndTheModeIsAsItWas) {
    const CasoModo& caso = GetParam();
    Banco b;
    ASSERT_FALSE(CoordinataAmmessa(XModello(b.vista, Lontano)));
    ASSERT_FALSE(CoordinataAmmessa(YModello(b.vista, Lontano)));
    StatoInterfaccia& st = b.s().stato;
    st.Modo = caso.modo;
    if (caso.prepara) caso.prepara(b);
    const ProgettoParete prima = b.s().parete.Progetto();
    const PosizioneArm buffer = st.PosCorrente;
    const std::array<std::string, 2> testi = st.Text1;

    caso.eventi(b);

    EXPECT_TRUE(b.s().parete.Progetto() == prima);
    EXPECT_EQ(st.Modo, caso.modoAtteso);
    EXPECT_EQ(b.s().storia.UltimoAnnulla, caso.passiAnnulla);
    EXPECT_EQ(b.finestra.Messaggi(), caso.messaggi);
    EXPECT_TRUE(b.porta.Dialoghi.empty());
    if (caso.modo == ModoInput::ModificaZona) {
        EXPECT_EQ(st.PosCorrente, buffer);  // the zone under edit keeps its corners
    }
    EXPECT_EQ(st.Text1, testi);         // the perimeter editor proposes nothing
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, PuntoFuoriCampo,
    ::testing::Values(
        CasoModo{.nome = "NuovaZonaPrimoAngolo", .modo = ModoInput::NuovaZona,
                 .eventi = [](Banco& b) { b.Trascina(Lontano, Lontano, b.Px(200), b.Py(150)); },
                 .modoAtteso = ModoInput::NuovaZona},
        CasoModo{.nome = "NuovaZonaSecondoAngolo", .modo = ModoInput::NuovaZona,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(200), b.Py(150), Lontano, Lontano); },
                 .modoAtteso = ModoInput::NuovaZona},
        CasoModo{.nome = "ManigliaDellaZonaInModifica", .modo = ModoInput::ModificaZona,
                 .prepara = ZonaInModifica,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(100), b.Py(100), Lontano, b.Py(100)); },
                 .modoAtteso = ModoInput::ModificaZona},
        CasoModo{.nome = "PosizioneSpostata", .modo = ModoInput::SpostaPosizione,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(200), b.Py(150), b.Px(200), Lontano); },
                 .modoAtteso = ModoInput::SpostaPosizione},
        CasoModo{.nome = "PosizioneCopiata", .modo = ModoInput::CopiaPosizione,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(200), b.Py(150), Lontano, b.Py(150)); },
                 .modoAtteso = ModoInput::CopiaPosizione},
        // The label move takes its undo step at the pick; the drag far off
        // leaves the label where it was, and the release ends the move.
        CasoModo{.nome = "EtichettaSpostata", .modo = ModoInput::SpostaEtichetta,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(200), b.Py(150), Lontano, Lontano); },
                 .modoAtteso = ModoInput::Inattivo, .passiAnnulla = 1},
        CasoModo{.nome = "EtichettaPresaLontano", .modo = ModoInput::SpostaEtichetta,
                 .eventi = [](Banco& b) { b.Premi(Lontano, Lontano); },
                 .modoAtteso = ModoInput::SpostaEtichetta},
        CasoModo{.nome = "SezionePremutaLontano", .modo = ModoInput::NuovaSezioneOrizzontale,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(200), Lontano, b.Px(200), Lontano); },
                 .modoAtteso = ModoInput::NuovaSezioneOrizzontale},
        // The press in range takes the mode's undo step; the release far off
        // crosses no side.
        CasoModo{.nome = "SezioneRilasciataLontano", .modo = ModoInput::NuovaSezioneVerticale,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(200), b.Py(150), Lontano, b.Py(150)); },
                 .modoAtteso = ModoInput::Inattivo, .passiAnnulla = 1,
                 .messaggi = {"la sezione non interseca la parete.\nOperazione annullata."}},
        CasoModo{.nome = "QuotaPrimoPunto", .modo = ModoInput::QuotaOrizzontale,
                 .eventi = [](Banco& b) { b.Premi(Lontano, Lontano); },
                 .modoAtteso = ModoInput::QuotaOrizzontale},
        CasoModo{.nome = "QuotaLineaLontana", .modo = LineaQuota(ModoInput::QuotaOrizzontale),
                 .prepara = [](Banco& b) { b.PuntiMisurati({0, 0}, {400, 0}); },
                 .eventi = [](Banco& b) { b.Premi(b.Px(200), Lontano); },
                 .modoAtteso = LineaQuota(ModoInput::QuotaOrizzontale)},
        CasoModo{.nome = "QuotaAllineataLontana", .modo = LineaQuota(ModoInput::QuotaAllineata),
                 .prepara = [](Banco& b) {
                     b.PuntiMisurati({0, 0}, {400, 300});
                     b.s().stato.CosQuota = 0.8f;
                     b.s().stato.SinQuota = 0.6f;
                 },
                 // The cursor at (-99000, 99000) lies within the range, the
                 // line's end square to (0, 0) at y = 110880 does not.
                 .eventi = [](Banco& b) { b.Premi(b.Px(-99000), b.Py(99000)); },
                 .modoAtteso = LineaQuota(ModoInput::QuotaAllineata)},
        CasoModo{.nome = "QuotaSpostataLontano", .modo = ModoInput::SpostaQuotaInCorso,
                 .prepara = QuotaMemorizzata,
                 .eventi = [](Banco& b) { b.Premi(b.Px(200), Lontano); },
                 .modoAtteso = ModoInput::SpostaQuotaInCorso},
        // A slab or wall line already lies within the wall's extents.
        CasoModo{.nome = "SolaioLontano", .modo = ModoInput::NuovoSolaio,
                 .eventi = [](Banco& b) { b.Trascina(b.Px(200), Lontano, b.Px(200), Lontano); },
                 .modoAtteso = ModoInput::Inattivo},
        CasoModo{.nome = "PareteLontana", .modo = ModoInput::NuovaParete,
                 .eventi = [](Banco& b) { b.Trascina(Lontano, b.Py(150), Lontano, b.Py(150)); },
                 .modoAtteso = ModoInput::Inattivo},
        CasoModo{.nome = "VerticeDelPerimetro", .modo = ModoInput::Inattivo,
                 .prepara = [](Banco& b) { CaricaEditorPerimetro(b.s(), 0); },
                 .eventi = [](Banco& b) { b.Premi(Lontano, b.Py(150)); },
                 .modoAtteso = ModoInput::Inattivo},
        CasoModo{.nome = "VerticeDelPerimetroSullaGriglia", .modo = ModoInput::Inattivo,
                 .prepara = [](Banco& b) {
                     CaricaEditorPerimetro(b.s(), 0);
                     b.s().stato.SnapGriglia = 1;
                     b.s().imp.PassoGrigliaX = 500;
                     b.s().imp.PassoGrigliaY = 500;
                 },
                 .eventi = [](Banco& b) { b.Premi(Lontano, Lontano); },
                 .modoAtteso = ModoInput::Inattivo}),
    [](const auto& info) { return std::string(info.param.nome); });

// The same clicks within the range are taken, so the rows above fail for the
// range and not for a click that misses.
TEST(PuntoFuoriCampo, TheSameClicksWithinTheRangeAreTaken) {
    {
        Banco b;
        b.s().stato.Modo = ModoInput::SpostaEtichetta;
        b.Trascina(b.Px(200), b.Py(150), b.Px(0), b.Py(0));
        EXPECT_NE(b.s().parete.Posizioni[0].XEtichetta, 200.0f);
    }
    {
        Banco b;
        CaricaEditorPerimetro(b.s(), 0);
        b.Premi(b.Px(-5000), b.Py(150));
        EXPECT_NE(b.s().stato.Text1[0], "0.0");
        EXPECT_NE(b.s().stato.Text1[0].find("-5000"), std::string::npos);
    }
    {
        Banco b;
        b.s().stato.Modo = ModoInput::SpostaPosizione;
        b.Trascina(b.Px(200), b.Py(150), b.Px(200), b.Py(1000));
        EXPECT_EQ(b.s().stato.Modo, ModoInput::ModificaZona);
        EXPECT_GT(b.s().stato.PosCorrente.YMax, 900.0f);
    }
}

}  // namespace
