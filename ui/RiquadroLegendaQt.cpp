#include "ui/RiquadroLegendaQt.h"

#include "ui/ColoreQt.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// 9 pt in twips: 9 x 1440 / 72.
constexpr int AltezzaCarattereTwip = 180;

}  // namespace

RiquadroLegendaQt::RiquadroLegendaQt(int twipPerPixel, QWidget* parent)
    : QWidget(parent), twipPerPixel_(std::max(1, twipPerPixel)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeEvent(nullptr);
}

QPointF RiquadroLegendaQt::Pixel(float x, float y) const {
    return QPointF(x / twipPerPixel_, y / twipPerPixel_);
}

void RiquadroLegendaQt::Cancella() {
    if (persistente_)
        immagine_.fill(palette().color(QPalette::Base));
    else
        transitorio_.fill(Qt::transparent);
    update();
}

void RiquadroLegendaQt::ImpostaColoreTesto(int colore) { coloreTesto_ = ColoreQt(colore); }

void RiquadroLegendaQt::PreparaPenna(QPainter& pittore, int colore) const {
    pittore.setPen(QPen(ColoreQt(colore), std::max(1, spessore_)));
    pittore.setBrush(Qt::NoBrush);
}

void RiquadroLegendaQt::Testo(float x, float y, const std::string& testo) {
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(AltezzaCarattereTwip / twipPerPixel_);
    QPainter pittore(&Destinazione());
    pittore.setFont(carattere);
    pittore.setPen(coloreTesto_);
    pittore.drawText(Pixel(x, y) + QPointF(0, QFontMetricsF(carattere).ascent()),
                     QString::fromStdString(testo));
    update();
}

void RiquadroLegendaQt::Linea(float x1, float y1, float x2, float y2, int colore) {
    QPainter pittore(&Destinazione());
    PreparaPenna(pittore, colore);
    pittore.drawLine(Pixel(x1, y1), Pixel(x2, y2));
    update();
}

void RiquadroLegendaQt::Riquadro(float x1, float y1, float x2, float y2, int colore, bool pieno) {
    QPainter pittore(&Destinazione());
    const QRectF riquadro = QRectF(Pixel(x1, y1), Pixel(x2, y2)).normalized();
    if (pieno) {
        pittore.fillRect(riquadro.adjusted(0, 0, 1, 1), ColoreQt(colore));
    } else {
        PreparaPenna(pittore, colore);
        if (riempimento_ == Riempimento::Pieno) pittore.setBrush(ColoreQt(colore));
        pittore.drawRect(riquadro);
    }
    update();
}

void RiquadroLegendaQt::paintEvent(QPaintEvent* evento) {
    QPainter pittore(this);
    const QRect zona = evento->rect();
    pittore.drawImage(zona, immagine_, zona);
    pittore.drawImage(zona, transitorio_, zona);
}

// The legends draw afresh after every redraw; a resize only makes room.
void RiquadroLegendaQt::resizeEvent(QResizeEvent* evento) {
    const QSize dimensione = size().expandedTo(QSize(1, 1));
    immagine_ = QImage(dimensione, QImage::Format_ARGB32_Premultiplied);
    immagine_.fill(palette().color(QPalette::Base));
    transitorio_ = QImage(dimensione, QImage::Format_ARGB32_Premultiplied);
    transitorio_.fill(Qt::transparent);
    if (evento) QWidget::resizeEvent(evento);
}
