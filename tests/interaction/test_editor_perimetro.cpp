#include "interaction/ClickVertice.h"
#include "interaction/EditorPerimetro.h"

#include "design/Modifica.h"
#include "drawing/Evidenzia.h"
#include "model/CampoNumerico.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "PareteDiProva.h"
#include "SessioneDialoghi.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// 2 px per cm, origin at the bottom-left corner of a 800 x 600 canvas.
Vista VistaProva(float xmin = 0, float ymin = 0, float scala = 2, float larghezza = 800,
                 float altezza = 600) {
    Vista v;
    v.Scala = scala;
    v.AltezzaTela = altezza;
    v.LarghezzaTela = larghezza;
    v.FinXmin = xmin;
    v.FinYmin = ymin;
    v.FinXmax = xmin + larghezza / scala;
    v.FinYmax = ymin + altezza / scala;
    return v;
}

struct NodoGriglia {
    float X, Y;
    bool operator==(const NodoGriglia&) const = default;
};

// The documented full loop over the whole grid of the window.
std::optional<NodoGriglia> NodoCompleto(const Impostazioni& imp, const Vista& v, float x, float y) {
    const auto inizio = [](float bordo, int passo) {
        return static_cast<long long>(std::nearbyint(bordo)) / passo * passo;
    };
    for (long long gx = inizio(v.FinXmin, imp.PassoGrigliaX);
         gx <= inizio(v.FinXmax, imp.PassoGrigliaX); gx += imp.PassoGrigliaX)
        for (long long gy = inizio(v.FinYmin, imp.PassoGrigliaY);
             gy <= inizio(v.FinYmax, imp.PassoGrigliaY); gy += imp.PassoGrigliaY) {
            const float sx = XSchermo(v, static_cast<float>(gx));
            const float sy = YSchermo(v, static_cast<float>(gy));
            if (std::fabs(x - sx) < 4 && std::fabs(y - sy) < 4) return NodoGriglia{sx, sy};
        }
    return std::nullopt;
}

class EditorPerimetroTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.imp.PassoGrigliaX = s.imp.PassoGrigliaY = 10;
        CaricaEditorPerimetro(s, 0);
    }
    CartellaTemporanea cartella;
    Sessione s = SessioneDialoghi(cartella.Percorso().string());  // 300 x 200
    FinestraRegistrata finestra;
    TelaRegistrata tela;
    Vista vista = VistaProva();
};

}  // namespace

TEST_F(EditorPerimetroTest, OpeningListsThePerimeterWithoutItsClosingRepeat) {
    const StatoInterfaccia& st = s.stato;
    EXPECT_EQ(st.ModificaPoligono, 1);
    EXPECT_EQ(TitoloEditorPerimetro(0), "Perimetro esterno");
    EXPECT_EQ(TitoloEditorPerimetro(1), "Perimetro interno");
    const std::vector<std::string> righe = RigheVertici(st);
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[0], "  1 - X = 0.0    Y = 0.0");
    EXPECT_EQ(st.VerticeSelezionato, 0);
    EXPECT_EQ(st.Text1, (std::array<std::string, 2>{"0.0", "0.0"}));
    EXPECT_EQ(EtichettaVertice(0), "Vertice  1:");
    EXPECT_EQ(EtichettaVertice(9), "Vertice  10:");
    EXPECT_EQ(st.Modo, ModoInput::Inattivo);
}

TEST_F(EditorPerimetroTest, LinesFromTheTenthVertexLoseTheirLeadingBlank) {
    s.parete.PerimetroInterno.clear();
    for (int i = 0; i < 10; ++i) s.parete.PerimetroInterno.push_back({12.25f * i, -3.0f});
    s.parete.PerimetroInterno.push_back(s.parete.PerimetroInterno[0]);
    s.parete.NumPuntiInt = 10;
    CaricaEditorPerimetro(s, 1);
    const std::vector<std::string> righe = RigheVertici(s.stato);
    ASSERT_EQ(righe.size(), 10u);
    EXPECT_EQ(righe[8], "  9 - X = 98.0    Y = -3.0");
    EXPECT_EQ(righe[9], " 10 - X = 110.3    Y = -3.0");
}

TEST_F(EditorPerimetroTest, EqualPointsShareAPoolEntryYetMoveApart) {
    StatoInterfaccia& st = s.stato;
    const int prima = static_cast<int>(st.PoolVertici.size());
    EXPECT_EQ(AggiungiVertice(st, {300.00005f, 200.0f}), AggiungiVertice(st, {300, 200}));
    EXPECT_EQ(static_cast<int>(st.PoolVertici.size()), prima);
    EXPECT_EQ(AggiungiVertice(st, {300.001f, 200.0f}), prima);

    // Vertices 0 and 1 at one point: moving 1 leaves 0 where it was.
    st.OrdineVertici[1] = st.OrdineVertici[0];
    SelezionaVertice(st, 1);
    st.Text1 = {"12,5", " 7"};
    ASSERT_TRUE(AssegnaCoordinate(st, finestra));
    EXPECT_EQ(PuntoVertice(st, 1), (Punto{12.5f, 7.0f}));
    EXPECT_EQ(PuntoVertice(st, 0), (Punto{0, 0}));
    EXPECT_EQ(st.Text1, (std::array<std::string, 2>{"12.5", "7.0"}));
}

TEST_F(EditorPerimetroTest, ABoxWithoutANumberIsRefused) {
    StatoInterfaccia& st = s.stato;
    SelezionaVertice(st, 2);
    const std::vector<int> ordine = st.OrdineVertici;
    st.Text1 = {"abc", "5"};
    EXPECT_FALSE(AssegnaCoordinate(st, finestra));
    EXPECT_EQ(st.OrdineVertici, ordine);
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{
                  "Messaggio[Attenzione!|esclamazione] Coordinate non valide.\nOperazione annullata."}));
    st.Text1 = {"0", "-,5"};  // zero is a number
    EXPECT_TRUE(AssegnaCoordinate(st, finestra));
    EXPECT_EQ(PuntoVertice(st, 2), (Punto{0, -0.5f}));
}

// A coordinate is kept as the reinforcement file keeps the perimeter (one
// decimal) and within the range; past it the editor says why and shows the
// vertex again. 1e9 took 8 s to apply, 1e12 never ended.
TEST_F(EditorPerimetroTest, ACoordinateIsKeptAsTheFileKeepsItAndWithinTheRange) {
    struct Caso {
        const char* nome;
        const char* x;
        const char* y;
        std::optional<Punto> spostato;  // nothing: refused
    };
    const Caso casi[] = {
        {.nome = "x 1e9", .x = "1e9", .y = "5", .spostato = std::nullopt},
        {.nome = "x 1e12", .x = "1e12", .y = "5", .spostato = std::nullopt},
        {.nome = "y past the range", .x = "5", .y = "-100000.1", .spostato = std::nullopt},
        {.nome = "both at the range", .x = "100000", .y = "-100000", .spostato = Punto{100000, -100000}},
        {.nome = "two decimals kept as one", .x = "12.34", .y = "-0.06", .spostato = Punto{12.3f, -0.1f}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        FinestraRegistrata f;
        CaricaEditorPerimetro(s, 0);
        StatoInterfaccia& st = s.stato;
        SelezionaVertice(st, 2);
        const std::vector<int> ordine = st.OrdineVertici;
        const std::array<std::string, 2> vertice = st.Text1;
        st.Text1 = {c.x, c.y};
        EXPECT_EQ(AssegnaCoordinate(st, f), c.spostato.has_value());
        if (c.spostato) {
            EXPECT_EQ(PuntoVertice(st, 2), *c.spostato);
            EXPECT_TRUE(f.Eventi.empty());
            continue;
        }
        EXPECT_EQ(st.OrdineVertici, ordine);
        EXPECT_EQ(st.Text1, vertice);
        EXPECT_EQ(f.Messaggi(), std::vector<std::string>{MessaggioFuoriCampo()});
    }
}

TEST_F(EditorPerimetroTest, ClicksPickTheLowerVertexOrProposeAPoint) {
    StatoInterfaccia& st = s.stato;
    // Vertex 3 at (300, 0) and vertex 2 moved beside it: both within 4 px.
    SelezionaVertice(st, 2);
    st.Text1 = {"301", "0"};
    ASSERT_TRUE(AssegnaCoordinate(st, finestra));
    const float x = XSchermo(vista, 300.5f), y = YSchermo(vista, 0);
    EXPECT_EQ(ClickVertice(st, s.imp, vista, tela, 1, x, y), EsitoClickVertice::Selezionato);
    EXPECT_EQ(st.VerticeSelezionato, 2);

    struct Caso {
        const char* nome;
        float x, y;
        int griglia;
        EsitoClickVertice esito;
        std::array<std::string, 2> testo;
    };
    for (const Caso& c : {
             Caso{.nome = "4 px: nessun vertice, griglia spenta", .x = 4, .y = 600, .griglia = 0,
                  .esito = EsitoClickVertice::Proposto, .testo = {"2.0", "0.0"}},
             Caso{.nome = "griglia accesa senza nodo", .x = 50, .y = 590, .griglia = 1,
                  .esito = EsitoClickVertice::Nulla, .testo = {"a", "b"}},
             Caso{.nome = "griglia accesa, nodo", .x = 58, .y = 563, .griglia = 1,
                  .esito = EsitoClickVertice::Proposto, .testo = {"30.0", "20.0"}},
         }) {
        st.SnapGriglia = c.griglia;
        st.Text1 = {"a", "b"};
        EXPECT_EQ(ClickVertice(st, s.imp, vista, tela, 1, c.x, c.y), c.esito) << c.nome;
        if (c.esito != EsitoClickVertice::Nulla) EXPECT_EQ(st.Text1, c.testo) << c.nome;
        else EXPECT_EQ(st.Text1, (std::array<std::string, 2>{"a", "b"})) << c.nome;
        EXPECT_EQ(st.VerticeSelezionato, 2) << c.nome;
    }
    st.ModificaPoligono = 0;
    EXPECT_EQ(ClickVertice(st, s.imp, vista, tela, 1, x, y), EsitoClickVertice::Nulla);
}

TEST_F(EditorPerimetroTest, AMoveMarksTheNodeAndAPressStoresIt) {
    StatoInterfaccia& st = s.stato;
    EXPECT_TRUE(AgganciaGriglia(st, s.imp, vista, tela, 58, 563, 0));
    EXPECT_EQ(st.SnapTrovato, 0);
    const auto marchi = tela.DelloStrato(StratoTela::Transitorio);
    ASSERT_EQ(marchi.size(), 1u);
    EXPECT_EQ(marchi[0].Valori, (std::vector<float>{58, 558, 62, 562}));
    EXPECT_EQ(marchi[0].Colore, ColoreMagenta);
    EXPECT_EQ(marchi[0].Spessore, 3);
    EXPECT_TRUE(AgganciaGriglia(st, s.imp, vista, tela, 58, 563, 1));
    EXPECT_TRUE(tela.DelloStrato(StratoTela::Transitorio).empty());  // cleared, no mark
    EXPECT_EQ(st.SnapTrovato, 1);
    EXPECT_EQ(st.XSnap, 60.0f);
    EXPECT_EQ(st.YSnap, 560.0f);
    EXPECT_FALSE(AgganciaGriglia(st, s.imp, vista, tela, 50, 590, 1));
    EXPECT_EQ(st.SnapTrovato, 0);
}

TEST_F(EditorPerimetroTest, ThePrunedGridSearchFindsTheNodeOfTheFullLoop) {
    struct Caso {
        const char* nome;
        Vista vista;
        int passoX, passoY;
    };
    for (const Caso& c : {
             Caso{.nome = "origine in basso a sinistra", .vista = VistaProva(0, 0, 2, 400, 300),
                  .passoX = 10, .passoY = 10},
             Caso{.nome = "finestra a cavallo dell'origine", .vista = VistaProva(-123.4f, -77.7f),
                  .passoX = 7, .passoY = 3},
             Caso{.nome = "tutta negativa, passo 1 a 3 px", .vista = VistaProva(-500.3f, -400.6f, 3, 200, 150),
                  .passoX = 1, .passoY = 1},
             Caso{.nome = "ingrandita", .vista = VistaProva(12.5f, 40.25f, 37.3f, 300, 200), .passoX = 1,
                  .passoY = 2},
             Caso{.nome = "passo 1 cm sotto il pixel", .vista = VistaProva(-321.7f, 55.5f, 0.4f, 60, 40),
                  .passoX = 1, .passoY = 1},
             Caso{.nome = "lontana, passo grande", .vista = VistaProva(-1234.5f, 987.6f, 0.5f),
                  .passoX = 50, .passoY = 500},
         }) {
        s.imp.PassoGrigliaX = c.passoX;
        s.imp.PassoGrigliaY = c.passoY;
        int trovati = 0;
        const Vista& v = c.vista;
        for (float x = -3.25f; x < v.LarghezzaTela + 5; x += 1.75f)
            for (float y = -2.5f; y < v.AltezzaTela + 5; y += 2.25f) {
                const std::optional<NodoGriglia> atteso = NodoCompleto(s.imp, c.vista, x, y);
                const bool trovato = AgganciaGriglia(s.stato, s.imp, c.vista, tela, x, y, 1);
                ASSERT_EQ(trovato, atteso.has_value()) << c.nome << " " << x << " " << y;
                if (!atteso) continue;
                ++trovati;
                ASSERT_EQ((NodoGriglia{s.stato.XSnap, s.stato.YSnap}), *atteso) << c.nome << " " << x << " " << y;
            }
        EXPECT_GT(trovati, 0) << c.nome;
    }
}

TEST_F(EditorPerimetroTest, AssignWritesOnlyThePerimeterItCameFromAsOneStep) {
    const Parete prima = s.parete;
    AssegnaPerimetro(s, finestra);  // unchanged: still a step
    EXPECT_EQ(PassiAnnulla(s), 1);
    EXPECT_EQ(s.stato.ModificaPoligono, 0);
    EXPECT_EQ(s.parete.PerimetroEsterno, prima.PerimetroEsterno);

    CaricaEditorPerimetro(s, 0);
    SelezionaVertice(s.stato, 1);
    s.stato.Text1 = {"-10", "210"};
    ASSERT_TRUE(AssegnaCoordinate(s.stato, finestra));
    AssegnaPerimetro(s, finestra);
    EXPECT_EQ(s.parete.PerimetroEsterno[1], (Punto{-10, 210}));
    EXPECT_EQ(s.parete.PerimetroEsterno[4], s.parete.PerimetroEsterno[0]);
    EXPECT_EQ(s.parete.PerimetroInterno, prima.PerimetroInterno);
    EXPECT_EQ(s.parete.Contorno, prima.Contorno);
    EXPECT_EQ(s.parete.XminParete, -10.0f);  // the geometry tail ran
    EXPECT_EQ(PassiAnnulla(s), 2);
}

TEST_F(EditorPerimetroTest, ANewVertexCountCopiesTheEditedPolygonEverywhere) {
    StatoInterfaccia& st = s.stato;
    st.PerimetroInModifica = 1;
    CaricaEditorPerimetro(s, 1);
    st.OrdineVertici.push_back(AggiungiVertice(st, {150, -20}));
    ++st.UltVerticeLista;
    AssegnaPerimetro(s, finestra);
    const Parete& p = s.parete;
    EXPECT_EQ(p.NumPuntiInt, 5);
    EXPECT_EQ(p.NumPuntiEst, 5);
    EXPECT_EQ(p.NumPuntiContorno, 5);
    ASSERT_EQ(p.PerimetroInterno.size(), 6u);
    EXPECT_EQ(p.PerimetroInterno[4], (Punto{150, -20}));
    EXPECT_EQ(p.PerimetroEsterno, p.PerimetroInterno);
    EXPECT_EQ(p.Contorno, p.PerimetroInterno);
}

// The hidden insert and delete, on the 300 x 200 rectangle (four vertices).
struct CasoVertici {
    const char* Nome;
    bool Inserisci;
    int Selezionato;
    bool Risposta;
    // Expected: the list of points after, the selection, the question asked.
    std::vector<Punto> Punti;
    int Selezione;
    bool Domandato;
};

// A failing row names itself in the test output.
void PrintTo(const CasoVertici& c, std::ostream* os) { *os << c.Nome; }

class VerticiNascosti : public EditorPerimetroTest,
                        public ::testing::WithParamInterface<CasoVertici> {};

TEST_P(VerticiNascosti, ChangeTheListAndTheSelection) {
    const CasoVertici& c = GetParam();
    StatoInterfaccia& st = s.stato;
    std::vector<Punto> prima;
    for (int i = 0; i <= st.UltVerticeLista; ++i) prima.push_back(PuntoVertice(st, i));
    ASSERT_EQ(prima.size(), 4u);
    SelezionaVertice(st, c.Selezionato);
    finestra.RisposteDomande = {c.Risposta};
    if (c.Inserisci)
        (void)InserisciVertice(st, finestra);
    else
        (void)EliminaVertice(st, finestra);

    std::vector<Punto> dopo;
    for (int i = 0; i <= st.UltVerticeLista; ++i) dopo.push_back(PuntoVertice(st, i));
    // Expected points are the fixture's vertices V0-V3 and the midpoints written out.
    EXPECT_EQ(dopo, c.Punti);
    EXPECT_EQ(st.VerticeSelezionato, c.Selezione);
    EXPECT_EQ(finestra.RisposteDomande.empty(), c.Domandato);
    EXPECT_EQ(st.OrdineVertici.size(), dopo.size());
}

// The rectangle's vertices as the fixture lays them (checked by the first row).
const Punto V0{0, 0}, V1{0, 200}, V2{300, 200}, V3{300, 0};

INSTANTIATE_TEST_SUITE_P(
    EditorPerimetroTest, VerticiNascosti,
    ::testing::Values(
        // After the last vertex the new one halves the closing side (3 -> 0).
        CasoVertici{.Nome = "InserisciDopoUltimo", .Inserisci = true, .Selezionato = 3,
                    .Risposta = true, .Punti = {V0, V1, V2, V3, {150, 0}}, .Selezione = 4,
                    .Domandato = true},
        // (0, 0) and (0, 200): halfway is (0, 100).
        CasoVertici{.Nome = "InserisciDopoPrimo", .Inserisci = true, .Selezionato = 0,
                    .Risposta = true, .Punti = {V0, {0, 100}, V1, V2, V3}, .Selezione = 1,
                    .Domandato = true},
        CasoVertici{.Nome = "InserisciNo", .Inserisci = true, .Selezionato = 1,
                    .Risposta = false, .Punti = {V0, V1, V2, V3}, .Selezione = 1,
                    .Domandato = true},
        // The last-but-one goes, the last stays; the previous one is selected.
        CasoVertici{.Nome = "EliminaPenultimo", .Inserisci = false, .Selezionato = 2,
                    .Risposta = true, .Punti = {V0, V1, V3}, .Selezione = 1,
                    .Domandato = true},
        // No still moves the selection back.
        CasoVertici{.Nome = "EliminaNo", .Inserisci = false, .Selezionato = 2,
                    .Risposta = false, .Punti = {V0, V1, V2, V3}, .Selezione = 1,
                    .Domandato = true},
        CasoVertici{.Nome = "EliminaPrimoSelezioneResta", .Inserisci = false,
                    .Selezionato = 0, .Risposta = true, .Punti = {V1, V2, V3},
                    .Selezione = 0, .Domandato = true}),
    [](const ::testing::TestParamInfo<CasoVertici>& info) { return info.param.Nome; });

TEST_F(EditorPerimetroTest, ThreeVerticesAreNeverDeleted) {
    StatoInterfaccia& st = s.stato;
    finestra.RisposteDomande = {true};
    ASSERT_TRUE(EliminaVertice(st, finestra));  // four -> three
    finestra.RisposteDomande = {true};
    EXPECT_FALSE(EliminaVertice(st, finestra));
    EXPECT_EQ(st.UltVerticeLista, 2);
    EXPECT_EQ(finestra.RisposteDomande.size(), 1u);  // not even asked
}

TEST_F(EditorPerimetroTest, TheQuestionsNameTheVertexAndWarnOfTheOtherOutlines) {
    SelezionaVertice(s.stato, 2);
    finestra.RisposteDomande = {false, false};
    (void)InserisciVertice(s.stato, finestra);
    (void)EliminaVertice(s.stato, finestra);
    const std::string avviso =
        "?\nN.B. la modifica del numero dei vertici può compromettere il corretto disegno di "
        "pareti o solai già presenti sui bordi.\nVuoi procedere ugulamente?";
    const std::string eventi = [&] {
        std::string tutto;
        for (const std::string& e : finestra.Eventi) tutto += e + "|";
        return tutto;
    }();
    EXPECT_NE(eventi.find("Vuoi inserire un nuovo vertice dopo il vertice 3" + avviso), std::string::npos)
        << eventi;
    EXPECT_NE(eventi.find("Vuoi eliminare il vertice 3" + avviso), std::string::npos) << eventi;
    EXPECT_NE(eventi.find("Attenzione!"), std::string::npos);
}
