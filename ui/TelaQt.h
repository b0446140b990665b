#pragma once

#include "drawing/TelaSchermo.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// Where the map fills may paint: inside the ring contorno and outside every
// ring of fori, in pixels.
[[nodiscard]] QRegion RegioneRitaglio(const std::vector<PuntoPixel>& contorno,
                                      const std::vector<std::vector<PuntoPixel>>& fori);

// The drawing canvas: the persistent image of the drawing and, over it, a
// transparent overlay for highlights, rubber bands and guide lines. Both
// follow the widget's size; a resize leaves them blank until the next redraw.
// A redraw paints the image through one painter held open from
// IniziaDisegno to FineDisegno and asks for one paint at the end.
class TelaQt : public QWidget, public TelaSchermo {
    Q_OBJECT
public:
    explicit TelaQt(QWidget* parent = nullptr);
    ~TelaQt() override;

    float Larghezza() const override { return static_cast<float>(width()); }
    float Altezza() const override { return static_cast<float>(height()); }

    void Cancella(StratoTela strato) override;
    void IniziaDisegno() override;
    void FineDisegno() override;
    void ImpostaColoreSfondo(int colore) override;
    void ImpostaColorePrimoPiano(int colore) override;
    void ImpostaStileTratto(StileTratto stile) override { stile_ = stile; }
    void ImpostaSpessoreTratto(int pixel) override { spessore_ = pixel; }

    void Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) override;
    void Riquadro(StratoTela strato, float x1, float y1, float x2, float y2, int colore,
                  bool pieno) override;
    void Riquadri(StratoTela strato, std::span<const RiquadroPixel> riquadri, bool pieno) override;
    void Cerchio(StratoTela strato, float xc, float yc, float r, int colore) override;
    void Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti, int colore) override;
    void RitagliaPoligoni(const std::vector<PuntoPixel>& contorno,
                          const std::vector<std::vector<PuntoPixel>>& fori) override;
    void RimuoviRitaglio() override;
    void Testo(StratoTela strato, int x, int y, int altezza, int larghezza, int angoloGradi,
               const std::string& testo) override;

    // Moves the image by whole pixels, as a pan moves the view, and returns
    // the part that came into view, left in the background colour.
    QRegion Scorri(int dx, int dy);
    // The redraws that follow paint the image only inside zona (an empty
    // region lifts the limit); strokes wholly outside it are skipped.
    void LimitaDisegno(const QRegion& zona) { limite_ = zona; }
    // Whole redraws begun on the image since the canvas was made: a pair of
    // IniziaDisegno and FineDisegno without a limit.
    int DisegniCompleti() const { return disegniCompleti_; }
    // How many times the layers were made anew (blank) at a new size.
    int StratiRifatti() const { return stratiRifatti_; }

    // Runs before the canvas is painted or its picture read: the window
    // serves a pending redraw there.
    std::function<void()> PrimaDiMostrare;

    // What the screen shows: the image with the overlay over it.
    QImage Composizione();
    const QImage& Immagine();
    const QImage& Transitorio() { AdattaStrati(); return transitorio_; }
    QColor ColoreSfondo() const { return sfondo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    // The pen a stroke asks for; colour -1 is no pen.
    struct ChiavePenna {
        int Colore = -1;
        StileTratto Stile = StileTratto::Continuo;
        int Spessore = 1;
        bool operator==(const ChiavePenna&) const = default;
    };
    // A painter on one layer with what was last set on it, so that pen and
    // brush are set only when they change.
    struct Pittore {
        explicit Pittore(QImage& strato) : Disegno(&strato) {}
        QPainter Disegno;
        std::optional<ChiavePenna> Penna;
        std::optional<int> Pennello;  // -1: no brush
        bool Ritagliato = false;      // the map clip is on
    };
    // The pixels a box on whole pixels covers, worked out in whole numbers
    // at a fraction of the painter's cost, as up to four rectangles written
    // into rettangoli; returns how many. Filled, the box from corner to
    // corner, both included; outlined, its four edges (corners included),
    // the pixels of the painter's own 1-pixel solid outline, a box one pixel
    // wide or high being all edge. None (0) for a box off whole pixels or an
    // outline other than thin and solid around a box of some size.
    std::size_t PixelInteri(const RiquadroPixel& r, bool pieno, std::span<QRect, 4> rettangoli) const;
    // Whether a stroke keeps to the map clip (polygons only) or ignores it.
    enum class Ritaglio { Nessuno, Poligoni };

    QImage& Strato(StratoTela strato);
    // Both layers at the widget's size, blank when they had to change; a
    // hidden widget gets no resize event.
    void AdattaStrati();
    // One stroke on the layer, within the box in pixels that ingombro()
    // gives: through the open painter of a redraw (skipped outside its
    // limit), else through a painter of its own followed by a paint request.
    // The box is worked out only where it is used: the many fills of a map
    // on a redraw without a limit never need it.
    template <typename Ingombro, typename Tratto>
    void Disegna(StratoTela strato, Ingombro ingombro, Tratto tratto,
                 Ritaglio ritaglio = Ritaglio::Nessuno);
    // Turns the map clip on the painter on or off, as the stroke asks.
    void ApplicaRitaglio(Pittore& p, Ritaglio ritaglio) const;
    void ImpostaPenna(Pittore& p, int colore) const;
    void ImpostaPennello(Pittore& p, int colore);
    // Notes where a stroke fell on the overlay (pixels; the pen's width is added).
    void Segna(const QRectF& zona);
    void Mostra();

    QImage immagine_;
    QImage transitorio_;
    // The painter of the redraw under way, and how deep its pairs nest.
    std::unique_ptr<Pittore> aperto_;
    int profondita_ = 0;
    QRegion limite_;
    // The vertices of the polygon being drawn, kept to spare an allocation a polygon.
    QPolygon vertici_;
    // The rectangles of a run of boxes, kept to spare an allocation a run.
    std::vector<QRect> rettangoli_;
    // The brush of every colour filled so far.
    std::vector<std::pair<int, QBrush>> pennelli_;
    int disegniCompleti_ = 0;
    int stratiRifatti_ = 0;
    // The part of the overlay drawn since it was last cleared: the overlay
    // holds a few marks, and a hover on every mouse move clears it, so only
    // that part is blanked rather than the whole canvas.
    QRect segnato_;
    QColor sfondo_{Qt::black};
    QColor primoPiano_{Qt::white};
    StileTratto stile_ = StileTratto::Continuo;
    int spessore_ = 1;
    // Where Poligono may paint, while a clip is set.
    std::optional<QRegion> ritaglio_;
};
