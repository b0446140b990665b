#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "FinestraRegistrata.h"
#include "SessionePosizioni.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Punti = std::vector<Punto>;

const std::string ListaPiena =
    "Messaggio[Attenzione!|esclamazione] Numero massimo di posizioni (201) raggiunto.\nOperazione annullata.";
const std::vector<std::string> UnaNotifica{"AggiornaDopoModifica"};

// Vertices 0 to UltVerticeZona of row i.
Punti PoligonoPos(const Parete& p, int i) {
    const auto& riga = p.PoligoniPos[i];
    return Punti(riga.begin(), riga.begin() + p.Posizioni[i].UltVerticeZona + 1);
}

// A new "lato +" zone of direction 1 in the edit buffer, to be stored last.
void NuovaZona(Sessione& s, float x1, float y1, float x2, float y2) {
    StatoInterfaccia& st = s.stato;
    st.PosCorrente = ZonaRettangolare(IntegrativaPiu, 0, x1, y1, x2, y2);
    st.PoligonoCorrente = Riquadro(x1, y1, x2, y2);
    st.UltPuntoCorrente = 3;
    st.NuovoElemento = -1;
    st.IndiceCorrente = s.parete.UltPosizione + 1;
}

void RiempiLista(Parete& p, int quante) {
    for (int i = 0; i < quante; ++i)
        AccodaPosizione(p, ZonaRettangolare(IntegrativaMeno, 1, 100, 100, 200, 200), Riquadro(100, 100, 200, 200));
}

}  // namespace

TEST(ConfermaPosizione, TheCopyOnTheOtherFaceIsAppendedLastAfterTheSort) {
    SessionePosizioni f;
    Parete& p = f.S.parete;
    AccodaPosizione(p, ZonaRettangolare(IntegrativaMeno, 0, 20, 20, 120, 120), Riquadro(20, 20, 120, 120));
    AccodaPosizione(p, ZonaRettangolare(IntegrativaPiu, 1, 200, 20, 300, 120), Riquadro(200, 20, 300, 120));
    NuovaZona(f.S, 100, 150, 300, 250);
    f.S.stato.DuplicaOpposto = 1;
    f.S.stato.LatoOpposto = IntegrativaMeno;
    FinestraRegistrata finestra;

    ASSERT_TRUE(ConfermaPosizione(f.S, finestra));

    EXPECT_EQ(finestra.Eventi, UnaNotifica);
    ASSERT_EQ(p.UltPosizione, 3);
    // Sorted: "lato +" direction 1, "lato +" direction 2, "lato -" direction 1; then the copy.
    EXPECT_EQ(p.Posizioni[0].Tipo, IntegrativaPiu);
    EXPECT_EQ(p.Posizioni[0].Direzione, 0);
    EXPECT_EQ(PoligonoPos(p, 0), Riquadro(100, 150, 300, 250));
    EXPECT_EQ(PoligonoPos(p, 1), Riquadro(200, 20, 300, 120));
    EXPECT_EQ(PoligonoPos(p, 2), Riquadro(20, 20, 120, 120));
    PosizioneArm atteso = p.Posizioni[0];
    atteso.Tipo = IntegrativaMeno;
    EXPECT_EQ(p.Posizioni[3], atteso);
    EXPECT_EQ(PoligonoPos(p, 3), Riquadro(100, 150, 300, 250));
    // The stored zone got its label and centroid.
    EXPECT_FLOAT_EQ(p.Posizioni[0].XBaricentro, 200.0f);
    EXPECT_FLOAT_EQ(p.Posizioni[0].YBaricentro, 200.0f);
    EXPECT_EQ(f.S.stato.DuplicaOpposto, 0);
    EXPECT_EQ(f.S.stato.NuovoElemento, 0);
}

TEST(ConfermaPosizione, APositionBeyondTheLimitIsRefusedWholeWithNothingChanged) {
    struct Caso {
        const char* nome;
        int esistenti;
        int duplica;
    };
    const Caso casi[] = {
        {.nome = "a 202nd position", .esistenti = 201, .duplica = 0},
        {.nome = "the 201st with its copy", .esistenti = 200, .duplica = 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SessionePosizioni f;
        RiempiLista(f.S.parete, c.esistenti);
        NuovaZona(f.S, 100, 150, 300, 250);
        f.S.stato.DuplicaOpposto = c.duplica;
        f.S.stato.LatoOpposto = IntegrativaMeno;
        const Parete prima = f.S.parete;
        FinestraRegistrata finestra;

        EXPECT_FALSE(ConfermaPosizione(f.S, finestra));

        EXPECT_EQ(finestra.Eventi, std::vector<std::string>{ListaPiena});
        EXPECT_EQ(f.S.parete, prima);
    }
}

TEST(ConfermaPosizione, TheLastPlacesAreTakenAndAFullListStillEditsInPlace) {
    struct Caso {
        const char* nome;
        int esistenti;
        int indice;  // -1: a new position
        int duplica;
        int ultima;
    };
    const Caso casi[] = {
        {.nome = "the 201st position", .esistenti = 200, .indice = -1, .duplica = 0, .ultima = 200},
        {.nome = "the 200th with its copy", .esistenti = 199, .indice = -1, .duplica = 1, .ultima = 200},
        {.nome = "editing in a full list", .esistenti = 201, .indice = 7, .duplica = 0, .ultima = 200},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SessionePosizioni f;
        RiempiLista(f.S.parete, c.esistenti);
        NuovaZona(f.S, 100, 150, 300, 250);
        if (c.indice >= 0) f.S.stato.IndiceCorrente = c.indice;
        f.S.stato.DuplicaOpposto = c.duplica;
        FinestraRegistrata finestra;

        EXPECT_TRUE(ConfermaPosizione(f.S, finestra));

        EXPECT_EQ(finestra.Eventi, UnaNotifica);
        EXPECT_EQ(f.S.parete.UltPosizione, c.ultima);
    }
}

TEST(ConfermaPosizione, WithoutTransactionStoresRecordByRecord) {
    SessionePosizioni f;
    Parete& p = f.S.parete;
    StatoInterfaccia& st = f.S.stato;

    // As a reader would: each record at the next index.
    NuovaZona(f.S, 20, 20, 120, 120);
    EXPECT_EQ(ConfermaPosizione(p, st), EsitoPosizione::Memorizzata);
    NuovaZona(f.S, 200, 20, 300, 120);
    EXPECT_EQ(ConfermaPosizione(p, st), EsitoPosizione::Memorizzata);
    EXPECT_EQ(p.UltPosizione, 1);

    // An index past the end appends: the list gets no unfilled records.
    NuovaZona(f.S, 200, 150, 300, 250);
    st.IndiceCorrente = 9;
    EXPECT_EQ(ConfermaPosizione(p, st), EsitoPosizione::Memorizzata);
    EXPECT_EQ(p.UltPosizione, 2);
    EXPECT_EQ(PoligonoPos(p, 2), Riquadro(200, 150, 300, 250));

    const Parete prima = p;
    st.IndiceCorrente = -1;
    EXPECT_EQ(ConfermaPosizione(p, st), EsitoPosizione::IndiceNonValido);
    EXPECT_EQ(p, prima);
    EXPECT_EQ(AggiungiPosizioneCorrente(p, st), EsitoPosizione::Nessuna);
    EXPECT_EQ(p, prima);
}

TEST(EliminaPosizione, DeletingTheFirstOfThreeMovesTheOthersDownWithTheirPolygons) {
    SessionePosizioni f;
    Parete& p = f.S.parete;
    const PosizioneArm a = ZonaRettangolare(IntegrativaPiu, 0, 20, 20, 120, 120);
    const PosizioneArm b = ZonaRettangolare(IntegrativaPiu, 1, 200, 20, 300, 120);
    const PosizioneArm c = ZonaRettangolare(IntegrativaMeno, 0, 100, 150, 300, 250);
    AccodaPosizione(p, a, Riquadro(20, 20, 120, 120));
    AccodaPosizione(p, b, {{200, 20}, {200, 120}, {250, 140}, {300, 120}, {300, 20}});
    AccodaPosizione(p, c, Riquadro(100, 150, 300, 250));
    const PosizioneArm secondo = p.Posizioni[1];
    const PosizioneArm terzo = p.Posizioni[2];
    FinestraRegistrata finestra;

    ASSERT_TRUE(EliminaPosizione(f.S, finestra, 0));

    EXPECT_EQ(finestra.Eventi, UnaNotifica);
    EXPECT_EQ(p.UltPosizione, 1);
    EXPECT_EQ(p.Posizioni[0], secondo);
    EXPECT_EQ(p.Posizioni[1], terzo);
    EXPECT_EQ(PoligonoPos(p, 0), (Punti{{200, 20}, {200, 120}, {250, 140}, {300, 120}, {300, 20}}));
    EXPECT_EQ(PoligonoPos(p, 1), Riquadro(100, 150, 300, 250));
}

TEST(EliminaPosizione, AnIndexNamingNoPositionChangesNothing) {
    for (const int i : {-1, 2, 300}) {
        SCOPED_TRACE(i);
        SessionePosizioni f;
        RiempiLista(f.S.parete, 2);
        const Parete prima = f.S.parete;
        FinestraRegistrata finestra;

        EXPECT_FALSE(EliminaPosizione(f.S, finestra, i));

        EXPECT_TRUE(finestra.Eventi.empty());
        EXPECT_EQ(f.S.parete, prima);
    }
}

TEST(TrovaPosizioneNodi, FindsTheFirstRingBeamOnTheSameSide) {
    SessionePosizioni f;
    Parete& p = f.S.parete;
    PosizioneArm zona = ZonaRettangolare(IntegrativaPiu, 0, 20, 20, 120, 120);
    zona.LatoPerimetro = 2;
    zona.PoligonoLato = -1;
    PosizioneArm cordolo = zona;
    cordolo.Tipo = Cordolo;
    PosizioneArm altroLato = cordolo;
    altroLato.LatoPerimetro = 1;
    PosizioneArm foro = cordolo;
    foro.PoligonoLato = 0;
    for (const PosizioneArm& pos : {zona, altroLato, foro, cordolo, cordolo}) AccodaPosizione(p, pos, Riquadro(0, 0, 1, 1));

    struct Caso {
        const char* nome;
        int lato;
        int poligono;
        int atteso;
    };
    const Caso casi[] = {
        {.nome = "outer perimeter side 2", .lato = 2, .poligono = -1, .atteso = 3},
        {.nome = "outer perimeter side 1", .lato = 1, .poligono = -1, .atteso = 1},
        {.nome = "side 2 of opening 0", .lato = 2, .poligono = 0, .atteso = 2},
        {.nome = "no ring beam there", .lato = 3, .poligono = -1, .atteso = -1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        f.S.stato.PosCorrente.LatoPerimetro = c.lato;
        f.S.stato.PosCorrente.PoligonoLato = c.poligono;
        EXPECT_EQ(TrovaPosizioneNodi(p, f.S.stato), c.atteso);
    }
}

TEST(CopiaPosizioneLatoOpposto, CopiesRecordAndPolygonOnTheOtherFace) {
    struct Caso {
        const char* nome;
        int tipo;
        int atteso;
    };
    const Caso casi[] = {
        {.nome = "lato - to lato +", .tipo = IntegrativaMeno, .atteso = IntegrativaPiu},
        {.nome = "lato + to lato -", .tipo = IntegrativaPiu, .atteso = IntegrativaMeno},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SessionePosizioni f;
        Parete& p = f.S.parete;
        PosizioneArm zona = ZonaRettangolare(c.tipo, 1, 20, 20, 120, 120);
        zona.XEtichetta = 77.0f;
        AccodaPosizione(p, zona, {{20, 20}, {20, 120}, {70, 140}, {120, 120}, {120, 20}});
        AccodaPosizione(p, ZonaRettangolare(IntegrativaPiu, 0, 0, 0, 1, 1), Riquadro(0, 0, 1, 1));

        ASSERT_TRUE(CopiaPosizioneLatoOpposto(p, 0, 1));

        PosizioneArm atteso = p.Posizioni[0];
        atteso.Tipo = c.atteso;
        EXPECT_EQ(p.Posizioni[1], atteso);
        EXPECT_EQ(PoligonoPos(p, 1), PoligonoPos(p, 0));
        EXPECT_FALSE(CopiaPosizioneLatoOpposto(p, 0, 2));
        EXPECT_FALSE(CopiaPosizioneLatoOpposto(p, -1, 1));
    }
}
