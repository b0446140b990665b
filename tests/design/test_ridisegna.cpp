#include "design/Ridisegna.h"
#include "design/Triangolazione.h"
#include "drawing/DisPerimetri.h"
#include "drawing/Palette.h"
#include "drawing/PoligonoEditor.h"
#include "drawing/Primitive.h"
#include "model/Layer.h"

#include "FinestraRegistrata.h"
#include "RiquadroRegistrato.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The 400 x 300 session with its nodes triangulated, drawn on a recording
// canvas, legend box and window, or into a recording DXF stream in model cm.
struct BancoRidisegno {
    BancoRidisegno() {
        TriangolaNodi(S.parete);
        S.imp.ScalaDxf = 1.0f;
    }

    void Schermo() { Ridisegna(S, DestinazioneSchermo{D.Tela, D.VistaTela, Riquadro, Finestra}); }
    void Dxf() { Ridisegna(static_cast<const Sessione&>(S), DestinazioneDxf{D.Flusso, D.Dxf}); }

    // A level mark of view vista at (50, 100) with the given value.
    void AggiungiLivello(int vista, float valore) {
        Parete& p = S.parete;
        p.QuoteLivello.resize(p.NumQuoteLivello + 1);
        p.QuoteLivello[p.NumQuoteLivello++] = {50.0f, 100.0f, valore, vista};
    }

    std::vector<TrattoTela> Testi(const std::string& testo) const {
        std::vector<TrattoTela> scelti;
        for (const TrattoTela& t : D.Tela.DiTipo("Testo"))
            if (t.Testo == testo) scelti.push_back(t);
        return scelti;
    }

    SessionePosizioni P;
    Sessione& S = P.S;
    BancoDisegno D;
    RiquadroRegistrato Riquadro;
    FinestraRegistrata Finestra;
};

int Riempiti(const TelaRegistrata& tela, int colore) {
    const auto riquadri = tela.DiTipo("Riquadro");
    return static_cast<int>(std::count_if(riquadri.begin(), riquadri.end(), [&](const TrattoTela& t) {
        return t.Pieno && t.Colore == colore;
    }));
}

}  // namespace

// Offsets of the sheet: each panel shows the level mark of its own view.
TEST(Ridisegna, TavolaQuattroPannelliAiLoroScostamenti) {
    BancoRidisegno b;
    Parete& p = b.S.parete;
    for (int vista = 0; vista < 4; ++vista) b.AggiungiLivello(vista, 10.0f + vista);
    b.Dxf();
    const float destra = p.LarghezzaVista + 150.0f;
    const float sotto = -(p.AltezzaVista + 150.0f);
    struct Atteso {
        std::string testo;
        float x, y;
    };
    // Top left, bottom left, top right, bottom right.
    const std::vector<Atteso> attesi = {{"10.0", 20, 114},
                                        {"11.0", 20, 114 + sotto},
                                        {"12.0", 20 + destra, 114},
                                        {"13.0", 20 + destra, 114 + sotto}};
    std::vector<EntitaDxf> livelli;
    for (const EntitaDxf& e : b.D.Flusso.DiTipo("TEXT"))
        if (e.Testo.size() == 4 && e.Testo[2] == '.') livelli.push_back(e);
    ASSERT_EQ(livelli.size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) {
        SCOPED_TRACE(attesi[i].testo);
        EXPECT_EQ(livelli[i].Testo, attesi[i].testo);
        EXPECT_FLOAT_EQ(livelli[i].Valori[0], attesi[i].x);
        EXPECT_FLOAT_EQ(livelli[i].Valori[1], attesi[i].y);
    }
}

TEST(Ridisegna, TavolaMagliaUnicaDuePannelliInAlto) {
    BancoRidisegno b;
    Parete& p = b.S.parete;
    p.MagliaUnica = -1;
    for (int vista = 0; vista < 4; ++vista) b.AggiungiLivello(vista, 10.0f + vista);
    b.S.stato.VistaCorrente = 5;
    b.Schermo();
    b.Dxf();
    // Screen and DXF show the "lato -" panels only.
    for (const char* assente : {"10.0", "12.0"}) EXPECT_TRUE(b.Testi(assente).empty()) << assente;
    ASSERT_EQ(b.Testi("11.0").size(), 1u);
    ASSERT_EQ(b.Testi("13.0").size(), 1u);
    std::vector<EntitaDxf> livelli;
    for (const EntitaDxf& e : b.D.Flusso.DiTipo("TEXT"))
        if (e.Testo == "11.0" || e.Testo == "13.0") livelli.push_back(e);
    ASSERT_EQ(livelli.size(), 2u);
    EXPECT_FLOAT_EQ(livelli[0].Valori[0], 20.0f);
    EXPECT_FLOAT_EQ(livelli[0].Valori[1], 114.0f);
    EXPECT_FLOAT_EQ(livelli[1].Valori[0], 20.0f + p.LarghezzaVista + 150.0f);
    EXPECT_FLOAT_EQ(livelli[1].Valori[1], 114.0f);
}

struct CasoRiquadroScala {
    const char* nome;
    int vista = 0;
    int statoVista = 0;
    int tipoMappa = 0;
    bool caricata = true;
    bool visibile = false;
};

// A failing row names itself in the test output.
void PrintTo(const CasoRiquadroScala& c, std::ostream* os) { *os << c.nome; }

class RiquadroScala : public testing::TestWithParam<CasoRiquadroScala> {};

TEST_P(RiquadroScala, MostratoSoloPerLeMappeConScala) {
    const CasoRiquadroScala& c = GetParam();
    BancoRidisegno b;
    b.S.stato.VistaCorrente = c.vista;
    b.S.stato.StatoVista = c.statoVista;
    b.S.stato.TipoMappa = c.tipoMappa;
    if (!c.caricata) b.S.parete.NumPuntiContorno = 0;
    b.Schermo();
    EXPECT_EQ(b.Finestra.Eventi, (std::vector<std::string>{
                                     std::string("MostraRiquadroScala ") + (c.visibile ? "1" : "0")}));
}

const CasoRiquadroScala casiScala[] = {
    {.nome = "Richiesta", .vista = 9999, .statoVista = 2, .tipoMappa = 0, .visibile = true},
    {.nome = "RichiestaStrato3", .vista = 9999, .statoVista = 5, .tipoMappa = 3, .visibile = true},
    {.nome = "Mancante", .vista = 9999, .statoVista = 6, .tipoMappa = 5},
    {.nome = "MancanteStrato3", .vista = 9999, .statoVista = 9, .tipoMappa = 8},
    {.nome = "Eccedenza", .vista = 9999, .statoVista = 10, .tipoMappa = 10, .visibile = true},
    {.nome = "EccedenzaStrato3", .vista = 9999, .statoVista = 13, .tipoMappa = 13, .visibile = true},
    {.nome = "DisponiZone", .vista = 2, .statoVista = 6, .tipoMappa = 5},
    {.nome = "Diffusa", .vista = 0, .statoVista = 0, .tipoMappa = 0},
    {.nome = "Zone", .vista = 3, .statoVista = 15, .tipoMappa = 10},
    {.nome = "Tavola", .vista = 5, .statoVista = 17, .tipoMappa = 0},
    {.nome = "SenzaParete", .vista = 9999, .statoVista = 2, .tipoMappa = 0, .caricata = false,
     .visibile = true},
};
INSTANTIATE_TEST_SUITE_P(Tabella, RiquadroScala, testing::ValuesIn(casiScala),
                         [](const auto& info) { return std::string(info.param.nome); });

// With the editor open the canvas holds the perimeters and the polygon under
// edit and nothing else, whatever the view and the edit state.
TEST(Ridisegna, EditorApertoSoloPerimetriEPoligono) {
    BancoRidisegno b;
    StatoInterfaccia& st = b.S.stato;
    AccodaPosizione(b.S.parete, ZonaRettangolare(0, 0, 50, 50, 150, 150), Riquadro(50, 50, 150, 150));
    b.AggiungiLivello(0, 12.0f);
    st.ModificaPoligono = 1;
    st.PoolVertici = {{0, 0}, {100, 200}, {300, 0}};
    st.OrdineVertici = {0, 1, 2};
    st.UltVerticeLista = 2;
    st.Modo = ModoInput::ModificaZona;
    st.MostraManiglie = 1;
    st.PosCorrente = b.S.parete.Posizioni[0];

    for (const int statoVista : {0, 2}) {
        SCOPED_TRACE(statoVista);
        st.StatoVista = statoVista;
        b.Schermo();

        BancoDisegno atteso;
        const auto immagine = BersaglioSchermo(atteso.Tela, StratoTela::Immagine, atteso.VistaTela,
                                               b.S.imp);
        DisPerimetri(b.S.parete, 0, 0, immagine);
        DisPoligEdit(st, immagine);
        EXPECT_FALSE(atteso.Tela.Tratti.empty());
        EXPECT_EQ(b.D.Tela.Tratti, atteso.Tela.Tratti);
        EXPECT_TRUE(b.Riquadro.Chiamate.empty());
    }
}

// In a map only the positions of the active layer and the ring beams show,
// and the one open in its dialog has the yellow circle.
TEST(Ridisegna, MappaSoloPosizioniDelloStratoAttivoECordoli) {
    BancoRidisegno b;
    Parete& p = b.S.parete;
    AccodaPosizione(p, ZonaRettangolare(0, 0, 50, 50, 150, 150), Riquadro(50, 50, 150, 150));
    AccodaPosizione(p, ZonaRettangolare(1, 0, 50, 50, 150, 150), Riquadro(50, 50, 150, 150));
    AccodaPosizione(p, ZonaRettangolare(0, 1, 50, 50, 150, 150), Riquadro(50, 50, 150, 150));
    AccodaPosizione(p, ZonaRettangolare(Cordolo, 0, 200, 0, 400, 30), Riquadro(200, 0, 400, 30));
    StatoInterfaccia& st = b.S.stato;
    st.VistaCorrente = 9999;
    st.StatoVista = 2;
    st.TipoMappa = 2;  // required area, "lato +" direction 2
    st.LatoAttivo = 1;
    st.Modo = ModoInput::PosizioneAperta;
    st.IndiceCorrente = 2;
    b.Schermo();

    EXPECT_EQ(st.LatoAttivo, 0);
    EXPECT_EQ(st.DirezioneAttiva, 1);
    std::vector<TrattoTela> cerchi;
    for (const TrattoTela& t : b.D.Tela.DiTipo("Cerchio"))
        if (t.Valori[2] == 40.0f) cerchi.push_back(t);
    ASSERT_EQ(cerchi.size(), 2u);
    EXPECT_EQ(cerchi[0].Colore, b.S.imp.ColGiallo);
    EXPECT_EQ(cerchi[1].Colore, b.S.imp.ColoriSchermo[Layer::PerimPilastri]);
    for (const char* assente : {"1", "2"}) EXPECT_TRUE(b.Testi(assente).empty()) << assente;
    EXPECT_EQ(b.Testi("3").size(), 1u);
    EXPECT_EQ(b.Testi("4").size(), 1u);
    // Two zone outlines, dotted light magenta.
    int tratteggiate = 0;
    for (const TrattoTela& t : b.D.Tela.DiTipo("Linea"))
        if (t.Colore == ColoreBase(13) && t.Stile == StileTratto::Punteggiato) ++tratteggiate;
    EXPECT_EQ(tratteggiate, 8);
    // The map filled its bands and its legend went to the box; no elevation legend.
    EXPECT_FALSE(b.D.Tela.DiTipo("Poligono").empty());
    EXPECT_FALSE(b.Riquadro.Testi().empty());
    EXPECT_EQ(b.Riquadro.TrattoDelTesto("Orientamento delle armature:").Tipo, "");
}

TEST(Ridisegna, QuoteDiLivelloSenzaQuote) {
    BancoRidisegno b;
    ASSERT_EQ(b.S.parete.UltQuota, -1);
    b.AggiungiLivello(0, 123.4f);
    b.AggiungiLivello(1, 56.7f);
    b.Schermo();
    EXPECT_EQ(b.Testi("123.4").size(), 1u);
    EXPECT_TRUE(b.Testi("56.7").empty());
    // An elevation fills the legend box first.
    ASSERT_FALSE(b.Riquadro.Chiamate.empty());
    EXPECT_NE(b.Riquadro.TrattoDelTesto("Orientamento delle armature:").Tipo, "");
}

TEST(Ridisegna, ManiglieUnaVoltaSola) {
    BancoRidisegno b;
    StatoInterfaccia& st = b.S.stato;
    st.PosCorrente = ZonaRettangolare(0, 0, 50, 50, 150, 150);
    st.MostraManiglie = 1;
    const int colore = ColoreBase(13);
    b.Schermo();
    // Four corners and the centre, on the image.
    EXPECT_EQ(Riempiti(b.D.Tela, colore), 5);
    for (const TrattoTela& t : b.D.Tela.DiTipo("Riquadro")) EXPECT_EQ(t.Strato, StratoTela::Immagine);
    EXPECT_EQ(st.MostraManiglie, 0);
    b.Schermo();
    EXPECT_EQ(Riempiti(b.D.Tela, colore), 0);
}

TEST(Ridisegna, SovrapposizioneCancellataLasciaLImmagine) {
    BancoRidisegno b;
    StatoInterfaccia& st = b.S.stato;
    b.D.Tela.Linea(StratoTela::Transitorio, 1, 1, 2, 2, 0);
    b.Schermo();
    // The redraw erased what the overlay held before it.
    EXPECT_TRUE(b.D.Tela.DelloStrato(StratoTela::Transitorio).empty());

    st.Modo = ModoInput::ModificaZona;
    st.PosCorrente = ZonaRettangolare(0, 0, 50, 50, 150, 150);
    st.XA = 100;
    st.YA = 500;
    st.XB = 300;
    st.YB = 300;
    b.Schermo();
    const std::vector<TrattoTela> immagine = b.D.Tela.DelloStrato(StratoTela::Immagine);
    EXPECT_FALSE(immagine.empty());
    EXPECT_FALSE(b.D.Tela.DelloStrato(StratoTela::Transitorio).empty());
    b.D.Tela.Cancella(StratoTela::Transitorio);
    EXPECT_EQ(b.D.Tela.Tratti, immagine);
}

// The screen draws with LayerVisibili, except the outlines, which show anyway.
TEST(Ridisegna, SchermoConLayerVisibili) {
    BancoRidisegno b;
    b.AggiungiLivello(0, 12.0f);
    b.S.imp.LayerVisibili[Layer::Quote] = 0;
    b.S.imp.LayerVisibili[Layer::PerimPareti] = 0;
    b.S.imp.LayerDxf[Layer::PerimPareti] = 0;
    b.Schermo();
    EXPECT_TRUE(b.Testi("12.0").empty());
    BancoDisegno atteso;
    DisPerimetri(b.S.parete, 0, 0,
                 BersaglioSchermo(atteso.Tela, StratoTela::Immagine, atteso.VistaTela, b.S.imp));
    for (const TrattoTela& t : atteso.Tela.Tratti)
        EXPECT_NE(std::find(b.D.Tela.Tratti.begin(), b.D.Tela.Tratti.end(), t),
                  b.D.Tela.Tratti.end());
    b.Dxf();
    int perimetri = 0;
    for (const EntitaDxf& e : b.D.Flusso.DiTipo("LINE")) perimetri += e.Layer == "PERIM_PARETI";
    EXPECT_EQ(perimetri, 4 * 4 * 2);
}

// The export draws the sheet with LayerDxf whatever the screen shows, and
// leaves the display state as it was.
TEST(Ridisegna, DxfSempreLaTavolaConLayerDxf) {
    BancoRidisegno b;
    for (int vista = 0; vista < 4; ++vista) b.AggiungiLivello(vista, 10.0f + vista);
    StatoInterfaccia& st = b.S.stato;
    st.VistaCorrente = 9999;
    st.StatoVista = 2;
    st.ModificaPoligono = 1;
    st.Modo = ModoInput::ModificaZona;
    st.MostraManiglie = 1;
    st.PosCorrente = ZonaRettangolare(0, 0, 50, 50, 150, 150);
    b.S.imp.LayerVisibili[Layer::TestoQuote] = 0;
    const StatoInterfaccia prima = st;
    b.Dxf();
    EXPECT_EQ(st, prima);
    int livelli = 0;
    for (const EntitaDxf& e : b.D.Flusso.DiTipo("TEXT")) livelli += e.Layer == "TESTO_QUOTE";
    EXPECT_GE(livelli, 4);

    b.D.Flusso.Entita.clear();
    b.S.imp.LayerDxf[Layer::Quote] = 0;
    b.Dxf();
    for (const EntitaDxf& e : b.D.Flusso.Entita) EXPECT_NE(e.Layer, "QUOTE");
    EXPECT_FALSE(b.D.Flusso.Entita.empty());
    EXPECT_TRUE(b.D.Tela.Tratti.empty());
    EXPECT_TRUE(b.Riquadro.Chiamate.empty());
    EXPECT_TRUE(b.Finestra.Eventi.empty());
}

TEST(Ridisegna, SenzaPareteNienteDelModello) {
    BancoRidisegno b;
    b.AggiungiLivello(0, 12.0f);
    b.S.parete.NumPuntiContorno = 0;
    b.Schermo();
    b.Dxf();
    EXPECT_TRUE(b.D.Tela.Tratti.empty());
    EXPECT_TRUE(b.Riquadro.Chiamate.empty());
    EXPECT_TRUE(b.D.Flusso.Entita.empty());
}
