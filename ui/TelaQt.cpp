#include "ui/TelaQt.h"

#include "ui/ColoreQt.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// U+009D stands for the diameter sign in the drawing texts.
QString TestoQt(const std::string& testo) {
    QString s = QString::fromStdString(testo);
    s.replace(QChar(0x9D), QChar(0xD8));
    return s;
}

QRegion Anello(const std::vector<PuntoPixel>& punti) {
    QPolygon poligono;
    for (const PuntoPixel& p : punti) poligono << QPoint(p.X, p.Y);
    return QRegion(poligono, Qt::OddEvenFill);
}

QImage NuovoStrato(QSize dimensione, QColor colore) {
    QImage strato(dimensione.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    strato.fill(colore);
    return strato;
}

}  // namespace

TelaQt::TelaQt(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    AdattaStrati();
}

void TelaQt::AdattaStrati() {
    if (immagine_.size() == size().expandedTo(QSize(1, 1))) return;
    immagine_ = NuovoStrato(size(), sfondo_);
    transitorio_ = NuovoStrato(size(), Qt::transparent);
    segnato_ = {};
}

QImage& TelaQt::Strato(StratoTela strato) {
    AdattaStrati();
    return strato == StratoTela::Immagine ? immagine_ : transitorio_;
}

void TelaQt::Cancella(StratoTela strato) {
    if (strato == StratoTela::Immagine) {
        Strato(strato).fill(sfondo_);
        update();
        return;
    }
    const QRect zona = segnato_ & Strato(strato).rect();
    segnato_ = {};
    if (zona.isEmpty()) return;
    QPainter pittore(&transitorio_);
    pittore.setCompositionMode(QPainter::CompositionMode_Source);
    pittore.fillRect(zona, Qt::transparent);
    update(zona);
}

void TelaQt::Segna(StratoTela strato, const QRectF& zona) {
    if (strato != StratoTela::Transitorio) return;
    const int margine = std::max(1, spessore_) + 2;
    segnato_ |= zona.normalized().toAlignedRect().adjusted(-margine, -margine, margine, margine);
}

void TelaQt::ImpostaColoreSfondo(int colore) { sfondo_ = ColoreQt(colore); }

void TelaQt::ImpostaColorePrimoPiano(int colore) { primoPiano_ = ColoreQt(colore); }

void TelaQt::PreparaPenna(QPainter& pittore, int colore) const {
    QPen penna(ColoreQt(colore), std::max(1, spessore_));
    penna.setStyle(stile_ == StileTratto::Punteggiato ? Qt::DotLine : Qt::SolidLine);
    penna.setCapStyle(Qt::FlatCap);
    pittore.setPen(penna);
    pittore.setBrush(Qt::NoBrush);
}

void TelaQt::Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) {
    QPainter pittore(&Strato(strato));
    PreparaPenna(pittore, colore);
    pittore.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    Segna(strato, QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    update();
}

void TelaQt::Riquadro(StratoTela strato, float x1, float y1, float x2, float y2, int colore,
                      bool pieno) {
    QPainter pittore(&Strato(strato));
    const QRectF riquadro = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    if (pieno) {
        pittore.fillRect(riquadro.adjusted(0, 0, 1, 1), ColoreQt(colore));
    } else {
        PreparaPenna(pittore, colore);
        pittore.drawRect(riquadro);
    }
    Segna(strato, riquadro);
    update();
}

void TelaQt::Cerchio(StratoTela strato, float xc, float yc, float r, int colore) {
    QPainter pittore(&Strato(strato));
    PreparaPenna(pittore, colore);
    pittore.drawEllipse(QPointF(xc, yc), r, r);
    Segna(strato, QRectF(xc - r, yc - r, 2 * r, 2 * r));
    update();
}

void TelaQt::Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti, int colore) {
    if (punti.empty()) return;
    QPolygon poligono;
    for (const PuntoPixel& p : punti) poligono << QPoint(p.X, p.Y);
    QPainter pittore(&Strato(strato));
    if (ritaglio_) pittore.setClipRegion(*ritaglio_);
    PreparaPenna(pittore, colore);
    pittore.setBrush(ColoreQt(colore));
    pittore.drawPolygon(poligono);
    Segna(strato, poligono.boundingRect());
    update();
}

void TelaQt::RitagliaPoligoni(const std::vector<PuntoPixel>& contorno,
                              const std::vector<std::vector<PuntoPixel>>& fori) {
    // The openings are taken away one by one rather than added under the
    // odd-even rule, so that one reaching beyond the outline, or two that
    // overlap, paint nothing where they lie. A region of pixel spans costs
    // little to set on each of the many pieces of a map.
    QRegion area = Anello(contorno);
    for (const std::vector<PuntoPixel>& foro : fori) area -= Anello(foro);
    ritaglio_ = area;
}

void TelaQt::Testo(StratoTela strato, int x, int y, int altezza, int larghezza, int angoloGradi,
                   const std::string& testo) {
    if (altezza <= 0) return;
    // "Arial" resolves to a metric-compatible face (Liberation Sans) through fontconfig.
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(altezza);
    if (larghezza > 0) {
        const int media = QFontMetrics(carattere).averageCharWidth();
        if (media > 0) carattere.setStretch(std::clamp(100 * larghezza / media, 1, 4000));
    }
    QPainter pittore(&Strato(strato));
    pittore.setRenderHint(QPainter::TextAntialiasing);
    pittore.setFont(carattere);
    pittore.setPen(primoPiano_);
    pittore.translate(x, y);
    pittore.rotate(-angoloGradi);
    pittore.drawText(QPointF(0, QFontMetricsF(carattere).ascent()), TestoQt(testo));
    // A turned text's extent is not worth working out: the overlay rarely holds one.
    Segna(strato, QRectF(transitorio_.rect()));
    update();
}

QImage TelaQt::Composizione() {
    AdattaStrati();
    QImage risultato = immagine_;
    QPainter pittore(&risultato);
    pittore.drawImage(0, 0, transitorio_);
    return risultato;
}

void TelaQt::paintEvent(QPaintEvent* evento) {
    AdattaStrati();
    QPainter pittore(this);
    const QRect zona = evento->rect();
    pittore.drawImage(zona, immagine_, zona);
    pittore.drawImage(zona, transitorio_, zona);
}

void TelaQt::resizeEvent(QResizeEvent* evento) {
    AdattaStrati();
    QWidget::resizeEvent(evento);
}
