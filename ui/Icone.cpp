#include "ui/Icone.h"

#include "ui/IdComandi.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <functional>

namespace {

// Every icon is drawn on a 24-unit grid and scaled to its size.
const QColor Inchiostro(40, 40, 40);
const QColor Acciaio(180, 40, 40);
const QColor Carta(250, 250, 240);
const QColor Cemento(170, 170, 170);
const QColor Verde(30, 150, 50);
const QColor Rosso(210, 30, 30);
const QColor Blu(40, 90, 200);
const QColor Giallo(235, 190, 40);

void Penna(QPainter& p, const QColor& colore, double spessore = 1.5) {
    p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void Freccia(QPainter& p, QPointF da, QPointF a, const QColor& colore) {
    Penna(p, colore, 2.0);
    p.drawLine(da, a);
    const QPointF d = a - da;
    const double l = std::hypot(d.x(), d.y());
    if (l <= 0) return;
    const QPointF u = d / l, n(-u.y(), u.x());
    p.setBrush(colore);
    p.drawPolygon(QPolygonF{a + u * 1.5, a - u * 3.5 + n * 3.0, a - u * 3.5 - n * 3.0});
}

void Piu(QPainter& p, QPointF c, const QColor& colore = Verde) {
    Penna(p, colore, 2.5);
    p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
    p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
}

void Meno(QPainter& p, QPointF c) {
    Penna(p, Rosso, 2.5);
    p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
}

void Croce(QPainter& p, QPointF c) {
    Penna(p, Rosso, 2.5);
    p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
    p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
}

void Lettera(QPainter& p, const QRectF& r, const QString& testo, const QColor& colore) {
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(r.height()));
    f.setBold(true);
    p.setFont(f);
    p.setPen(colore);
    p.drawText(r, Qt::AlignCenter, testo);
}

// A wall panel with its distributed mesh.
void Rete(QPainter& p, const QRectF& r, const QColor& colore = Acciaio) {
    p.setPen(Qt::NoPen);
    p.setBrush(Cemento);
    p.drawRect(r);
    Penna(p, colore, 1.0);
    for (double x = r.left() + 3; x < r.right(); x += 4) p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (double y = r.top() + 3; y < r.bottom(); y += 4) p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

// A zone of additional reinforcement.
void Zona(QPainter& p, const QRectF& r, bool tratteggiata = false) {
    p.setBrush(QColor(255, 210, 210));
    p.setPen(QPen(Acciaio, 1.5, tratteggiata ? Qt::DashLine : Qt::SolidLine));
    p.drawRect(r);
    Penna(p, Acciaio, 2.0);
    p.drawLine(QPointF(r.left() + 2, r.center().y()), QPointF(r.right() - 2, r.center().y()));
}

void Lente(QPainter& p) {
    Penna(p, Inchiostro, 2.0);
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(9, 9), 6.5, 6.5);
    Penna(p, Inchiostro, 3.5);
    p.drawLine(QPointF(14, 14), QPointF(21, 21));
}

// A dimension line between two ticks, along the given segment.
void Quota(QPainter& p, QPointF a, QPointF b) {
    Penna(p, Blu, 1.5);
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double l = std::hypot(d.x(), d.y());
    const QPointF n = QPointF(-d.y(), d.x()) / l * 4.0;
    p.drawLine(a - n, a + n);
    p.drawLine(b - n, b + n);
    p.setBrush(Blu);
    p.drawEllipse(a, 1.2, 1.2);
    p.drawEllipse(b, 1.2, 1.2);
}

// A section line with its end markers.
void Sezione(QPainter& p, bool orizzontale) {
    Rete(p, QRectF(5, 5, 14, 14));
    Penna(p, Inchiostro, 2.0);
    if (orizzontale) {
        p.drawLine(QPointF(2, 12), QPointF(22, 12));
        p.drawLine(QPointF(2, 12), QPointF(2, 7));
        p.drawLine(QPointF(22, 12), QPointF(22, 7));
    } else {
        p.drawLine(QPointF(12, 2), QPointF(12, 22));
        p.drawLine(QPointF(12, 2), QPointF(17, 2));
        p.drawLine(QPointF(12, 22), QPointF(17, 22));
    }
}

// A slab band or a transverse-wall band across the wall.
void Banda(QPainter& p, bool orizzontale) {
    p.setPen(QPen(Inchiostro, 1.0));
    p.setBrush(Cemento);
    p.drawRect(QRectF(3, 3, 16, 16));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(orizzontale ? QRectF(1, 9, 20, 4) : QRectF(9, 1, 4, 20));
}

void Foglio(QPainter& p) {
    p.setPen(QPen(Inchiostro, 1.0));
    p.setBrush(Carta);
    p.drawPolygon(QPolygonF{{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}});
}

void Mappa(QPainter& p) {
    const QColor colori[] = {{40, 60, 220}, {40, 200, 220}, {60, 200, 60}, {240, 220, 40}, {230, 60, 40}};
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
            p.setPen(Qt::NoPen);
            p.setBrush(colori[(i + j) / 2 % 5]);
            p.drawRect(QRectF(2 + i * 4, 2 + j * 4, 4, 4));
        }
}

using Disegno = std::function<void(QPainter&)>;

const std::map<int, Disegno>& Disegni() {
    static const std::map<int, Disegno> disegni = {
        {100, [](QPainter& p) {  // open
             p.setPen(QPen(Inchiostro, 1.0));
             p.setBrush(Giallo);
             p.drawPolygon(QPolygonF{{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}});
             p.setBrush(QColor(250, 220, 100));
             p.drawPolygon(QPolygonF{{5, 11}, {23, 11}, {20, 20}, {2, 20}});
         }},
        {101, [](QPainter& p) {  // save
             p.setPen(QPen(Inchiostro, 1.0));
             p.setBrush(Blu);
             p.drawRect(QRectF(3, 3, 18, 18));
             p.setBrush(Carta);
             p.drawRect(QRectF(6, 3, 12, 7));
             p.setBrush(Cemento);
             p.drawRect(QRectF(7, 14, 10, 7));
         }},
        {103, [](QPainter& p) {  // exit
             p.setPen(QPen(Inchiostro, 1.0));
             p.setBrush(QColor(150, 100, 60));
             p.drawRect(QRectF(3, 2, 10, 20));
             Freccia(p, {11, 12}, {22, 12}, Rosso);
         }},
        {105, [](QPainter& p) {  // undo
             Penna(p, Blu, 2.5);
             QPainterPath arco;
             arco.moveTo(7, 10);
             arco.cubicTo(12, 4, 22, 8, 19, 18);
             p.drawPath(arco);
             Freccia(p, {9, 8}, {4, 12}, Blu);
         }},
        {106, [](QPainter& p) {  // redo
             Penna(p, Blu, 2.5);
             QPainterPath arco;
             arco.moveTo(17, 10);
             arco.cubicTo(12, 4, 2, 8, 5, 18);
             p.drawPath(arco);
             Freccia(p, {15, 8}, {20, 12}, Blu);
         }},
        {107, [](QPainter& p) {  // zoom window
             Lente(p);
             p.setPen(QPen(Inchiostro, 1.0, Qt::DotLine));
             p.drawRect(QRectF(6, 6, 6, 6));
         }},
        {108, [](QPainter& p) {  // previous view
             Lente(p);
             Freccia(p, {13, 9}, {5, 9}, Blu);
         }},
        {109, [](QPainter& p) {  // whole extents
             Lente(p);
             Penna(p, Inchiostro, 1.5);
             p.drawRect(QRectF(5.5, 5.5, 7, 7));
         }},
        {110, [](QPainter& p) {  // zoom in
             Lente(p);
             Piu(p, {9, 9}, Inchiostro);
         }},
        {111, [](QPainter& p) {  // zoom out
             Lente(p);
             Meno(p, {9, 9});
         }},
        {112, [](QPainter& p) {  // pan
             Freccia(p, {12, 12}, {12, 2}, Inchiostro);
             Freccia(p, {12, 12}, {12, 22}, Inchiostro);
             Freccia(p, {12, 12}, {2, 12}, Inchiostro);
             Freccia(p, {12, 12}, {22, 12}, Inchiostro);
         }},
        {113, [](QPainter& p) {  // settings
             Penna(p, Inchiostro, 3.0);
             for (int i = 0; i < 8; ++i) {
                 const double a = i * 3.14159265 / 4;
                 p.drawLine(QPointF(12 + 6 * std::cos(a), 12 + 6 * std::sin(a)),
                            QPointF(12 + 10 * std::cos(a), 12 + 10 * std::sin(a)));
             }
             p.setBrush(Cemento);
             Penna(p, Inchiostro, 2.0);
             p.setBrush(Cemento);
             p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
             p.setBrush(Carta);
             p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
         }},
        {114, [](QPainter& p) {  // automatic design of the distributed layers
             Rete(p, QRectF(2, 2, 20, 20));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(255, 255, 255, 200));
             p.drawEllipse(QPointF(12, 12), 8, 8);
             Lettera(p, QRectF(4, 4, 16, 16), "A", Blu);
         }},
        {115, [](QPainter& p) {  // lay out additional reinforcement
             Mappa(p);
             Piu(p, {17, 17}, Inchiostro);
         }},
        {116, [](QPainter& p) { Mappa(p); }},  // required-area map
        {117, [](QPainter& p) {  // excess map
             Mappa(p);
             Lettera(p, QRectF(8, 6, 14, 14), "+", Inchiostro);
         }},
        {118, [](QPainter& p) { Rete(p, QRectF(2, 2, 20, 20)); }},  // distributed view
        {119, [](QPainter& p) {  // zones view
             Rete(p, QRectF(2, 2, 20, 20), QColor(150, 100, 100));
             Zona(p, QRectF(6, 8, 12, 8));
         }},
        {120, [](QPainter& p) {  // sheet preview
             Foglio(p);
             Rete(p, QRectF(7, 9, 5, 10));
             Penna(p, Inchiostro, 1.0);
             p.drawLine(QPointF(14, 9), QPointF(18, 9));
             p.drawLine(QPointF(14, 12), QPointF(18, 12));
             p.drawLine(QPointF(14, 15), QPointF(18, 15));
         }},
        {121, [](QPainter& p) {  // insert additional reinforcement
             Zona(p, QRectF(2, 5, 14, 10), true);
             Piu(p, {18, 18});
         }},
        {122, [](QPainter& p) {  // multiple copy to the other face
             Zona(p, QRectF(2, 2, 8, 6));
             Zona(p, QRectF(2, 11, 8, 6));
             Freccia(p, {11, 5}, {21, 9}, Verde);
             Freccia(p, {11, 14}, {21, 18}, Verde);
         }},
        {128, [](QPainter& p) {  // copy
             Zona(p, QRectF(2, 2, 12, 9));
             Zona(p, QRectF(10, 13, 12, 9));
         }},
        {129, [](QPainter& p) {  // copy to the other face
             Zona(p, QRectF(2, 4, 9, 16));
             Penna(p, Inchiostro, 1.0);
             p.drawLine(QPointF(12, 2), QPointF(12, 22));
             Freccia(p, {13, 12}, {22, 12}, Verde);
         }},
        {130, [](QPainter& p) {  // move
             Zona(p, QRectF(2, 2, 12, 9), true);
             Freccia(p, {8, 12}, {19, 21}, Inchiostro);
         }},
        {131, [](QPainter& p) {  // delete
             Zona(p, QRectF(2, 4, 14, 10));
             Croce(p, {17, 17});
         }},
        {132, [](QPainter& p) {  // node information
             p.setPen(Qt::NoPen);
             p.setBrush(Blu);
             p.drawEllipse(QPointF(12, 12), 10, 10);
             Lettera(p, QRectF(4, 4, 16, 16), "i", Carta);
         }},
        {133, [](QPainter& p) {  // perimeter
             Penna(p, Inchiostro, 1.5);
             p.setBrush(Cemento);
             const QPolygonF poligono{{3, 20}, {3, 4}, {14, 4}, {21, 11}, {21, 20}};
             p.drawPolygon(poligono);
             p.setBrush(Rosso);
             p.setPen(Qt::NoPen);
             for (const QPointF& v : poligono) p.drawRect(QRectF(v - QPointF(2, 2), QSizeF(4, 4)));
         }},
        {134, [](QPainter& p) { Sezione(p, true); }},
        {135, [](QPainter& p) { Sezione(p, false); }},
        {136, [](QPainter& p) {
             Sezione(p, false);
             Freccia(p, {12, 18}, {22, 18}, Verde);
         }},
        {137, [](QPainter& p) {
             Sezione(p, false);
             Croce(p, {18, 18});
         }},
        {138, [](QPainter& p) {  // position label
             Zona(p, QRectF(2, 12, 12, 9));
             Penna(p, Inchiostro, 1.0);
             p.drawLine(QPointF(8, 16), QPointF(15, 8));
             p.setBrush(Carta);
             p.drawEllipse(QPointF(17, 6), 5, 5);
             Lettera(p, QRectF(13, 2, 8, 8), "1", Inchiostro);
         }},
        {139, [](QPainter& p) { Quota(p, {3, 14}, {21, 14}); }},
        {140, [](QPainter& p) { Quota(p, {12, 3}, {12, 21}); }},
        {141, [](QPainter& p) { Quota(p, {4, 20}, {20, 4}); }},
        {142, [](QPainter& p) {
             Quota(p, {3, 8}, {21, 8});
             Croce(p, {17, 17});
         }},
        {143, [](QPainter& p) {  // chained dimensions
             Quota(p, {2, 12}, {9, 12});
             Quota(p, {9, 12}, {15, 12});
             Quota(p, {15, 12}, {22, 12});
         }},
        {144, [](QPainter& p) {
             Quota(p, {3, 6}, {21, 6});
             Freccia(p, {12, 8}, {12, 21}, Verde);
         }},
        {145, [](QPainter& p) {  // visibility
             Quota(p, {3, 6}, {21, 6});
             Penna(p, Inchiostro, 1.5);
             QPainterPath occhio;
             occhio.moveTo(3, 16);
             occhio.quadTo(12, 8, 21, 16);
             occhio.quadTo(12, 24, 3, 16);
             p.drawPath(occhio);
             p.setBrush(Inchiostro);
             p.drawEllipse(QPointF(12, 16), 2.5, 2.5);
         }},
        {146, [](QPainter& p) {
             Quota(p, {3, 6}, {21, 6});
             Lettera(p, QRectF(6, 10, 12, 12), "A", Blu);
         }},
        {147, [](QPainter& p) {  // bill of quantities
             Foglio(p);
             Lettera(p, QRectF(6, 7, 12, 13), QString(QChar(0x03A3)), Inchiostro);
         }},
        {148, [](QPainter& p) {
             Banda(p, true);
             Piu(p, {18, 18});
         }},
        {149, [](QPainter& p) {
             Banda(p, false);
             Piu(p, {18, 18});
         }},
        {150, [](QPainter& p) {  // edit a slab or wall
             Banda(p, true);
             Penna(p, Giallo, 3.0);
             p.drawLine(QPointF(12, 21), QPointF(21, 12));
             Penna(p, Inchiostro, 1.0);
             p.drawLine(QPointF(10, 23), QPointF(12, 21));
         }},
        {151, [](QPainter& p) {
             Banda(p, true);
             Croce(p, {18, 18});
         }},
    };
    return disegni;
}

}  // namespace

QPixmap IconaComando(int offset, int lato) {
    const auto disegno = Disegni().find(offset);
    if (disegno == Disegni().end()) return {};
    QPixmap pixmap(lato, lato);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 24.0, lato / 24.0);
    disegno->second(p);
    return pixmap;
}

std::map<int, QIcon> ListaImmagini(int base) {
    const int lato = base == 2 ? 24 : 16;
    std::map<int, QIcon> lista;
    for (const ComandoProgramma& c : TabellaComandi())
        lista.emplace(base * 1000 + c.Offset, QIcon(IconaComando(c.Offset, lato)));
    return lista;
}
