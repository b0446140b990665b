// Many boxes handed to the Qt canvas at once keep the pixels of one box at
// a time, in a redraw, under a limit and outside a redraw.

#include "ProvaQt.h"

#include "ui/TelaQt.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr QSize Dimensione{80, 60};

int PixelDiversi(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int diversi = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) diversi += a.pixel(x, y) != b.pixel(x, y);
    return diversi;
}

// Boxes of one colour in runs broken by another that overlaps them, so that
// the order shows; boxes off whole pixels and of no width among them; the
// corners given either way round.
const std::vector<RiquadroPixel> riquadri = {
    {.X1 = 3, .Y1 = 3, .X2 = 4, .Y2 = 4, .Colore = 0xFF0000},
    {.X1 = 5, .Y1 = 2, .X2 = 30, .Y2 = 20, .Colore = 0xFF0000},
    {.X1 = 25, .Y1 = 15, .X2 = 10, .Y2 = 6, .Colore = 0x00FF00},
    {.X1 = 12, .Y1 = 8, .X2 = 14, .Y2 = 10, .Colore = 0xFF0000},
    {.X1 = 40.5f, .Y1 = 10, .X2 = 50, .Y2 = 30.25f, .Colore = 0xFF0000},
    {.X1 = 44, .Y1 = 12, .X2 = 44, .Y2 = 40, .Colore = 0x0000FF},
    {.X1 = 60, .Y1 = 40, .X2 = 75, .Y2 = 41, .Colore = 0x0000FF},
    {.X1 = 62, .Y1 = 35, .X2 = 70, .Y2 = 55, .Colore = 0x00FFFF},
    {.X1 = 61, .Y1 = 36, .X2 = 71, .Y2 = 50, .Colore = 0x0000FF},
};

struct CasoRiquadri {
    std::string Nome;
    bool Pieno = false;
    StileTratto Stile = StileTratto::Continuo;
    int Spessore = 1;
    bool InUnDisegno = true;
    bool Limite = false;
};

void PrintTo(const CasoRiquadri& c, std::ostream* os) { *os << c.Nome; }

class RiquadriInsieme : public testing::TestWithParam<CasoRiquadri> {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }

    // The picture of the boxes drawn by the given call on a fresh canvas.
    template <typename Disegno>
    QImage Immagine(Disegno disegno) {
        const CasoRiquadri& c = GetParam();
        TelaQt tela;
        tela.resize(Dimensione);
        tela.ImpostaColoreSfondo(0x202020);
        tela.Cancella(StratoTela::Immagine);
        tela.ImpostaStileTratto(c.Stile);
        tela.ImpostaSpessoreTratto(c.Spessore);
        if (c.Limite) tela.LimitaDisegno(QRegion(QRect(0, 0, 20, 60)) + QRect(60, 45, 20, 15));
        if (c.InUnDisegno) {
            const DisegnoAperto aperto(tela);
            disegno(tela);
        } else {
            disegno(tela);
        }
        return tela.Immagine().copy();
    }
};

TEST_P(RiquadriInsieme, StessiPixelDiUnRiquadroAllaVolta) {
    const bool pieno = GetParam().Pieno;
    const QImage uno = Immagine([&](TelaQt& t) {
        for (const RiquadroPixel& r : riquadri)
            t.Riquadro(StratoTela::Immagine, r.X1, r.Y1, r.X2, r.Y2, r.Colore, pieno);
    });
    const QImage insieme = Immagine([&](TelaQt& t) { t.Riquadri(StratoTela::Immagine, riquadri, pieno); });
    EXPECT_EQ(PixelDiversi(insieme, uno), 0);
    // Not two blank pictures.
    EXPECT_GT(PixelDiversi(uno, Immagine([](TelaQt&) {})), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, RiquadriInsieme,
    testing::Values(CasoRiquadri{.Nome = "Pieni", .Pieno = true},
                    CasoRiquadri{.Nome = "Contorni"},
                    CasoRiquadri{.Nome = "ContorniPunteggiati", .Stile = StileTratto::Punteggiato},
                    CasoRiquadri{.Nome = "ContorniSpessi", .Spessore = 3},
                    CasoRiquadri{.Nome = "PieniSottoUnLimite", .Pieno = true, .Limite = true},
                    CasoRiquadri{.Nome = "ContorniSottoUnLimite", .Limite = true},
                    CasoRiquadri{.Nome = "PieniFuoriDaUnDisegno", .Pieno = true, .InUnDisegno = false},
                    CasoRiquadri{.Nome = "ContorniFuoriDaUnDisegno", .InUnDisegno = false}),
    [](const auto& info) { return info.param.Nome; });

}  // namespace
