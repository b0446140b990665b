#include "ProvaQt.h"

#include "design/ContorniArmatura.h"
#include "design/MappaColori.h"
#include "drawing/Vista.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "ui/TelaQt.h"

#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>

namespace {

// A background no map colour and no marker has.
constexpr int Sfondo = 10 + 256 * 20 + 65536 * 30;

// An L-shaped wall, 400 wide below y = 150 and 200 wide above, up to 300,
// with an opening x 50..150, y 50..120. Its nodes are the outline's corners,
// and two of its triangles span the notch and the opening, as the
// triangulation of the nodes can leave them.
Parete PareteAElle() {
    Parete p = PareteDaContorno({{0, 0}, {0, 300}, {200, 300}, {200, 150}, {400, 150}, {400, 0}});
    AggiungiApertura(p, 50, 50, 150, 120);
    p.Copriferro = 3.0f;
    CalcolaContorniArmatura(p);
    const Punto nodi[] = {{0, 0}, {0, 300}, {200, 300}, {400, 150}, {400, 0}};
    p.NumNodi = 5;
    p.Nodi.assign(6, Nodo{});
    for (int i = 0; i < 5; ++i) {
        p.Nodi[i].X = nodi[i].X;
        p.Nodi[i].Y = nodi[i].Y;
        p.Nodi[i].Richiesta[0] = 2.0f * static_cast<float>(i);
    }
    p.Triangoli = {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}};
    p.UltimoTriangolo = 2;
    return p;
}

struct CasoMappaSullaParete {
    std::string Nome;
    int TipoMappa = 0;
};

void PrintTo(const CasoMappaSullaParete& c, std::ostream* os) { *os << c.Nome; }

class MappaSullaParete : public testing::TestWithParam<CasoMappaSullaParete> {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
    void SetUp() override {
        tela.resize(500, 400);
        tela.ImpostaColoreSfondo(Sfondo);
        tela.Cancella(StratoTela::Immagine);
        vista.Scala = 1.0f;
        vista.FinXmin = -50.0f;
        vista.FinYmin = -50.0f;
        vista.FinXmax = 450.0f;
        vista.FinYmax = 350.0f;
        vista.LarghezzaTela = 500.0f;
        vista.AltezzaTela = 400.0f;
    }

    QColor Colore(float x, float y) {
        return tela.Immagine().pixelColor(static_cast<int>(std::lround(XSchermo(vista, x))),
                                          static_cast<int>(std::lround(YSchermo(vista, y))));
    }

    std::unique_ptr<TelaQt> proprietaria = std::make_unique<TelaQt>();
    TelaQt& tela = *proprietaria;
    Vista vista;
};

}  // namespace

// The triangles cover the notch and the opening; the colour stays on the
// wall, and the node markers, at the outline's corners, are still drawn.
TEST_P(MappaSullaParete, NoColourInTheNotchOrInTheOpening) {
    const Parete parete = PareteAElle();
    Impostazioni imp;
    ValoriDefault(imp);
    StatoInterfaccia stato;
    stato.TipoMappa = GetParam().TipoMappa;
    stato.ScalaMin = 0.0f;
    stato.ScalaMax = 8.0f;
    MappaColori(parete, imp, stato, tela, vista,
                [](float, float, const std::string&, int, int) {});

    const QColor sfondo(10, 20, 30);
    for (const Punto& fuori : {Punto{250, 200}, Punto{350, 170}, Punto{210, 260},  // notch
                               Punto{100, 85}, Punto{60, 60}, Punto{140, 110}}) {  // opening
        EXPECT_EQ(Colore(fuori.X, fuori.Y), sfondo) << fuori.X << ", " << fuori.Y;
    }
    for (const Punto& dentro : {Punto{100, 200}, Punto{175, 85}, Punto{300, 100}, Punto{100, 135}})
        EXPECT_NE(Colore(dentro.X, dentro.Y), sfondo) << dentro.X << ", " << dentro.Y;
    // The marker of the node at the notch's corner (400, 150) lies outside
    // the reinforcement outline and is drawn all the same.
    EXPECT_NE(Colore(400, 150), sfondo);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, MappaSullaParete,
    testing::Values(
        // Nothing is missing anywhere: the map is one colour, without levels.
        CasoMappaSullaParete{.Nome = "UniformMissingArea", .TipoMappa = 5},
        CasoMappaSullaParete{.Nome = "RequiredAreaInBands", .TipoMappa = 0}),
    [](const auto& info) { return info.param.Nome; });
