#include "drawing/Palette.h"
#include "drawing/Vista.h"
#include "interaction/ListaPosizioniCopia.h"
#include "FinestraRegistrata.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string Domanda = "Domanda[Copia|nessuna] Vuoi copiare le armature selezionate sul lato opposto?";

// One pixel per cm, model origin at the bottom-left corner of a 600 pixel high
// canvas: pixel x = x, pixel y = 600 - y.
Vista VistaProva(int x1, int y1, int x2, int y2) {
    Vista v;
    v.Scala = 1.0f;
    v.AltezzaTela = 600.0f;
    v.LarghezzaTela = 800.0f;
    v.BoxX1 = x1;
    v.BoxY1 = y1;
    v.BoxX2 = x2;
    v.BoxY2 = y2;
    return v;
}

// "lato -" direction 2 (the layer shown) at centroids x = 50, 100, 150, 250
// and y = 100, one of another layer and a ring beam inside the box.
struct Posizioni {
    SessionePosizioni f;
    Posizioni() {
        Parete& p = f.S.parete;
        for (const float x : {50.0f, 100.0f, 150.0f, 250.0f})
            AccodaPosizione(p, ZonaRettangolare(IntegrativaMeno, 1, x - 20, 80, x + 20, 120), Riquadro(x - 20, 80, x + 20, 120));
        AccodaPosizione(p, ZonaRettangolare(IntegrativaPiu, 1, 130, 80, 170, 120), Riquadro(130, 80, 170, 120));
        AccodaPosizione(p, ZonaRettangolare(Cordolo, 1, 130, 80, 170, 120), Riquadro(130, 80, 170, 120));
        f.S.stato.StatoVista = 8;
        f.S.stato.LatoAttivo = IntegrativaMeno;
        f.S.stato.DirezioneAttiva = 1;
    }
};

// Box x 50..200 (exclusive), y 100 at pixel 500: the zones at 100 and 150.
const Vista Scatola = VistaProva(50, 450, 200, 550);

}  // namespace

TEST(CopiaLatoOpposto, MarksTheZonesStrictlyInsideAndAnswerNoChangesNothing) {
    Posizioni c;
    const Parete prima = c.f.S.parete;
    FinestraRegistrata finestra;
    TelaRegistrata tela;

    CopiaLatoOpposto(c.f.S, finestra, Scatola, tela);

    EXPECT_EQ(finestra.Eventi, std::vector<std::string>{Domanda + " -> No"});
    EXPECT_EQ(c.f.S.parete, prima);
    const std::vector<TrattoTela> cerchi = tela.DiTipo("Cerchio");
    ASSERT_EQ(cerchi.size(), 2u);  // not the zone on the box edge, the other layer or the ring beam
    for (size_t i = 0; i < cerchi.size(); ++i) {
        EXPECT_EQ(cerchi[i].Valori, (std::vector<float>{100.0f + 50.0f * i, 500.0f, 20.0f}));
        EXPECT_EQ(cerchi[i].Colore, ColoreBase(14));
        EXPECT_EQ(cerchi[i].Spessore, 2);
        EXPECT_EQ(cerchi[i].Strato, StratoTela::Immagine);
    }
}

TEST(CopiaLatoOpposto, YesAppendsTheCopiesOnTheOtherFaceAsOneChange) {
    Posizioni c;
    Parete& p = c.f.S.parete;
    FinestraRegistrata finestra;
    finestra.RisposteDomande = {true};
    TelaRegistrata tela;

    CopiaLatoOpposto(c.f.S, finestra, Scatola, tela);

    EXPECT_EQ(finestra.Eventi, (std::vector<std::string>{Domanda + " -> Si", "AggiornaDopoModifica"}));
    ASSERT_EQ(p.UltPosizione, 7);
    for (const auto& [copia, originale] : {std::pair{6, 1}, std::pair{7, 2}}) {
        PosizioneArm atteso = p.Posizioni[originale];
        atteso.Tipo = IntegrativaPiu;
        EXPECT_EQ(p.Posizioni[copia], atteso);
        EXPECT_EQ(p.PoligoniPos[copia], p.PoligoniPos[originale]);
    }
}

TEST(CopiaLatoOpposto, NothingOutsideTheZoneLayoutViewsOrOutsideTheBox) {
    struct Caso {
        const char* nome;
        int statoVista;
        Vista vista;
    };
    const Caso casi[] = {
        {.nome = "distributed reinforcement view", .statoVista = 1, .vista = Scatola},
        {.nome = "zones view", .statoVista = 14, .vista = Scatola},
        {.nome = "empty box", .statoVista = 8, .vista = VistaProva(300, 400, 400, 450)},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        Posizioni c;
        c.f.S.stato.StatoVista = k.statoVista;
        const Parete prima = c.f.S.parete;
        FinestraRegistrata finestra;
        finestra.RisposteDomande = {true};
        TelaRegistrata tela;

        CopiaLatoOpposto(c.f.S, finestra, k.vista, tela);

        EXPECT_TRUE(finestra.Eventi.empty());
        EXPECT_TRUE(tela.Tratti.empty());
        EXPECT_EQ(c.f.S.parete, prima);
    }
}

TEST(CopiaLatoOpposto, ASelectionTheListCannotTakeIsRefusedBeforeMarkingOrAsking) {
    Posizioni c;
    Parete& p = c.f.S.parete;
    while (p.UltPosizione < 199) AccodaPosizione(p, ZonaRettangolare(IntegrativaPiu, 0, 300, 200, 350, 250), Riquadro(300, 200, 350, 250));
    const Parete prima = p;
    FinestraRegistrata finestra;
    finestra.RisposteDomande = {true};
    TelaRegistrata tela;

    CopiaLatoOpposto(c.f.S, finestra, Scatola, tela);

    EXPECT_EQ(finestra.Eventi, std::vector<std::string>{
                                   "Messaggio[Attenzione!|esclamazione] Numero massimo di posizioni (201) raggiunto.\n"
                                   "Operazione annullata."});
    EXPECT_TRUE(tela.Tratti.empty());
    EXPECT_EQ(p, prima);
}
