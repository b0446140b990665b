#include "TelaRegistrata.h"
#include "drawing/Primitive.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A mask with only the given layers on.
MascheraLayer Solo(std::initializer_list<int> accesi) {
    MascheraLayer maschera{};
    for (int layer : accesi) maschera[layer] = 1;
    return maschera;
}

// All layers on but the given ones.
MascheraLayer Tranne(std::initializer_list<int> spenti) {
    MascheraLayer maschera = TuttiILayer();
    for (int layer : spenti) maschera[layer] = 0;
    return maschera;
}

// The strokes on one layer of the bench's canvas.
std::vector<TrattoTela> Strato(const BancoDisegno& banco, StratoTela strato) {
    return banco.Tela.DelloStrato(strato);
}

}  // namespace

TEST(StratiDellaTela, OgniBersaglioDisegnaSoloSulSuoStrato) {
    BancoDisegno banco;
    const BersaglioSchermo immagine = banco.Schermo();
    const BersaglioSchermo transitorio = banco.Transitorio();
    EXPECT_EQ(immagine.Strato(), StratoTela::Immagine);
    EXPECT_EQ(transitorio.Strato(), StratoTela::Transitorio);

    DisQuota(0, 0, 100, 0, 0, 0, 100, 0, immagine);
    const std::vector<TrattoTela> disegno = Strato(banco, StratoTela::Immagine);
    ASSERT_EQ(disegno.size(), 6u);  // line, two ticks, two circles, text

    // Highlights and snap marks on the overlay, with the image drawing in
    // between: nothing of the overlay lands in the image.
    DisLinea(0, 0, 50, 50, LayerEvidenziaCiano, Stile::Pieno, transitorio);
    DisMirino(20, 20, 3, transitorio);
    DisLinea(0, 10, 100, 10, Layer::ArmDiffusa1, Stile::Punteggiato, immagine);
    DisLinea(0, 0, 50, 50, LayerEvidenziaGiallo, Stile::Pieno, transitorio);
    ScriviTesto(10, 10, "L=250", 0, Layer::TestoFerri, Allinea::Sinistra, Allinea::Basso, 0,
                transitorio);

    const std::vector<TrattoTela> attesa = Strato(banco, StratoTela::Immagine);
    ASSERT_EQ(attesa.size(), 7u);
    EXPECT_EQ(std::vector<TrattoTela>(attesa.begin(), attesa.begin() + 6), disegno);
    EXPECT_EQ(attesa[6].Colore, banco.Imp.ColoriSchermo[Layer::ArmDiffusa1]);
    EXPECT_EQ(attesa[6].Stile, StileTratto::Punteggiato);
    EXPECT_EQ(Strato(banco, StratoTela::Transitorio).size(), 6u);

    // Clearing the overlay leaves the drawing whole, and so does the next highlight.
    banco.Tela.Cancella(StratoTela::Transitorio);
    EXPECT_TRUE(Strato(banco, StratoTela::Transitorio).empty());
    EXPECT_EQ(Strato(banco, StratoTela::Immagine), attesa);
    DisLinea(0, 0, 50, 50, LayerEvidenziaCiano, Stile::Pieno, transitorio);
    EXPECT_EQ(Strato(banco, StratoTela::Immagine), attesa);
    EXPECT_EQ(Strato(banco, StratoTela::Transitorio).size(), 1u);
}

TEST(StratiDellaTela, CancellareLImmagineLasciaLaSovrapposizione) {
    BancoDisegno banco;
    DisLinea(0, 0, 50, 50, Layer::Quote, Stile::Pieno, banco.Schermo());
    DisLinea(0, 0, 50, 50, LayerEvidenziaCiano, Stile::Pieno, banco.Transitorio());
    banco.Tela.Cancella(StratoTela::Immagine);
    EXPECT_TRUE(Strato(banco, StratoTela::Immagine).empty());
    EXPECT_EQ(Strato(banco, StratoTela::Transitorio).size(), 1u);
}

TEST(MaschereDeiLayer, SenzaMascheraTuttiILayerSonoAccesi) {
    BancoDisegno banco;
    for (const MascheraLayer& m : {banco.Schermo().LayerAttivi(), banco.InDxf().LayerAttivi(),
                                   banco.Misura().LayerAttivi()})
        for (int layer = 0; layer < NumLayer; ++layer) EXPECT_NE(m[layer], 0) << layer;
}

namespace {

// One primitive drawn on every kind of target under a mask.
struct CasoMaschera {
    const char* nome;
    std::function<void(const Bersaglio&)> disegna;
    std::vector<int> layer;  // the layers it draws on
};

const CasoMaschera CasiMaschera[] = {
    {.nome = "linea",
     .disegna =
         [](const Bersaglio& b) {
             DisLinea(0, 0, 100, 0, Layer::ArmDiffusa1, Stile::Punteggiato, b);
         },
     .layer = {Layer::ArmDiffusa1}},
    {.nome = "cerchio",
     .disegna = [](const Bersaglio& b) { DisCerchio(10, 10, 3, Layer::Quote, Stile::Pieno, b); },
     .layer = {Layer::Quote}},
    {.nome = "testo",
     .disegna =
         [](const Bersaglio& b) {
             ScriviTesto(10, 10, "A", 0, Layer::TestoFerri, Allinea::Centro, Allinea::Alto, 0, b);
         },
     .layer = {Layer::TestoFerri}},
    {.nome = "ferro",
     .disegna =
         [](const Bersaglio& b) {
             DisFerro(0, 0, 250, 0, 0, Layer::ArmaturaSez, Layer::TestoFerri, b);
         },
     .layer = {Layer::ArmaturaSez, Layer::TestoFerri}},
    {.nome = "quota",
     .disegna = [](const Bersaglio& b) { DisQuota(0, 30, 100, 30, 0, 0, 100, 0, b); },
     .layer = {Layer::Quote, Layer::TestoQuote}},
    {.nome = "mirino",
     .disegna = [](const Bersaglio& b) { DisMirino(50, 60, 4, b); },
     .layer = {Layer::Quote, Layer::ArmDiffusa1}},
};

// What the three targets of a bench drew: screen strokes, R12 and R2000 entities.
struct Uscite {
    std::size_t schermo = 0, r12 = 0, r2000 = 0;
};

Uscite Disegna(const CasoMaschera& c, const MascheraLayer& maschera) {
    Uscite u;
    {
        BancoDisegno banco;
        c.disegna(banco.Schermo(maschera));
        u.schermo = banco.Tela.Tratti.size();
    }
    for (const bool r12 : {true, false}) {
        BancoDisegno banco;
        c.disegna(banco.InDxf(r12, maschera));
        (r12 ? u.r12 : u.r2000) = banco.Flusso.Entita.size();
    }
    return u;
}

}  // namespace

TEST(MaschereDeiLayer, UnLayerSpentoNonDisegnaNulla) {
    for (const CasoMaschera& c : CasiMaschera) {
        const Uscite tutti = Disegna(c, TuttiILayer());
        EXPECT_GT(tutti.schermo, 0u) << c.nome;
        EXPECT_GT(tutti.r12, 0u) << c.nome;
        EXPECT_GT(tutti.r2000, 0u) << c.nome;

        // Only its own layers on: the same drawing.
        MascheraLayer propri{};
        for (int layer : c.layer) propri[layer] = 1;
        const Uscite soloPropri = Disegna(c, propri);
        EXPECT_EQ(soloPropri.schermo, tutti.schermo) << c.nome;
        EXPECT_EQ(soloPropri.r12, tutti.r12) << c.nome;
        EXPECT_EQ(soloPropri.r2000, tutti.r2000) << c.nome;

        // Its own layers off: nothing at all.
        MascheraLayer altri = TuttiILayer();
        for (int layer : c.layer) altri[layer] = 0;
        const Uscite nulla = Disegna(c, altri);
        EXPECT_EQ(nulla.schermo, 0u) << c.nome;
        EXPECT_EQ(nulla.r12, 0u) << c.nome;
        EXPECT_EQ(nulla.r2000, 0u) << c.nome;
    }
}

// A bar whose text layer is off keeps its line, and one whose line layer is
// off keeps its label; an R2000 label is a dimension on the text layer.
TEST(MaschereDeiLayer, FerroConUnSoloLayerAcceso) {
    BancoDisegno banco;
    DisFerro(0, 0, 250, 0, 0, Layer::ArmaturaSez, Layer::TestoFerri,
             banco.Schermo(Tranne({Layer::TestoFerri})));
    EXPECT_EQ(banco.Tela.DiTipo("Linea").size(), 1u);
    EXPECT_TRUE(banco.Tela.DiTipo("Testo").empty());

    DisFerro(0, 0, 250, 0, 0, Layer::ArmaturaSez, Layer::TestoFerri,
             banco.InDxf(true, Tranne({Layer::ArmaturaSez})));
    DisFerro(0, 0, 250, 0, 0, Layer::ArmaturaSez, Layer::TestoFerri,
             banco.InDxf(false, Tranne({Layer::ArmaturaSez})));
    ASSERT_EQ(banco.Flusso.Entita.size(), 2u);
    EXPECT_EQ(banco.Flusso.Entita[0].Tipo, "TEXT");
    EXPECT_EQ(banco.Flusso.Entita[0].Layer, "TESTO_FERRI");
    EXPECT_EQ(banco.Flusso.Entita[1].Tipo, "DIMENSION");
}

// Screen and R12 draw a dimension piece by piece, each piece on its layer;
// an R2000 dimension is one entity on the dimension layer.
TEST(MaschereDeiLayer, QuotaConIlSoloTestoSpento) {
    BancoDisegno banco;
    const MascheraLayer senzaTesto = Tranne({Layer::TestoQuote});
    DisQuota(0, 30, 100, 30, 0, 0, 100, 0, banco.Schermo(senzaTesto));
    EXPECT_EQ(banco.Tela.Tratti.size(), 5u);
    EXPECT_TRUE(banco.Tela.DiTipo("Testo").empty());
    DisQuota(0, 30, 100, 30, 0, 0, 100, 0, banco.InDxf(true, senzaTesto));
    EXPECT_TRUE(banco.Flusso.DiTipo("TEXT").empty());
    EXPECT_EQ(banco.Flusso.Entita.size(), 5u);
    DisQuota(0, 30, 100, 30, 0, 0, 100, 0, banco.InDxf(false, Solo({Layer::Quote})));
    EXPECT_EQ(banco.Flusso.DiTipo("DIMENSION").size(), 1u);
}

TEST(MaschereDeiLayer, LeEvidenziazioniNonSonoLayer) {
    BancoDisegno banco;
    const BersaglioSchermo spento(banco.Tela, StratoTela::Transitorio, banco.VistaTela, banco.Imp,
                                  MascheraLayer{});
    DisLinea(0, 0, 50, 50, LayerEvidenziaCiano, Stile::Pieno, spento);
    DisLinea(0, 0, 50, 50, Layer::Quote, Stile::Pieno, spento);
    ASSERT_EQ(banco.Tela.Tratti.size(), 1u);
    EXPECT_EQ(banco.Tela.Tratti[0].Strato, StratoTela::Transitorio);
}

// The screen pass takes its mask from the layers the settings show.
TEST(MaschereDeiLayer, DaiLayerVisibiliDelleImpostazioni) {
    BancoDisegno banco;
    banco.Imp.LayerVisibili = TuttiILayer();
    banco.Imp.LayerVisibili[Layer::Quote] = 0;
    DisQuota(0, 30, 100, 30, 0, 0, 100, 0, banco.Schermo(banco.Imp.LayerVisibili));
    ASSERT_EQ(banco.Tela.Tratti.size(), 1u);
    EXPECT_EQ(banco.Tela.Tratti[0].Tipo, "Testo");
}
