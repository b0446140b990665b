#pragma once

#include "drawing/RiquadroLegenda.h"

#include <QImage>
#include <QWidget>

class QPainter;

// The legend box of the side column. Positions arrive in twips and are
// drawn in pixels; texts in Arial 9 pt. The persistent image holds the
// legend; with the switch off the calls go to an overlay that its next
// clear erases, as on the canvas.
class RiquadroLegendaQt : public QWidget, public RiquadroLegenda {
    Q_OBJECT
public:
    RiquadroLegendaQt(int twipPerPixel, QWidget* parent = nullptr);

    int TwipPerPixel() const override { return twipPerPixel_; }
    void ImmaginePersistente(bool attiva) override { persistente_ = attiva; }
    void Cancella() override;
    void ImpostaSpessoreTratto(int pixel) override { spessore_ = pixel; }
    void ImpostaRiempimento(Riempimento riempimento) override { riempimento_ = riempimento; }
    void ImpostaColoreTesto(int colore) override;
    void Testo(float x, float y, const std::string& testo) override;
    void Linea(float x1, float y1, float x2, float y2, int colore) override;
    void Riquadro(float x1, float y1, float x2, float y2, int colore, bool pieno) override;

    const QImage& Immagine() const { return immagine_; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QImage& Destinazione() { return persistente_ ? immagine_ : transitorio_; }
    QPointF Pixel(float x, float y) const;
    void PreparaPenna(QPainter& pittore, int colore) const;

    int twipPerPixel_;
    bool persistente_ = false;
    int spessore_ = 1;
    Riempimento riempimento_ = Riempimento::Trasparente;
    QColor coloreTesto_{Qt::black};
    QImage immagine_;
    QImage transitorio_;
};
