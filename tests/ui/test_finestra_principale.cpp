#include "model/Sessione.h"
#include "model/Titolo.h"
#include "ui/FinestraPrincipale.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(FinestraPrincipale, CaptionFollowsTheOpenWall) {
    int argc = 1;
    char nome[] = "test";
    char* argv[] = {nome, nullptr};
    QApplication applicazione(argc, argv);

    Sessione sessione;
    FinestraPrincipale finestra(sessione);
    AggiornaTitolo("", finestra);
    EXPECT_EQ(finestra.windowTitle().toStdString(), "KORVANE Setti C.A. -  [ Anonimo ]");
    AggiornaTitolo("/lavori/edificio A/P12.SET", finestra);
    EXPECT_EQ(finestra.windowTitle().toStdString(), "KORVANE Setti C.A. -  [ P12.SET ]");
}
