#include "ui/FrmSplash.h"

#include "ui/PosizioneFinestra.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr char TestoBuild[] = "build 2025.1.0001";

// The program's own picture: a wall elevation with its two bar meshes.
QImage Immagine() {
    QImage immagine(FrmSplash::LarghezzaPx, FrmSplash::AltezzaPx, QImage::Format_RGB32);
    QPainter pittore(&immagine);
    QLinearGradient fondo(0, 0, 0, immagine.height());
    fondo.setColorAt(0, QColor(236, 241, 242));
    fondo.setColorAt(1, QColor(186, 206, 210));
    pittore.fillRect(immagine.rect(), fondo);

    const QRect parete(290, 60, 130, 170);
    pittore.fillRect(parete, QColor(200, 200, 196));
    pittore.setPen(QPen(QColor(57, 113, 119), 1));
    for (int x = parete.left() + 10; x < parete.right(); x += 15)
        pittore.drawLine(x, parete.top() + 6, x, parete.bottom() - 6);
    pittore.setPen(QPen(QColor(170, 40, 40), 1));
    for (int y = parete.top() + 10; y < parete.bottom(); y += 15)
        pittore.drawLine(parete.left() + 6, y, parete.right() - 6, y);
    pittore.setPen(QPen(QColor(60, 60, 60), 2));
    pittore.drawRect(parete);

    QFont titolo(QStringLiteral("Arial"));
    titolo.setPixelSize(34);
    titolo.setBold(true);
    pittore.setFont(titolo);
    pittore.setPen(QColor(40, 60, 64));
    pittore.drawText(QRect(20, 90, 260, 44), Qt::AlignLeft, QStringLiteral("KORVANE"));
    titolo.setPixelSize(22);
    titolo.setBold(false);
    pittore.setFont(titolo);
    pittore.drawText(QRect(20, 134, 260, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Setti C.A.\nArmatura delle pareti"));
    return immagine;
}

}  // namespace

FrmSplash::FrmSplash(int twipPerPixel, QWidget* parent, int intervalloMs)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), sfondo_(Immagine()) {
    setModal(true);
    setFixedSize(LarghezzaPx, AltezzaPx);
    label1_ = new QLabel(QString::fromLatin1(TestoBuild), this);
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(12 * 20 / std::max(1, twipPerPixel));  // 12 pt
    carattere.setBold(true);
    label1_->setFont(carattere);
    label1_->setStyleSheet(QStringLiteral("color: rgb(57, 113, 119); background: transparent;"));
    label1_->adjustSize();
    label1_->move(18, 17);
    label1_->installEventFilter(this);

    timer_.setSingleShot(true);
    timer_.setInterval(intervalloMs);
    connect(&timer_, &QTimer::timeout, this, &QDialog::accept);
    timer_.start();
}

void FrmSplash::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.drawImage(0, 0, sfondo_);
}

void FrmSplash::mousePressEvent(QMouseEvent*) { accept(); }

bool FrmSplash::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == label1_ && evento->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void FrmSplash::showEvent(QShowEvent* evento) {
    CentraSulloSchermo(*this);
    QDialog::showEvent(evento);
}
