#include "interaction/FamiglieModi.h"
#include "interaction/StatoMacchina.h"
#include "model/Sessione.h"
#include "BancoModi.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

namespace {

class PortaContata : public PortaTela {
public:
    int Ridisegni = 0;
    void Ridisegna() override { ++Ridisegni; }
    void ImpostaPrompt(const std::string&) override {}
    void InfoNodo(int) override {}
    void RipetiComando(int) override {}
    void MostraDialogoZona() override {}
    void MostraDialogoCordolo() override {}
};

// Sections cut along the wall's directions: the x and y axes.
Parete ConAssi(Parete p) {
    const Parete assi = PareteAssi();
    p.CosDir1 = assi.CosDir1;
    p.SinDir1 = assi.SinDir1;
    p.CosDir2 = assi.CosDir2;
    p.SinDir2 = assi.SinDir2;
    return p;
}

// The machine with the three families plugged in as the window plugs them.
struct MacchinaConModi {
    MacchinaConModi() : banco(ConAssi(PareteRettangolare(300, 200))) {}

    BancoModi banco;
    PortaContata porta;
    ServiziModi servizi = ServiziTela();
    FamiglieModi famiglie{servizi};
    MacchinaTela macchina{ContestoTela{banco.sessione, banco.vista, banco.tela, banco.finestra, porta},
                          famiglie.Esterni()};

    void Clic(int modo, float x, float y) {
        banco.sessione.stato.Modo = modo;
        macchina.Picture1_MouseDown(Pulsante::Sinistro, banco.PxX(x), banco.PxY(y));
        macchina.Picture1_MouseUp(Pulsante::Sinistro, banco.PxX(x), banco.PxY(y));
    }
};

}  // namespace

// A placed section is found by the canvas's own hit test: hovered in 408,
// then deleted after the question.
TEST(FamiglieModi, ASectionIsHoveredAndPickedThroughTheCanvasHitTest) {
    MacchinaConModi m;
    m.Clic(ModoInput::NuovaSezioneOrizzontale, 150, 100);
    ASSERT_EQ(m.banco.sessione.parete.UltSezione, 0);

    m.banco.sessione.stato.Modo = ModoInput::CancellaSezione;
    m.banco.tela.Tratti.clear();
    m.macchina.Picture1_MouseMove(0, m.banco.PxX(150), m.banco.PxY(100));
    EXPECT_FALSE(m.banco.tela.DelloStrato(StratoTela::Transitorio).empty());
    EXPECT_TRUE(m.banco.tela.DelloStrato(StratoTela::Immagine).empty());

    m.banco.finestra.RisposteDomande.push_back(true);
    m.macchina.Picture1_MouseDown(Pulsante::Sinistro, m.banco.PxX(150), m.banco.PxY(100));
    EXPECT_EQ(m.banco.sessione.parete.UltSezione, -1);
    EXPECT_EQ(m.banco.sessione.stato.Modo, ModoInput::Inattivo);
}

// A slab level released beside the wall is dropped: the mode asks for the
// redraw that clears its guide.
TEST(FamiglieModi, ARedrawResultRedrawsThroughTheWindow) {
    MacchinaConModi m;
    m.banco.sessione.stato.Modo = ModoInput::NuovoSolaio;
    m.macchina.Picture1_MouseDown(Pulsante::Sinistro, m.banco.PxX(150), m.banco.PxY(100));
    ASSERT_EQ(m.banco.sessione.stato.Modo, ModoInput::NuovoSolaioInCorso);
    EXPECT_EQ(m.porta.Ridisegni, 0);
    m.macchina.Picture1_MouseUp(Pulsante::Sinistro, m.banco.PxX(150), m.banco.PxY(400));
    EXPECT_EQ(m.porta.Ridisegni, 1);
    EXPECT_EQ(m.banco.sessione.stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(m.banco.sessione.parete.UltSolaio, -1);
}
