#include "interaction/ModiEditorPerimetro.h"

#include "drawing/Evidenzia.h"
#include "interaction/EditorPerimetro.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "SessioneDialoghi.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PortaMuta : public PortaTela {
public:
    int Ridisegni = 0;
    void Ridisegna() override { ++Ridisegni; }
    void ImpostaPrompt(const std::string&) override {}
    void InfoNodo(int) override {}
    void RipetiComando(int) override {}
    void MostraDialogoZona() override {}
    void MostraDialogoCordolo() override {}
};

}  // namespace

TEST(ModiEditorPerimetro, TheMachineSendsIdleClicksAndMovesToTheOpenEditor) {
    CartellaTemporanea cartella;
    Sessione s = SessioneDialoghi(cartella.Percorso().string());  // 300 x 200
    s.imp.PassoGrigliaX = s.imp.PassoGrigliaY = 10;
    Vista vista;
    vista.Scala = 2.0f;
    vista.LarghezzaTela = 800.0f;
    vista.AltezzaTela = 600.0f;
    vista.FinXmax = 400.0f;
    vista.FinYmax = 300.0f;
    TelaRegistrata tela;
    FinestraRegistrata finestra;
    PortaMuta porta;
    ModiEditorPerimetro modi;
    std::vector<EsitoClickVertice> esiti;
    modi.DopoClick = [&](EsitoClickVertice e) { esiti.push_back(e); };
    MacchinaTela macchina({s, vista, tela, finestra, porta}, ModiEsterni{.Editor = &modi});

    macchina.Ctrl_Vid_MouseDown(1, 601, 201);  // vertex 2 at (300, 200)
    EXPECT_EQ(s.stato.ModificaPoligono, 0);     // editor closed: not its click
    EXPECT_TRUE(esiti.empty());

    CaricaEditorPerimetro(s, 0);
    macchina.Ctrl_Vid_MouseDown(1, 601, 201);
    EXPECT_EQ(s.stato.VerticeSelezionato, 2);
    macchina.Ctrl_Vid_MouseUp(1, 601, 201);
    macchina.Ctrl_Vid_MouseDown(1, 101, 401);
    EXPECT_EQ(s.stato.Text1, (std::array<std::string, 2>{"50.5", "99.5"}));
    EXPECT_EQ(esiti, (std::vector<EsitoClickVertice>{EsitoClickVertice::Selezionato,
                                                     EsitoClickVertice::Proposto}));
    EXPECT_EQ(porta.Ridisegni, 2);
    macchina.Ctrl_Vid_MouseUp(1, 101, 401);

    s.stato.SnapGriglia = 1;
    macchina.Ctrl_Vid_MouseMove(0, 101, 401);
    const auto marchi = tela.DelloStrato(StratoTela::Transitorio);
    ASSERT_EQ(marchi.size(), 1u);
    EXPECT_EQ(marchi[0].Colore, ColoreMagenta);
    EXPECT_EQ(marchi[0].Valori, (std::vector<float>{98, 398, 102, 402}));
}
