// The bill length of a zone, LungTotale, against the bars the zone draws,
// each developed as the drawings show it: its straight length in whole cm,
// an end leg where it reaches the edge of the wall (a proper crossing of its
// line with the reinforcement contour), none where it stops at an opening or
// inside the wall.

#include "design/GeometriaZona.h"
#include "design/LeggiParete.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/ListaPosizioniSelezione.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "PareteGenerata.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum class Muro { Generato300, Esempio };

struct Caso {
    const char* nome;
    Muro muro;
    int lato;       // 0 "lato +", 1 "lato -"
    int direzione;  // 0 direction 1, 1 direction 2
    int diametro;
    float passo;  // set before the confirmation
    float x1, y1, x2, y2;
    float lungTotale;
    float spessore = 0;  // cm; 0 keeps the wall's 30
};

// Both walls: reinforcement contour (3,3) (3,397) (497,397) (497,247)
// (797,247) (797,3), openings enlarged to 97..223 x 117..263 and
// 597..703 x 57..183; 30 cm thick, cover 3, 10 mm distributed bars: an end
// leg of 30 - 6 - 2 = 22 cm.
const Caso casi[] = {
    // Vertical bars on x = 797, 767, ..., 497, from y = 3 up to the zone's
    // top at 192; those on x = 677, 647, 617 stop at the opening (57 and 183).
    // Each gets a leg at y = 3, except the one on x = 497: that line runs
    // along the contour's side at the re-entrant corner and crosses the
    // contour properly only once, so it reaches no edge.
    //   7 x (189 + 22)        = 1477
    //   3 x (54 + 22 + 9)     =  255
    //   x = 497: 189          =  189   -> 1921
    {.nome = "generated wall, band across an opening, lato +, direction 1",
     .muro = Muro::Generato300, .lato = 0, .direzione = 0, .diametro = 16, .passo = 30,
     .x1 = 477, .y1 = 79, .x2 = 837.5, .y2 = 110.5, .lungTotale = 1921},
    {.nome = "sample wall, bars stopping at the re-entrant corner, lato +, direction 1",
     .muro = Muro::Esempio, .lato = 0, .direzione = 0, .diametro = 10, .passo = 100,
     .x1 = 871.5, .y1 = 254.5, .x2 = 444.5, .y2 = 36, .lungTotale = 1040},
    // As the first row, zone top at 186.5 and one more line, x = 467, whose
    // line crosses the contour properly at 3 and 397. Each bar's straight
    // length is rounded on its own: 183.5 -> 184, 3.5 -> 4.
    //   8 x (184 + 22)        = 1648
    //   3 x (54 + 22 + 4)     =  240
    //   x = 497: 184          =  184   -> 2072
    {.nome = "sample wall, band across an opening, lato -, direction 1",
     .muro = Muro::Esempio, .lato = 1, .direzione = 0, .diametro = 16, .passo = 30,
     .x1 = 445.5, .y1 = 64, .x2 = 814, .y2 = 103.5, .lungTotale = 2072},
    // Widened along the bars and cut by the contour's side x = 497: bars on
    // y = 280, 300, 320 from x = 240, inside the wall (no leg), to 497,
    // where the line properly crosses the contour (a leg).
    //   3 x (257 + 22)        =  837
    {.nome = "sample wall, horizontal bars to the re-entrant side, lato -, direction 2",
     .muro = Muro::Esempio, .lato = 1, .direzione = 1, .diametro = 12, .passo = 20,
     .x1 = 300, .y1 = 280, .x2 = 450, .y2 = 340, .lungTotale = 837},
    // The first row in a wall 150 cm thick: the clear depth 150 - 6 - 2 =
    // 142 exceeds the anchorage length of 16 mm bars, 83 cm, so each leg is
    // 83 as the sheet draws it (counting the depth gave 3121).
    //   7 x (189 + 83)        = 1904
    //   3 x (54 + 83 + 9)     =  438
    //   x = 497: 189          =  189   -> 2531
    {.nome = "thick wall, legs capped at the anchorage length as the sheet draws them",
     .muro = Muro::Generato300, .lato = 0, .direzione = 0, .diametro = 16, .passo = 30,
     .x1 = 477, .y1 = 79, .x2 = 837.5, .y2 = 110.5, .lungTotale = 2531, .spessore = 150},
};

void Leggi(Sessione& s, Muro muro, const CartellaTemporanea& cartella) {
    if (muro == Muro::Generato300) {
        LeggiPareteGenerata(s, cartella.Percorso(), 300);
        return;
    }
    FinestraRegistrata finestra;
    const Esito esito = LeggiParete(s, PercorsoEsempio("PARETE_ESEMPIO.SET"), finestra);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
}

// A zone picked on the canvas and confirmed with its reinforcement tail.
void NuovaZona(Sessione& s, const Caso& c) {
    FinestraRegistrata finestra;
    StatoInterfaccia& st = s.stato;
    st.LatoAttivo = c.lato;
    st.DirezioneAttiva = c.direzione;
    st.TipoMappa = 5 + 2 * c.direzione + c.lato;
    st.Modo = ModoInput::NuovaZonaInCorso;
    st.NuovoElemento = -1;
    st.DuplicaOpposto = 0;
    s.parete.DiamIntegrativa = c.diametro;
    st.PosCorrente.Diametro = c.diametro;
    ImpostaZonaDaPunti(st, s.parete, s.imp, c.x1, c.y1, c.x2, c.y2);
    ASSERT_TRUE(CreaPosizioneDaSelezione(s, finestra, OrigineZona::Nuova, st.Modo));
    st.PosCorrente.Passo = c.passo;
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    ASSERT_TRUE(ConfermaPosizione(s, finestra));
}

}  // namespace

TEST(ComputoZona, BillCountsExactlyTheDrawnBars) {
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea cartella;
        Sessione s;
        ASSERT_NO_FATAL_FAILURE(Leggi(s, c.muro, cartella));
        if (c.spessore > 0) s.parete.SpessoreParete = c.spessore;
        ASSERT_NO_FATAL_FAILURE(NuovaZona(s, c));
        ASSERT_EQ(s.parete.UltPosizione, 0);
        EXPECT_EQ(s.parete.Posizioni[0].LungTotale, c.lungTotale);
    }
}
