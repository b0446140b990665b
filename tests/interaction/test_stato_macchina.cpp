#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"
#include "interaction/StatoMacchina.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// The window's part, recorded; the dialogs answer through a script.
class PortaRegistrata : public PortaTela {
public:
    std::vector<std::string> Eventi;
    std::function<void(StatoInterfaccia&)> DialogoZona;
    std::function<void(StatoInterfaccia&)> DialogoCordolo;
    StatoInterfaccia* stato = nullptr;
    int Ridisegni = 0;

    void Ridisegna() override { ++Ridisegni; }
    void ImpostaPrompt(const std::string& testo) override { Eventi.push_back("Prompt " + testo); }
    void InfoNodo(int i) override { Eventi.push_back("InfoNodo " + std::to_string(i)); }
    void RipetiComando(int id) override { Eventi.push_back("Ripeti " + std::to_string(id)); }
    void MostraDialogoZona() override {
        Eventi.push_back("DialogoZona");
        stato->PosAccettata = 0;
        stato->DuplicaOpposto = 0;
        stato->ErroreOperazione = -1;
        if (DialogoZona) DialogoZona(*stato);
    }
    void MostraDialogoCordolo() override {
        Eventi.push_back("DialogoCordolo");
        stato->PosAccettata = 0;
        stato->ErroreOperazione = -1;
        if (DialogoCordolo) DialogoCordolo(*stato);
    }
};

// "Ok" of the dialog with enough bars, optionally with the twin ticked.
std::function<void(StatoInterfaccia&)> Ok(bool gemella = false) {
    return [gemella](StatoInterfaccia& s) {
        s.ErroreOperazione = 0;
        s.Modo = ModoInput::Inattivo;
        s.PosAccettata = 1;
        s.DuplicaOpposto = gemella ? 1 : 0;
    };
}

std::function<void(StatoInterfaccia&)> Annulla() {
    return [](StatoInterfaccia& s) {
        s.ErroreOperazione = -1;
        s.Modo = ModoInput::Inattivo;
    };
}

// The 400 x 300 wall of SessionePosizioni on an 800 x 600 canvas at 2 px per
// cm: model (x, y) is pixel (2x, 600 - 2y).
struct Banco {
    Banco() {
        porta.stato = &s().stato;
        vista.Scala = 2.0f;
        vista.LarghezzaTela = 800.0f;
        vista.AltezzaTela = 600.0f;
        vista.FinXmax = 400.0f;
        vista.FinYmax = 300.0f;
        s().stato.StatoVista = 14;  // zone view of "lato +"
    }
    Sessione& s() { return sp.S; }
    float Px(float x) const { return XSchermo(vista, x); }
    float Py(float y) const { return YSchermo(vista, y); }
    int PassiAnnulla() { return s().storia.UltimoAnnulla; }
    // Drags a new zone between the model points.
    void NuovaZona(float x1, float y1, float x2, float y2) {
        s().stato.Modo = ModoInput::NuovaZona;
        m.Picture1_MouseDown(Pulsante::Sinistro, Px(x1), Py(y1));
        m.Picture1_MouseMove(Pulsante::Sinistro, Px(x2), Py(y2));
        m.Picture1_MouseUp(Pulsante::Sinistro, Px(x2), Py(y2));
    }
    // A stored zone of "lato +" with its label at (ex, ey).
    void Zona(float x1, float y1, float x2, float y2, float ex, float ey, int tipo = 0) {
        PosizioneArm p = ZonaRettangolare(tipo, 0, x1, y1, x2, y2);
        p.XEtichetta = ex;
        p.YEtichetta = ey;
        p.Richiamo = {ex, ey - 7, ex, ey - 40};
        AccodaPosizione(s().parete, p, Riquadro(x1, y1, x2, y2));
    }

    SessionePosizioni sp;
    Vista vista;
    TelaRegistrata tela{800, 600};
    FinestraRegistrata finestra;
    PortaRegistrata porta;
    MacchinaTela m{ContestoTela{sp.S, vista, tela, finestra, porta}};
};

}  // namespace

TEST(MacchinaTela, TrascinaSpostaLaFinestraEFinisceInattiva) {
    Banco b;
    AvviaTrascina(b.s().stato.Modo, b.s().stato.ModoPrec);
    b.m.Picture1_MouseDown(Pulsante::Sinistro, 100, 100);
    b.m.Picture1_MouseMove(Pulsante::Sinistro, 140, 120);
    b.m.Picture1_MouseUp(Pulsante::Sinistro, 140, 120);
    EXPECT_FLOAT_EQ(b.vista.FinXmin, -20.0f);
    EXPECT_FLOAT_EQ(b.vista.FinXmax, 380.0f);
    EXPECT_FLOAT_EQ(b.vista.FinYmin, 10.0f);
    EXPECT_FLOAT_EQ(b.vista.FinYmax, 310.0f);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::Inattivo);
}

TEST(MacchinaTela, PanCentraleDuranteUnBoxLoConserva) {
    Banco b;
    b.s().stato.Modo = ModoInput::CopiaPosizione;
    AvviaZoomFinestra(b.vista, b.s().stato.Modo, b.s().stato.ModoPrec);
    b.m.Picture1_MouseDown(Pulsante::Sinistro, 100, 100);  // first corner
    b.m.Picture1_MouseMove(0, 150, 150);
    EXPECT_FALSE(b.tela.DelloStrato(StratoTela::Transitorio).empty());
    b.m.Picture1_MouseDown(Pulsante::Centrale, 300, 300);
    b.m.Picture1_MouseMove(Pulsante::Centrale, 310, 300);
    b.m.Picture1_MouseUp(Pulsante::Centrale, 310, 300);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::ZoomSecondoAngolo);
    EXPECT_EQ(b.vista.BoxX1, 100);
    EXPECT_EQ(b.vista.BoxY1, 100);
    b.m.Picture1_MouseDown(Pulsante::Sinistro, 300, 250);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::CopiaPosizione);
    EXPECT_TRUE(b.tela.DelloStrato(StratoTela::Transitorio).empty());
    EXPECT_LT(b.vista.FinXmax - b.vista.FinXmin, 200.0f);
}

TEST(MacchinaTela, BoxDi10PixelIgnorato) {
    Banco b;
    AvviaZoomFinestra(b.vista, b.s().stato.Modo, b.s().stato.ModoPrec);
    b.m.Picture1_MouseDown(Pulsante::Sinistro, 100, 100);
    b.m.Picture1_MouseDown(Pulsante::Sinistro, 110, 300);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::ZoomSecondoAngolo);
    EXPECT_FLOAT_EQ(b.vista.FinXmax, 400.0f);
}

TEST(MacchinaTela, InfoNodiPrendeIlNodoIlCentralePanoramica) {
    Banco b;
    b.s().stato.InfoNodiAttivo = 1;
    b.s().stato.Modo = ModoInput::NuovaZona;
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(75), b.Py(25));
    EXPECT_EQ(b.porta.Eventi, (std::vector<std::string>{"InfoNodo 1"}));
    EXPECT_EQ(b.s().stato.Modo, ModoInput::NuovaZona);
    b.m.Picture1_MouseDown(Pulsante::Centrale, 10, 10);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::TrascinaCentrale);
}

TEST(MacchinaTela, PulsanteDestro) {
    Banco b;
    b.s().stato.Modo = ModoInput::QuotaOrizzontale + 1;
    b.m.Picture1_MouseDown(Pulsante::Destro, 10, 10);
    EXPECT_TRUE(b.porta.Eventi.empty());  // no repeatable command yet
    b.s().stato.UltimoComando = 77;
    b.m.Picture1_MouseDown(Pulsante::Destro, 10, 10);
    EXPECT_EQ(b.porta.Eventi, (std::vector<std::string>{"Ripeti 77"}));

    // In 200 it closes the zone even without a command.
    Banco z;
    z.NuovaZona(60, 60, 160, 160);  // "Modifica perimetro" then
    ASSERT_EQ(z.porta.Eventi.back(), "DialogoZona");
    z.s().stato.UltimoComando = 0;
    z.s().stato.Modo = ModoInput::ModificaZona;
    z.porta.DialogoZona = Ok();
    z.m.Picture1_MouseDown(Pulsante::Destro, 10, 10);
    EXPECT_EQ(z.s().parete.UltPosizione, 0);
    EXPECT_EQ(z.PassiAnnulla(), 1);
}

TEST(MacchinaTela, RotellaDentroEFuori) {
    Banco b;
    b.m.Picture1_MouseMove(0, b.Px(100), b.Py(100));
    b.m.Rotella(60);
    EXPECT_FLOAT_EQ(b.vista.FinXmax, 400.0f);  // half a notch: nothing yet
    b.m.Rotella(60);
    b.m.Rotella(-120);
    EXPECT_NEAR(b.vista.FinXmax - b.vista.FinXmin, 400.0f * 0.99f, 1e-3);
    EXPECT_NEAR(b.vista.FinYmax - b.vista.FinYmin, 300.0f * 0.99f, 1e-3);

    Banco c;
    c.vista.FinXmin = 10;
    c.vista.FinXmax = 15;
    c.vista.FinPrecXmin = -50;
    c.m.MouseWheel(120);
    EXPECT_FLOAT_EQ(c.vista.FinXmax, 15.0f);
    EXPECT_FLOAT_EQ(c.vista.FinPrecXmin, 10.0f);
    EXPECT_EQ(c.porta.Ridisegni, 0);

    Banco vuota;  // no window at all: nothing
    vuota.vista.FinXmax = vuota.vista.FinXmin = 0;
    vuota.m.MouseWheel(-120);
    EXPECT_FLOAT_EQ(vuota.vista.FinXmax, 0.0f);
}

// A notch out 5 % short of the widest window takes only that 5 %, the point
// under the cursor keeping its place; the next notch changes nothing, asks no
// redraw and leaves the previous view the current one, as a refused zoom in.
TEST(MacchinaTela, RotellaFuoriSiFermaAlLimite) {
    Banco b;
    const float limite = CampataMassimaZoom(b.s().parete.Estensione);
    b.vista.FinXmax = limite / 1.05f;
    b.vista.FinYmax = 0.75f * b.vista.FinXmax;
    b.vista.Scala = 800.0f / b.vista.FinXmax;
    b.m.Picture1_MouseMove(0, 200.0f, 300.0f);  // a quarter across, half way up
    const float x = b.s().stato.XMouse, y = b.s().stato.YMouse;
    b.m.MouseWheel(-120);
    const float larghezza = b.vista.FinXmax - b.vista.FinXmin;
    EXPECT_NEAR(larghezza, limite, 1e-5f * limite);
    EXPECT_NEAR(b.vista.FinYmax - b.vista.FinYmin, 0.75f * limite, 1e-5f * limite);
    EXPECT_NEAR((x - b.vista.FinXmin) / larghezza, 0.25f, 1e-5f);
    EXPECT_NEAR((y - b.vista.FinYmin) / (b.vista.FinYmax - b.vista.FinYmin), 0.5f, 1e-5f);
    EXPECT_EQ(b.porta.Ridisegni, 1);

    const Vista prima = b.vista;
    b.m.MouseWheel(-120);
    EXPECT_EQ(b.vista.FinXmin, prima.FinXmin);
    EXPECT_EQ(b.vista.FinXmax, prima.FinXmax);
    EXPECT_EQ(b.vista.FinYmin, prima.FinYmin);
    EXPECT_EQ(b.vista.FinYmax, prima.FinYmax);
    EXPECT_EQ(b.vista.Scala, prima.Scala);
    EXPECT_EQ(b.vista.FinPrecXmin, prima.FinXmin);
    EXPECT_EQ(b.vista.FinPrecYmax, prima.FinYmax);
    EXPECT_EQ(b.porta.Ridisegni, 1);
}

TEST(MacchinaTela, NuovaZona) {
    struct Caso {
        const char* nome;
        float x2, y2;
        std::function<void(StatoInterfaccia&)> dialogo;
        std::string messaggio;
        int posizioni, passi, modo;
    } casi[] = {
        {"too small", 70, 70, Ok(), "Rettangolo troppo piccolo, input non valido.", 0, 0, 0},
        {"no node", 70, 70, Ok(), "La selezione deve contenere almeno un nodo", 0, 0, 0},
        {"Annulla", 160, 160, Annulla(), "", 0, 0, 0},
        {"close box ends the action", 160, 160, nullptr, "", 0, 0, 0},
        {"Ok", 160, 160, Ok(), "", 1, 1, 0},
        {"Ok with the twin", 160, 160, Ok(true), "", 2, 1, 0},
    };
    for (const Caso& c : casi) {
        Banco b;
        b.porta.DialogoZona = c.dialogo;
        const float x1 = std::string(c.nome) == "no node" ? 30 : 60;
        b.NuovaZona(x1, x1, c.x2, c.y2);
        const auto m = b.finestra.Messaggi();
        if (c.messaggio.empty())
            EXPECT_TRUE(m.empty()) << c.nome;
        else
            EXPECT_EQ(m, std::vector<std::string>{c.messaggio}) << c.nome;
        EXPECT_EQ(b.s().parete.UltPosizione + 1, c.posizioni) << c.nome;
        EXPECT_EQ(b.PassiAnnulla(), c.passi) << c.nome;
        EXPECT_EQ(b.s().stato.Modo, c.modo) << c.nome;
        if (c.posizioni == 2) {
            EXPECT_NE(b.s().parete.Posizioni[0].Tipo, b.s().parete.Posizioni[1].Tipo) << c.nome;
        }
    }
}

TEST(MacchinaTela, GemellaDopoModificaPerimetro) {
    Banco b;
    b.porta.DialogoZona = [&b](StatoInterfaccia& s) {
        s.ErroreOperazione = -1;
        s.Modo = ModoInput::ModificaZona;
        s.NuovoElemento = 1;
        b.porta.DialogoZona = Ok(true);
    };
    b.NuovaZona(60, 60, 160, 160);
    EXPECT_EQ(b.s().parete.UltPosizione, -1);
    b.m.TastoInvio();
    EXPECT_EQ(b.s().parete.UltPosizione, 1);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(MacchinaTela, ManiglieDellaZona) {
    Banco b;
    auto& st = b.s().stato;
    st.PosCorrente = ZonaRettangolare(0, 0, 100, 100, 200, 200);
    st.Modo = ModoInput::ModificaZona;
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(150) + 30, b.Py(150));
    EXPECT_EQ(st.Modo, ModoInput::ModificaZona);  // beside every grip
    // Centre grip: the first move puts the centre on the cursor.
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(150) + 3, b.Py(150));
    EXPECT_EQ(st.Modo, ModoInput::TrascinaZona);
    b.m.Picture1_MouseMove(Pulsante::Sinistro, b.Px(250), b.Py(150));
    EXPECT_FLOAT_EQ(st.XMedio, b.Px(250));
    EXPECT_FLOAT_EQ((st.XA + st.XB) / 2, b.Px(250));
    b.m.Picture1_MouseUp(Pulsante::Sinistro, b.Px(250), b.Py(150));
    EXPECT_EQ(st.Modo, ModoInput::ModificaZona);
    // Corner grip: its opposite corner stays.
    const Punto opposto = st.PosCorrente.Vertici[2];
    const Punto angolo = st.PosCorrente.Vertici[0];
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(angolo.X), b.Py(angolo.Y));
    EXPECT_EQ(st.Modo, ModoInput::TrascinaAngoloZona);
    b.m.Picture1_MouseUp(Pulsante::Sinistro, b.Px(angolo.X - 40), b.Py(angolo.Y - 40));
    bool trovato = false;
    for (const Punto& p : st.PosCorrente.Vertici)
        trovato |= std::abs(p.X - opposto.X) < 5.1f && std::abs(p.Y - opposto.Y) < 5.1f;
    EXPECT_TRUE(trovato);
}

TEST(MacchinaTela, CopiaAccodaSpostaSostituisce) {
    for (const int modo : {ModoInput::CopiaPosizione, ModoInput::SpostaPosizione}) {
        Banco b;
        b.Zona(60, 60, 160, 160, 110, 110);
        const PosizioneArm prima = b.s().parete.Posizioni[0];
        b.porta.DialogoZona = Ok();
        b.s().stato.Modo = modo;
        b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(110), b.Py(110));
        EXPECT_EQ(b.s().stato.Modo, ModoInput::TrascinaZona);
        EXPECT_EQ(b.PassiAnnulla(), 0);
        b.m.Picture1_MouseMove(Pulsante::Sinistro, b.Px(260), b.Py(160));
        b.m.Picture1_MouseUp(Pulsante::Sinistro, b.Px(260), b.Py(160));
        b.m.Picture1_MouseDown(Pulsante::Destro, 0, 0);
        const Parete& p = b.s().parete;
        EXPECT_EQ(b.PassiAnnulla(), 1) << modo;
        if (modo == ModoInput::CopiaPosizione) {
            ASSERT_EQ(p.UltPosizione, 1);
            EXPECT_TRUE(p.Posizioni[0] == prima || p.Posizioni[1] == prima);
        } else {
            ASSERT_EQ(p.UltPosizione, 0);
            EXPECT_GT(p.Posizioni[0].XMin, 150.0f);
        }
    }
}

TEST(MacchinaTela, CopiaSulLatoOppostoInverteIlTipo) {
    Banco b;
    b.Zona(60, 60, 160, 160, 110, 110);
    b.porta.DialogoZona = Ok();
    b.s().stato.Modo = ModoInput::CopiaLatoOpposto;
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(110), b.Py(110));
    ASSERT_EQ(b.s().parete.UltPosizione, 1);
    EXPECT_EQ(b.s().parete.Posizioni[0].Tipo + b.s().parete.Posizioni[1].Tipo, 1);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(MacchinaTela, CancellaRispondendoNo) {
    Banco b;
    b.Zona(20, 20, 60, 60, 40, 40);
    b.Zona(60, 60, 100, 100, 80, 80);
    b.Zona(110, 110, 160, 160, 130, 130);
    b.s().stato.Modo = ModoInput::CancellaPosizione;
    b.finestra.RisposteDomande = {false};
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(130), b.Py(130));
    EXPECT_NE(std::find(b.finestra.Eventi.begin(), b.finestra.Eventi.end(),
                        "Domanda[Attenzione!|domanda] Vuoi cancellare la pos. n. 3 ? -> No"),
              b.finestra.Eventi.end());
    EXPECT_EQ(b.s().parete.UltPosizione, 2);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(b.PassiAnnulla(), 0);
}

TEST(MacchinaTela, TrascinaEtichettaSpostaSoloIlCentro) {
    Banco b;
    b.Zona(60, 60, 160, 160, 110, 110);
    const auto richiamo = b.s().parete.Posizioni[0].Richiamo;
    b.s().stato.Modo = ModoInput::SpostaEtichetta;
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(110), b.Py(110));
    b.m.Picture1_MouseMove(Pulsante::Sinistro, b.Px(200), b.Py(250));
    b.m.Picture1_MouseUp(Pulsante::Sinistro, b.Px(200), b.Py(250));
    const PosizioneArm& p = b.s().parete.Posizioni[0];
    EXPECT_FLOAT_EQ(p.XEtichetta, 200.0f);
    EXPECT_FLOAT_EQ(p.YEtichetta, 250.0f);
    EXPECT_EQ(p.Richiamo, richiamo);
    EXPECT_EQ(b.s().stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(MacchinaTela, DoppioClicSullEtichettaDiUnCordolo) {
    Banco b;
    b.Zona(60, 60, 160, 160, 110, 110, Cordolo);
    b.s().parete.Posizioni[0].Direzione = 1;
    b.m.Picture1_MouseDown(Pulsante::Sinistro, b.Px(110), b.Py(110));
    b.m.Picture1_DblClick();
    EXPECT_EQ(b.s().stato.LatoAttivo, 2);
    EXPECT_EQ(b.s().stato.DirezioneAttiva, 1);
    EXPECT_EQ(b.porta.Eventi.back(), "DialogoCordolo");
    EXPECT_EQ(b.s().stato.Modo, ModoInput::PosizioneAperta);
    EXPECT_EQ(b.PassiAnnulla(), 0);
}
