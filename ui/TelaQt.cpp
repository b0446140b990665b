#include "ui/TelaQt.h"

#include "ui/ColoreQt.h"

#include <QPaintEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <span>

namespace {

// U+009D stands for the diameter sign in the drawing texts.
QString TestoQt(const std::string& testo) {
    QString s = QString::fromStdString(testo);
    s.replace(QChar(0x9D), QChar(0xD8));
    return s;
}

QImage NuovoStrato(QSize dimensione, QColor colore) {
    QImage strato(dimensione.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    strato.fill(colore);
    return strato;
}

bool Intero(float v) { return v == std::floor(v); }

}  // namespace

QRegion RegioneRitaglio(const std::vector<PuntoPixel>& contorno,
                        const std::vector<std::vector<PuntoPixel>>& fori) {
    const auto anello = [](const std::vector<PuntoPixel>& punti) {
        QPolygon poligono;
        for (const PuntoPixel& p : punti) poligono << QPoint(p.X, p.Y);
        return QRegion(poligono, Qt::OddEvenFill);
    };
    // The openings are taken away one by one rather than added under the
    // odd-even rule, so that one reaching beyond the outline, or two that
    // overlap, paint nothing where they lie.
    QRegion area = anello(contorno);
    for (const std::vector<PuntoPixel>& foro : fori) area -= anello(foro);
    return area;
}

TelaQt::TelaQt(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    AdattaStrati();
}

TelaQt::~TelaQt() = default;

void TelaQt::AdattaStrati() {
    // The image cannot change under the painter of a redraw.
    if (aperto_ || immagine_.size() == size().expandedTo(QSize(1, 1))) return;
    immagine_ = NuovoStrato(size(), sfondo_);
    transitorio_ = NuovoStrato(size(), Qt::transparent);
    segnato_ = {};
    ++stratiRifatti_;
}

QImage& TelaQt::Strato(StratoTela strato) {
    AdattaStrati();
    return strato == StratoTela::Immagine ? immagine_ : transitorio_;
}

void TelaQt::IniziaDisegno() {
    if (profondita_++ > 0) return;
    AdattaStrati();
    aperto_ = std::make_unique<Pittore>(immagine_);
    if (limite_.isEmpty())
        ++disegniCompleti_;
    else
        aperto_->Disegno.setClipRegion(limite_);
}

void TelaQt::FineDisegno() {
    if (profondita_ == 0 || --profondita_ > 0) return;
    aperto_.reset();
    update();
}

template <typename Ingombro, typename Tratto>
void TelaQt::Disegna(StratoTela strato, Ingombro ingombro, Tratto tratto, Ritaglio ritaglio) {
    if (aperto_ && strato == StratoTela::Immagine) {
        const int margine = std::max(1, spessore_) + 2;
        if (!limite_.isEmpty() &&
            !limite_.intersects(ingombro().normalized().toAlignedRect().adjusted(
                -margine, -margine, margine, margine)))
            return;
        ApplicaRitaglio(*aperto_, ritaglio);
        tratto(*aperto_);
        return;
    }
    {
        Pittore p(Strato(strato));
        ApplicaRitaglio(p, ritaglio);
        tratto(p);
    }
    if (strato == StratoTela::Transitorio) Segna(ingombro());
    update();
}

void TelaQt::Cancella(StratoTela strato) {
    if (strato == StratoTela::Immagine) {
        if (aperto_) {
            ApplicaRitaglio(*aperto_, Ritaglio::Nessuno);
            aperto_->Disegno.fillRect(immagine_.rect(), sfondo_);
        }
        else
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

void TelaQt::Segna(const QRectF& zona) {
    const int margine = std::max(1, spessore_) + 2;
    segnato_ |= zona.normalized().toAlignedRect().adjusted(-margine, -margine, margine, margine);
}

void TelaQt::ImpostaColoreSfondo(int colore) { sfondo_ = ColoreQt(colore); }

void TelaQt::ImpostaColorePrimoPiano(int colore) { primoPiano_ = ColoreQt(colore); }

void TelaQt::ImpostaPenna(Pittore& p, int colore) const {
    const ChiavePenna chiave{colore, stile_, std::max(1, spessore_)};
    if (p.Penna == chiave) return;
    p.Penna = chiave;
    if (colore < 0) {
        p.Disegno.setPen(Qt::NoPen);
        return;
    }
    QPen penna(ColoreQt(colore), chiave.Spessore);
    penna.setStyle(chiave.Stile == StileTratto::Punteggiato ? Qt::DotLine : Qt::SolidLine);
    penna.setCapStyle(Qt::FlatCap);
    p.Disegno.setPen(penna);
}

void TelaQt::ImpostaPennello(Pittore& p, int colore) {
    if (p.Pennello == colore) return;
    p.Pennello = colore;
    if (colore < 0) {
        p.Disegno.setBrush(Qt::NoBrush);
        return;
    }
    // A map switches between a dozen colours at almost every piece: a brush
    // made once a colour is shared rather than made anew at each switch.
    const auto fatto = std::find_if(pennelli_.begin(), pennelli_.end(),
                                    [colore](const auto& c) { return c.first == colore; });
    if (fatto != pennelli_.end()) {
        p.Disegno.setBrush(fatto->second);
        return;
    }
    pennelli_.emplace_back(colore, QBrush(ColoreQt(colore)));
    p.Disegno.setBrush(pennelli_.back().second);
}

void TelaQt::Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) {
    const auto ingombro = [&] { return QRectF(QPointF(x1, y1), QPointF(x2, y2)); };
    Disegna(strato, ingombro, [&](Pittore& p) {
        ImpostaPenna(p, colore);
        p.Disegno.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    });
}

std::size_t TelaQt::PixelInteri(const RiquadroPixel& r, bool pieno,
                                std::span<QRect, 4> rettangoli) const {
    if (!Intero(r.X1) || !Intero(r.Y1) || !Intero(r.X2) || !Intero(r.Y2)) return 0;
    // Only a thin solid outline is one pixel wide, and only around a box of
    // some size.
    if (!pieno && (stile_ != StileTratto::Continuo || spessore_ > 1 || r.X1 == r.X2 || r.Y1 == r.Y2))
        return 0;
    const QRect tutto(QPoint(static_cast<int>(std::min(r.X1, r.X2)), static_cast<int>(std::min(r.Y1, r.Y2))),
                      QPoint(static_cast<int>(std::max(r.X1, r.X2)), static_cast<int>(std::max(r.Y1, r.Y2))));
    if (pieno || tutto.width() <= 2 || tutto.height() <= 2) {
        rettangoli[0] = tutto;
        return 1;
    }
    rettangoli[0] = QRect(tutto.left(), tutto.top(), tutto.width(), 1);
    rettangoli[1] = QRect(tutto.left(), tutto.bottom(), tutto.width(), 1);
    rettangoli[2] = QRect(tutto.left(), tutto.top() + 1, 1, tutto.height() - 2);
    rettangoli[3] = QRect(tutto.right(), tutto.top() + 1, 1, tutto.height() - 2);
    return 4;
}

void TelaQt::Riquadro(StratoTela strato, float x1, float y1, float x2, float y2, int colore,
                      bool pieno) {
    const auto riquadro = [&] { return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(); };
    std::array<QRect, 4> pixel;
    const std::size_t n = PixelInteri({x1, y1, x2, y2, colore}, pieno, pixel);
    Disegna(strato, riquadro, [&](Pittore& p) {
        if (n > 0) {
            const QColor c = ColoreQt(colore);
            for (const QRect& r : std::span(pixel).first(n)) p.Disegno.fillRect(r, c);
        } else if (pieno) {
            p.Disegno.fillRect(riquadro().adjusted(0, 0, 1, 1), ColoreQt(colore));
        } else {
            ImpostaPenna(p, colore);
            ImpostaPennello(p, -1);
            p.Disegno.drawRect(riquadro());
        }
    });
}

void TelaQt::Riquadri(StratoTela strato, std::span<const RiquadroPixel> riquadri, bool pieno) {
    // Under a limit each box is tested against it; on a painter of its own
    // each would open one.
    if (!aperto_ || strato != StratoTela::Immagine || !limite_.isEmpty()) {
        TelaSchermo::Riquadri(strato, riquadri, pieno);
        return;
    }
    Pittore& p = *aperto_;
    std::array<QRect, 4> pixel;
    std::size_t i = 0;
    while (i < riquadri.size()) {
        const RiquadroPixel& primo = riquadri[i];
        std::size_t n = PixelInteri(primo, pieno, pixel);
        if (n == 0) {
            Riquadro(strato, primo.X1, primo.Y1, primo.X2, primo.Y2, primo.Colore, pieno);
            ++i;
            continue;
        }
        // A run of boxes of one colour on whole pixels is filled in one
        // call: the boxes are opaque, so the order within it does not show.
        rettangoli_.clear();
        do {
            rettangoli_.insert(rettangoli_.end(), pixel.begin(), pixel.begin() + static_cast<std::ptrdiff_t>(n));
            ++i;
        } while (i < riquadri.size() && riquadri[i].Colore == primo.Colore &&
                 (n = PixelInteri(riquadri[i], pieno, pixel)) > 0);
        ApplicaRitaglio(p, Ritaglio::Nessuno);
        ImpostaPenna(p, -1);
        ImpostaPennello(p, primo.Colore);
        p.Disegno.drawRects(rettangoli_.data(), static_cast<int>(rettangoli_.size()));
    }
}

void TelaQt::Cerchio(StratoTela strato, float xc, float yc, float r, int colore) {
    const auto ingombro = [&] { return QRectF(xc - r, yc - r, 2 * r, 2 * r); };
    Disegna(strato, ingombro, [&](Pittore& p) {
        ImpostaPenna(p, colore);
        ImpostaPennello(p, -1);
        p.Disegno.drawEllipse(QPointF(xc, yc), r, r);
    });
}

void TelaQt::Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti, int colore) {
    if (punti.empty()) return;
    vertici_.resize(static_cast<int>(punti.size()));
    std::transform(punti.begin(), punti.end(), vertici_.begin(),
                   [](const PuntoPixel& q) { return QPoint(q.X, q.Y); });
    // No outline: a polygon takes the pixels whose centres it covers, so
    // bands that share an edge tile the map without overlap, and a stroke
    // round each would cost more than its fill.
    Disegna(
        strato, [&] { return QRectF(vertici_.boundingRect()); },
        [&](Pittore& p) {
            ImpostaPenna(p, -1);
            ImpostaPennello(p, colore);
            p.Disegno.drawPolygon(vertici_);
        },
        Ritaglio::Poligoni);
}

void TelaQt::ApplicaRitaglio(Pittore& p, Ritaglio ritaglio) const {
    // The painter of a redraw keeps its clip from stroke to stroke: it is
    // set when a map fill follows another kind of stroke, not on each of a
    // map's many pieces.
    const bool voluto = ritaglio == Ritaglio::Poligoni && ritaglio_.has_value();
    if (p.Ritagliato == voluto) return;
    p.Ritagliato = voluto;
    const bool conLimite = &p == aperto_.get() && !limite_.isEmpty();
    if (voluto)
        p.Disegno.setClipRegion(conLimite ? *ritaglio_ & limite_ : *ritaglio_);
    else if (conLimite)
        p.Disegno.setClipRegion(limite_);
    else
        p.Disegno.setClipping(false);
}

void TelaQt::RimuoviRitaglio() {
    if (aperto_) ApplicaRitaglio(*aperto_, Ritaglio::Nessuno);
    ritaglio_.reset();
}

void TelaQt::RitagliaPoligoni(const std::vector<PuntoPixel>& contorno,
                              const std::vector<std::vector<PuntoPixel>>& fori) {
    if (aperto_) ApplicaRitaglio(*aperto_, Ritaglio::Nessuno);
    ritaglio_ = RegioneRitaglio(contorno, fori);
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
    // A turned text's extent is not worth working out: the overlay rarely
    // holds one, and a redraw under a limit draws every text.
    const auto ovunque = [&] { return QRectF(transitorio_.rect()); };
    Disegna(strato, ovunque, [&](Pittore& p) {
        p.Disegno.setRenderHint(QPainter::TextAntialiasing);
        p.Disegno.setFont(carattere);
        p.Disegno.setPen(primoPiano_);
        p.Penna.reset();
        QTransform posa;
        posa.translate(x, y);
        posa.rotate(-angoloGradi);
        p.Disegno.setTransform(posa);
        p.Disegno.drawText(QPointF(0, QFontMetricsF(carattere).ascent()), TestoQt(testo));
        p.Disegno.resetTransform();
    });
}

QRegion TelaQt::Scorri(int dx, int dy) {
    AdattaStrati();
    const QRect tutto = immagine_.rect();
    if (dx == 0 && dy == 0) return {};
    const int w = immagine_.width(), h = immagine_.height();
    if (std::abs(dx) < w && std::abs(dy) < h) {
        const qsizetype riga = immagine_.bytesPerLine();
        uchar* bit = immagine_.bits();
        const std::size_t byte = static_cast<std::size_t>(w - std::abs(dx)) * 4;
        const int daX = std::max(0, -dx), aX = std::max(0, dx);
        // Rows are moved in the order that never reads one already overwritten.
        const auto sposta = [&](int y) {
            std::memmove(bit + y * riga + aX * 4, bit + (y - dy) * riga + daX * 4, byte);
        };
        if (dy > 0)
            for (int y = h - 1; y >= dy; --y) sposta(y);
        else
            for (int y = 0; y < h + dy; ++y) sposta(y);
    }
    const QRegion scoperta = QRegion(tutto) - QRegion(tutto.translated(dx, dy) & tutto);
    {
        QPainter pittore(&immagine_);
        for (const QRect& r : scoperta) pittore.fillRect(r, sfondo_);
    }
    update();
    return scoperta;
}

void TelaQt::Mostra() {
    if (PrimaDiMostrare) PrimaDiMostrare();
    AdattaStrati();
}

const QImage& TelaQt::Immagine() {
    Mostra();
    return immagine_;
}

QImage TelaQt::Composizione() {
    Mostra();
    QImage risultato = immagine_;
    QPainter pittore(&risultato);
    pittore.drawImage(0, 0, transitorio_);
    return risultato;
}

void TelaQt::paintEvent(QPaintEvent* evento) {
    Mostra();
    QPainter pittore(this);
    const QRect zona = evento->rect();
    pittore.drawImage(zona, immagine_, zona);
    // The overlay is clear outside what it was drawn on since its last clear;
    // blending the rest of it would change nothing.
    const QRect sopra = zona & segnato_;
    if (sopra.isEmpty()) return;
    pittore.drawImage(sopra, transitorio_, sopra);
}

void TelaQt::resizeEvent(QResizeEvent* evento) {
    AdattaStrati();
    QWidget::resizeEvent(evento);
}
