#include "ui/SelettoreColore.h"

#include "drawing/Palette.h"
#include "ui/ColoreQt.h"
#include "ui/OspiteDialoghi.h"
#include "ui/PosizioneFinestra.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// Twips of the window's design at 15 twips per pixel.
constexpr int Px(int twip) { return twip / 15; }

QRectF Riquadro(const CellaColore& c) {
    // The frame runs from 2 pixels outside the square to 3 beyond its far edges.
    return QRectF(QPointF(c.Sinistra - 2, c.Alto - 2), QPointF(c.Destra + 3, c.Basso + 3));
}

int AciValido(int aci) { return aci >= 1 && aci <= 255 ? aci : 0; }

QString Anteprima(int rgb) {
    return QStringLiteral("background-color: %1; border: 1px solid black;").arg(ColoreQt(rgb).name());
}

}  // namespace

// The palette picture: squares painted from the table, frames from the
// picker's selection and hover.
class TavolozzaColori : public QWidget {
public:
    explicit TavolozzaColori(SelettoreColore& selettore, QWidget* padre)
        : QWidget(padre), selettore_(selettore) {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (const CellaColore& c : selettore_.celle_)
            p.fillRect(QRect(QPoint(c.Sinistra, c.Alto), QPoint(c.Destra, c.Basso)), ColoreQt(c.ColoreRgb));
        p.setBrush(Qt::NoBrush);
        if (const auto e = selettore_.evidenziata_) {
            p.setPen(QPen(QColor(0, 0, 255), 2));
            p.drawRect(Riquadro(selettore_.celle_[*e]));
        }
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawRect(Riquadro(selettore_.celle_[selettore_.scelta_]));
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        selettore_.Sorvola(e->position().toPoint().x(), e->position().toPoint().y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        selettore_.Seleziona(e->position().toPoint().x(), e->position().toPoint().y());
    }

private:
    SelettoreColore& selettore_;
};

SelettoreColore::SelettoreColore(int aciCorrente, QWidget* padre)
    : QDialog(padre), celle_(CellePalette()) {
    setWindowTitle(QStringLiteral("Selettore colore"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Px(11250), Px(4965));
    // Centred on the screen, not on the dialog that opens it.
    CentraSulloSchermo(*this);

    auto* cornice = new QGroupBox(QStringLiteral(" CAD Color Index: "), this);
    QFont grassetto = font();
    grassetto.setBold(true);
    cornice->setFont(grassetto);
    cornice->setGeometry(Px(75), Px(75), Px(9255), Px(4815));
    tavolozza_ = new TavolozzaColori(*this, cornice);
    tavolozza_->setGeometry(Px(75), Px(210), Px(9090), Px(4515));
    indiceColore_ = new QLabel(QStringLiteral("Indice colore:"), tavolozza_);
    indiceColore_->setFont(grassetto);
    indiceColore_->setGeometry(Px(7680), Px(4140), Px(900), Px(225));

    idColore_ = new QLabel(this);
    idColore_->setFont(grassetto);
    idColore_->setAlignment(Qt::AlignCenter);
    idColore_->setGeometry(Px(9420), Px(240), Px(1695), Px(195));
    const int altiComponenti[3] = {645, 930, 1245};
    for (int i = 0; i < 3; ++i) {
        componenti_[i] = new QLabel(this);
        componenti_[i]->setFont(grassetto);
        componenti_[i]->setGeometry(Px(9795), Px(altiComponenti[i]), Px(900), Px(225));
    }
    anteprima_[0] = new QLabel(this);
    anteprima_[0]->setGeometry(Px(9465), Px(1875), 78, 78);
    anteprima_[1] = new QLabel(this);
    anteprima_[1]->setGeometry(Px(9885), Px(2460), 78, 78);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setDefault(true);
    ok->setGeometry(Px(9480), Px(3960), Px(1635), Px(360));
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("Annulla"));
    annulla->setGeometry(Px(9480), Px(4470), Px(1635), Px(345));
    connect(ok, &QPushButton::clicked, this, [this] { done(EsitoOk); });
    connect(annulla, &QPushButton::clicked, this, [this] { done(EsitoAnnulla); });

    aciScelto_ = AciApertura(AciValido(aciCorrente));
    aciIniziale_ = aciScelto_;
    for (int n = 0; n < NumCellePalette; ++n)
        if (celle_[n].Aci == aciScelto_) scelta_ = n;
    MostraComponenti();
    const QString colore = Anteprima(celle_[scelta_].ColoreRgb);
    anteprima_[0]->setStyleSheet(colore);
    anteprima_[1]->setStyleSheet(colore);
    indiceColore_->setText(QString::number(aciScelto_));
}

void SelettoreColore::MostraComponenti() {
    ComponentiRgb rgb;
    ComponentiAci(aciScelto_, rgb);
    componenti_[0]->setText(QStringLiteral("R = %1").arg(rgb.R));
    componenti_[1]->setText(QStringLiteral("G = %1").arg(rgb.G));
    componenti_[2]->setText(QStringLiteral("B = %1").arg(rgb.B));
    idColore_->setText(QStringLiteral("id colore =  %1").arg(aciScelto_));
}

void SelettoreColore::Sorvola(int x, int y) {
    const auto n = CellaSotto(celle_, x, y);
    if (!n) return;
    indiceColore_->setText(QString::number(celle_[*n].Aci));
    // Over the selected swatch the blue frame stays where it was.
    if (celle_[*n].Aci != aciScelto_) evidenziata_ = *n;
    tavolozza_->update();
}

void SelettoreColore::Seleziona(int x, int y) {
    const auto n = CellaSotto(celle_, x, y);
    if (!n) return;
    indiceColore_->setText(QString::number(celle_[*n].Aci));
    scelta_ = *n;
    aciScelto_ = celle_[*n].Aci;
    if (evidenziata_ == scelta_) evidenziata_.reset();
    MostraComponenti();
    // Only the first preview follows; the second keeps the opening colour.
    anteprima_[0]->setStyleSheet(Anteprima(celle_[*n].ColoreRgb));
    tavolozza_->update();
}

int ScegliColoreAci(QWidget* padre, OspiteDialoghi& dialoghi, int aciCorrente) {
    SelettoreColore selettore(aciCorrente, padre);
    switch (dialoghi.Esegui(selettore)) {
        case SelettoreColore::EsitoOk: return selettore.AciScelto();
        case SelettoreColore::EsitoAnnulla: return selettore.AciIniziale();
        default: return aciCorrente;
    }
}
