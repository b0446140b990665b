#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

// The information window of "&Informazioni su...": the program's picture
// with the build label. It closes by itself after the interval, or at the
// first click on the picture or on the label.
class FrmSplash : public QDialog {
    Q_OBJECT
public:
    static constexpr int IntervalloMs = 3000;
    static constexpr int LarghezzaPx = 455;
    static constexpr int AltezzaPx = 265;

    explicit FrmSplash(int twipPerPixel, QWidget* parent = nullptr, int intervalloMs = IntervalloMs);

    int Intervallo() const { return timer_.interval(); }
    QLabel* EtichettaBuild() const { return label1_; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QImage sfondo_;
    QLabel* label1_;
    QTimer timer_;
};
