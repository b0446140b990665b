// A zone drawn on the canvas and moved far away in the zone dialog before
// "Ok": the values that once ended the program (Boost.Geometry threw a
// numeric overflow from the clipping) are refused at "Ok" for their range,
// even when they reach the buffer past the fields' own checks. The clipping's
// own refusal of such a zone is held in the design tests.

#include "drawing/Vista.h"
#include "interaction/FormZonaDati.h"
#include "interaction/StatoMacchina.h"
#include "model/CampoNumerico.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// The window's part: the zone dialog opens on the buffer, takes the values
// the test gives and is closed with "Ok".
struct PortaDialogo : PortaTela {
    Sessione* sessione = nullptr;
    InterfacciaFinestra* finestra = nullptr;
    std::function<void(DatiFormZona&)> Valori;
    void Ridisegna() override {}
    void ImpostaPrompt(const std::string&) override {}
    void InfoNodo(int) override {}
    void RipetiComando(int) override {}
    void MostraDialogoCordolo() override {}
    void MostraDialogoZona() override {
        DatiFormZona dati = ApriFormZona(sessione->stato, sessione->imp);
        Valori(dati);
        OkFormZona(dati, *sessione, *finestra);
    }
};

TEST(ZonaLontana, OkWithAFarValueIsRefusedForItsRangeAndStoresNothing) {
    struct Caso {
        const char* nome;
        std::function<void(DatiFormZona&)> valori;
    };
    const Caso casi[] = {
        {.nome = "X centro 1e20", .valori = [](DatiFormZona& d) { d.XCentro = 1e20f; }},
        {.nome = "Y centro -1e30", .valori = [](DatiFormZona& d) { d.YCentro = -1e30f; }},
        {.nome = "Lunghezza ferri 1e20", .valori = [](DatiFormZona& d) { d.LungFerri = 1e20f; }},
        {.nome = "Larghezza tratto 1e30", .valori = [](DatiFormZona& d) { d.LarghezzaTratto = 1e30f; }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        // The 400 x 300 wall on an 800 x 600 canvas at 2 px per cm.
        SessionePosizioni base;
        Sessione& s = base.S;
        s.stato.StatoVista = 14;  // zone view of "lato +"
        TelaRegistrata tela{800, 600};
        Vista vista = VistaDoppia(tela);
        FinestraRegistrata finestra;
        PortaDialogo porta;
        porta.sessione = &s;
        porta.finestra = &finestra;
        porta.Valori = c.valori;
        MacchinaTela m{ContestoTela{s, vista, tela, finestra, porta}};
        const ProgettoParete prima = s.parete.Progetto();

        s.stato.Modo = ModoInput::NuovaZona;
        m.Picture1_MouseDown(Pulsante::Sinistro, XSchermo(vista, 60), YSchermo(vista, 40));
        m.Picture1_MouseMove(Pulsante::Sinistro, XSchermo(vista, 240), YSchermo(vista, 160));
        EXPECT_NO_THROW(m.Picture1_MouseUp(Pulsante::Sinistro, XSchermo(vista, 240), YSchermo(vista, 160)));

        EXPECT_EQ(finestra.Eventi, std::vector<std::string>{"Messaggio[Attenzione!|esclamazione] " +
                                                           MessaggioFuoriCampo()});
        EXPECT_TRUE(s.parete.Progetto() == prima);
        EXPECT_EQ(s.storia.UltimoAnnulla, 0);
        EXPECT_EQ(s.stato.Modo, ModoInput::Inattivo);
    }
}

}  // namespace
