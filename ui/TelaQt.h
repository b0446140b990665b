#pragma once

#include "drawing/TelaSchermo.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <optional>

class QPainter;

// The drawing canvas: the persistent image of the drawing and, over it, a
// transparent overlay for highlights, rubber bands and guide lines. Both
// follow the widget's size; a resize leaves them blank until the next redraw.
class TelaQt : public QWidget, public TelaSchermo {
    Q_OBJECT
public:
    explicit TelaQt(QWidget* parent = nullptr);

    float Larghezza() const override { return static_cast<float>(width()); }
    float Altezza() const override { return static_cast<float>(height()); }

    void Cancella(StratoTela strato) override;
    void ImpostaColoreSfondo(int colore) override;
    void ImpostaColorePrimoPiano(int colore) override;
    void ImpostaStileTratto(StileTratto stile) override { stile_ = stile; }
    void ImpostaSpessoreTratto(int pixel) override { spessore_ = pixel; }

    void Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) override;
    void Riquadro(StratoTela strato, float x1, float y1, float x2, float y2, int colore,
                  bool pieno) override;
    void Cerchio(StratoTela strato, float xc, float yc, float r, int colore) override;
    void Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti, int colore) override;
    void RitagliaPoligoni(const std::vector<PuntoPixel>& contorno,
                          const std::vector<std::vector<PuntoPixel>>& fori) override;
    void RimuoviRitaglio() override { ritaglio_.reset(); }
    void Testo(StratoTela strato, int x, int y, int altezza, int larghezza, int angoloGradi,
               const std::string& testo) override;

    // What the screen shows: the image with the overlay over it.
    QImage Composizione();
    const QImage& Immagine() { AdattaStrati(); return immagine_; }
    const QImage& Transitorio() { AdattaStrati(); return transitorio_; }
    QColor ColoreSfondo() const { return sfondo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QImage& Strato(StratoTela strato);
    // Both layers at the widget's size, blank when they had to change; a
    // hidden widget gets no resize event.
    void AdattaStrati();
    // A painter on the layer with the current pen in the colour.
    void PreparaPenna(QPainter& pittore, int colore) const;
    // Notes where a stroke fell on the overlay (pixels; the pen's width is added).
    void Segna(StratoTela strato, const QRectF& zona);

    QImage immagine_;
    QImage transitorio_;
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
