// The Qt canvas paints a whole redraw through one painter and fills the
// bands of a colour map with no outline. Its picture is held against a
// canvas that paints every stroke with a painter of its own and outlines
// every band in its colour, as the canvas did before: a colour map of a
// generated wall with zones on it may differ only on an edge of the old
// picture (which of two bands owns the pixels on their shared edge, the
// wall's edge one pixel in, a band thinner than a pixel gone or shown),
// on at most 1 % of the canvas, and inside a band on at most one pixel in
// ten thousand.
// Thin outlined boxes, which the canvas fills edge by edge instead of
// stroking, keep every pixel.

#include "ProvaQt.h"

#include "PareteGenerata.h"
#include "RiquadroRegistrato.h"
#include "ZoneDiProva.h"

#include "FinestraRegistrata.h"
#include "design/AreeMancanti.h"
#include "design/ArmaturaDiffusa.h"
#include "design/Ridisegna.h"
#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "ui/ColoreQt.h"
#include "ui/TelaQt.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <optional>
#include <string>

namespace {

constexpr QSize DimensioneTela{1000, 850};

// Every stroke through a painter of its own, set up from nothing: the
// picture a redraw must keep. Only the persistent image is painted.
class TelaPerTratto final : public TelaSchermo {
public:
    explicit TelaPerTratto(QSize dimensione)
        : Immagine(dimensione, QImage::Format_ARGB32_Premultiplied) {
        Immagine.fill(sfondo_);
    }
    QImage Immagine;

    float Larghezza() const override { return static_cast<float>(Immagine.width()); }
    float Altezza() const override { return static_cast<float>(Immagine.height()); }
    void Cancella(StratoTela strato) override {
        if (strato == StratoTela::Immagine) Immagine.fill(sfondo_);
    }
    void ImpostaColoreSfondo(int colore) override { sfondo_ = ColoreQt(colore); }
    void ImpostaColorePrimoPiano(int colore) override { primoPiano_ = ColoreQt(colore); }
    void ImpostaStileTratto(StileTratto stile) override { stile_ = stile; }
    void ImpostaSpessoreTratto(int pixel) override { spessore_ = pixel; }

    void Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) override {
        if (strato != StratoTela::Immagine) return;
        QPainter p(&Immagine);
        Penna(p, colore);
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void Riquadro(StratoTela strato, float x1, float y1, float x2, float y2, int colore,
                  bool pieno) override {
        if (strato != StratoTela::Immagine) return;
        QPainter p(&Immagine);
        const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
        if (pieno) {
            p.fillRect(r.adjusted(0, 0, 1, 1), ColoreQt(colore));
        } else {
            Penna(p, colore);
            p.drawRect(r);
        }
    }
    void Cerchio(StratoTela strato, float xc, float yc, float r, int colore) override {
        if (strato != StratoTela::Immagine) return;
        QPainter p(&Immagine);
        Penna(p, colore);
        p.drawEllipse(QPointF(xc, yc), r, r);
    }
    void Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti, int colore) override {
        if (strato != StratoTela::Immagine || punti.empty()) return;
        QPolygon poligono;
        for (const PuntoPixel& q : punti) poligono << QPoint(q.X, q.Y);
        QPainter p(&Immagine);
        if (ritaglio_) p.setClipRegion(*ritaglio_);
        Penna(p, colore);
        p.setBrush(ColoreQt(colore));
        p.drawPolygon(poligono);
    }
    void RitagliaPoligoni(const std::vector<PuntoPixel>& contorno,
                          const std::vector<std::vector<PuntoPixel>>& fori) override {
        ritaglio_ = RegioneRitaglio(contorno, fori);
    }
    void RimuoviRitaglio() override { ritaglio_.reset(); }
    void Testo(StratoTela strato, int x, int y, int altezza, int larghezza, int angoloGradi,
               const std::string& testo) override {
        if (strato != StratoTela::Immagine || altezza <= 0) return;
        QFont carattere(QStringLiteral("Arial"));
        carattere.setPixelSize(altezza);
        if (larghezza > 0) {
            const int media = QFontMetrics(carattere).averageCharWidth();
            if (media > 0) carattere.setStretch(std::clamp(100 * larghezza / media, 1, 4000));
        }
        QString s = QString::fromStdString(testo);
        s.replace(QChar(0x9D), QChar(0xD8));
        QPainter p(&Immagine);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(carattere);
        p.setPen(primoPiano_);
        p.translate(x, y);
        p.rotate(-angoloGradi);
        p.drawText(QPointF(0, QFontMetricsF(carattere).ascent()), s);
    }

private:
    void Penna(QPainter& p, int colore) const {
        QPen penna(ColoreQt(colore), std::max(1, spessore_));
        penna.setStyle(stile_ == StileTratto::Punteggiato ? Qt::DotLine : Qt::SolidLine);
        penna.setCapStyle(Qt::FlatCap);
        p.setPen(penna);
    }
    QColor sfondo_{Qt::black};
    std::optional<QRegion> ritaglio_;
    QColor primoPiano_{Qt::white};
    StileTratto stile_ = StileTratto::Continuo;
    int spessore_ = 1;
};

// The pixels of the picture that differ from the reference away from any
// edge of it: where the reference is one colour over the pixel and its eight
// neighbours.
int PixelCambiatiFuoriDaiBordi(const QImage& immagine, const QImage& riferimento) {
    int cambiati = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) {
            const QRgb prima = riferimento.pixel(x, y);
            if (immagine.pixel(x, y) == prima) continue;
            bool bordo = false;
            for (int v = std::max(0, y - 1); v <= std::min(y + 1, immagine.height() - 1); ++v)
                for (int u = std::max(0, x - 1); u <= std::min(x + 1, immagine.width() - 1); ++u)
                    bordo = bordo || riferimento.pixel(u, v) != prima;
            cambiati += !bordo;
        }
    return cambiati;
}

int PixelDiversi(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int diversi = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) diversi += a.pixel(x, y) != b.pixel(x, y);
    return diversi;
}

struct MappaDaConfrontare {
    const char* Nome;
    int TipoMappa;
};
void PrintTo(const MappaDaConfrontare& m, std::ostream* os) { *os << m.Nome; }

class TelaUnPittore : public ::testing::TestWithParam<MappaDaConfrontare> {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }

    CartellaTemporanea cartella;
};

// Two zones of each face and direction over the wall, so the map draws
// their bars, outlines, circles and numbers too.
void AggiungiZone(Parete& p) {
    const Rettangolo& e = p.Estensione;
    const float w = e.Xmax - e.Xmin, h = e.Ymax - e.Ymin;
    for (int k = 0; k < 4; ++k) {
        const float x1 = e.Xmin + w * (0.1f + 0.2f * k), x2 = x1 + 0.15f * w;
        const float y1 = e.Ymin + h * 0.3f, y2 = y1 + 0.4f * h;
        const float xm = (x1 + x2) / 2, ym = (y1 + y2) / 2;
        AggiungiZona(p, {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}, k % 2, k / 2, 12, 10.0f,
                     {x1, ym}, {x2, ym}, {xm, ym});
    }
}

// The colour maps cover every stroke the canvas has.
TEST_P(TelaUnPittore, AMapRedrawOfAGeneratedWallMovesOnlyBandEdgesByAPixel) {
    Sessione s;
    ASSERT_NO_FATAL_FAILURE(LeggiPareteGenerata(s, cartella.Percorso(), 4000));
    AggiungiZone(s.parete);
    AggiornaAreeMancanti(s.parete, -1);
    RicalcolaArmature(s.parete, s.imp);
    s.stato.VistaCorrente = 9999;
    s.stato.StatoVista = 2;
    s.stato.TipoMappa = GetParam().TipoMappa;
    s.stato.ScalaMin = 0.0f;
    s.stato.ScalaMax = 8.0f;

    Vista vista;
    vista.LarghezzaTela = static_cast<float>(DimensioneTela.width());
    vista.AltezzaTela = static_cast<float>(DimensioneTela.height());
    AdattaFinestra(vista, s.parete.Estensione);

    TelaQt tela;
    tela.resize(DimensioneTela);
    TelaPerTratto riferimento(DimensioneTela);
    RiquadroRegistrato riquadro;
    FinestraRegistrata finestra;
    Ridisegna(s, DestinazioneSchermo{riferimento, vista, riquadro, finestra});
    Ridisegna(s, DestinazioneSchermo{tela, vista, riquadro, finestra});

    EXPECT_EQ(tela.DisegniCompleti(), 1);
    const QImage& immagine = tela.Immagine();
    const int diversi = PixelDiversi(immagine, riferimento.Immagine);
    RecordProperty("pixel_diversi", diversi);
    EXPECT_LE(diversi, immagine.width() * immagine.height() / 100);
    // A band thinner than a pixel that the outlines of its neighbours hid
    // may show as a lone pixel of its colour.
    const int fuoriDaiBordi = PixelCambiatiFuoriDaiBordi(immagine, riferimento.Immagine);
    RecordProperty("pixel_fuori_dai_bordi", fuoriDaiBordi);
    EXPECT_LE(fuoriDaiBordi, immagine.width() * immagine.height() / 10000);
    // Not a blank picture that matches a blank one.
    EXPECT_NE(riferimento.Immagine.pixelColor(500, 425), QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(
    Mappe, TelaUnPittore,
    ::testing::Values(MappaDaConfrontare{.Nome = "AreaRichiesta", .TipoMappa = 0},
                      MappaDaConfrontare{.Nome = "AreaMancante", .TipoMappa = 5},
                      MappaDaConfrontare{.Nome = "Eccedenza", .TipoMappa = 12}),
    [](const auto& info) { return std::string(info.param.Nome); });

// An outline on whole pixels is filled edge by edge: the same pixels as the
// pen, for a box of one pixel, a thin one and a large one, and outside a
// redraw as inside one.
TEST(TelaBordi, AnOutlinedBoxOnWholePixelsHasThePixelsOfThePen) {
    ApplicazioneDiProva();
    const QSize dimensione(60, 40);
    TelaQt tela;
    tela.resize(dimensione);
    TelaPerTratto riferimento(dimensione);
    const auto riquadri = [](TelaSchermo& t) {
        t.Riquadro(StratoTela::Immagine, 3, 3, 4, 4, 0x00FFFF, false);
        t.Riquadro(StratoTela::Immagine, 10, 2, 30, 3, 0xFF00FF, false);
        t.Riquadro(StratoTela::Immagine, 40, 30, 12, 8, 0x00FF00, false);
        t.Riquadro(StratoTela::Immagine, 50, 5, 52, 25, 0xFFFFFF, false);
    };
    riquadri(riferimento);
    riquadri(tela);
    EXPECT_EQ(PixelDiversi(tela.Immagine(), riferimento.Immagine), 0);

    tela.Cancella(StratoTela::Immagine);
    {
        const DisegnoAperto aperto(tela);
        riquadri(tela);
    }
    EXPECT_EQ(PixelDiversi(tela.Immagine(), riferimento.Immagine), 0);
}

// A redraw limited to a strip paints nothing outside it.
TEST(TelaLimitata, ARedrawLimitedToAStripLeavesTheRestAsItWas) {
    ApplicazioneDiProva();
    TelaQt tela;
    tela.resize(100, 50);
    tela.ImpostaColoreSfondo(0);
    tela.Riquadro(StratoTela::Immagine, 0, 0, 99, 49, 0xFFFFFF, true);
    tela.LimitaDisegno(QRegion(90, 0, 10, 50));
    {
        const DisegnoAperto aperto(tela);
        tela.Cancella(StratoTela::Immagine);
        tela.Linea(StratoTela::Immagine, 0, 20, 99, 20, 0x0000FF);
    }
    tela.LimitaDisegno({});
    EXPECT_EQ(tela.DisegniCompleti(), 0);
    EXPECT_EQ(tela.Immagine().pixelColor(50, 10), QColor(Qt::white));
    EXPECT_EQ(tela.Immagine().pixelColor(50, 20), QColor(Qt::white));
    EXPECT_EQ(tela.Immagine().pixelColor(95, 10), QColor(Qt::black));
    EXPECT_EQ(tela.Immagine().pixelColor(95, 20), QColor(Qt::red));
}

// A pan moves the picture by whole pixels and gives back what came into view.
TEST(TelaScorrimento, ScrollingMovesThePictureAndReturnsTheUncoveredStrips) {
    ApplicazioneDiProva();
    TelaQt tela;
    tela.resize(100, 50);
    tela.ImpostaColoreSfondo(0);
    tela.Cancella(StratoTela::Immagine);
    tela.Riquadro(StratoTela::Immagine, 10, 10, 19, 19, 0xFFFFFF, true);
    const QRegion scoperta = tela.Scorri(7, -3);
    EXPECT_EQ(scoperta, QRegion(0, 0, 7, 50) | QRegion(0, 47, 100, 3));
    EXPECT_EQ(tela.Immagine().pixelColor(17, 7), QColor(Qt::white));
    EXPECT_EQ(tela.Immagine().pixelColor(26, 16), QColor(Qt::white));
    EXPECT_EQ(tela.Immagine().pixelColor(16, 17), QColor(Qt::black));
    EXPECT_EQ(tela.Immagine().pixelColor(27, 16), QColor(Qt::black));
}

}  // namespace
