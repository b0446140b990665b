#include "ProvaQt.h"

#include "ui/FrmSplash.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(FrmSplash, ShowsThePictureAndTheBuildForThreeSeconds) {
    ApplicazioneDiProva();
    FrmSplash splash(15);
    EXPECT_EQ(splash.Intervallo(), 3000);
    EXPECT_EQ(splash.size(), QSize(455, 265));
    EXPECT_TRUE(splash.EtichettaBuild()->text().startsWith(QStringLiteral("build ")));
    EXPECT_EQ(splash.EtichettaBuild()->pos(), QPoint(18, 17));
}

TEST(FrmSplash, ClosesByItselfWhenItsTimerRunsOut) {
    ApplicazioneDiProva();
    FrmSplash splash(15, nullptr, 20);
    splash.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 2000));
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST(FrmSplash, ClosesAtAClickOnThePictureOrOnTheLabel) {
    ApplicazioneDiProva();
    FrmSplash immagine(15);
    immagine.show();
    QTest::mouseClick(&immagine, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(immagine.isVisible());

    FrmSplash etichetta(15);
    etichetta.show();
    QTest::mouseClick(etichetta.EtichettaBuild(), Qt::LeftButton);
    EXPECT_FALSE(etichetta.isVisible());
}

}  // namespace
