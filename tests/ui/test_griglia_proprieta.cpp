#include "design/Modifica.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/PannelloDiffusa.h"
#include "FinestraRegistrata.h"
#include "PareteDiProva.h"
#include "ProvaQt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class Griglia : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
};

Sessione SessioneDiProva(int magliaUnica = 0) {
    Sessione s;
    Parete& p = s.parete;
    p = PareteRettangolare(300, 200);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.MagliaUnica = magliaUnica;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.NumNodi = 1;
    p.Nodi.assign(2, Nodo{});
    p.Nodi[0].X = 150.0f;
    p.Nodi[0].Y = 100.0f;
    p.Nodi[0].Richiesta = {10.0f, 10.0f, 10.0f, 10.0f};
    CodaGeometria(p, s.stato);
    CodaArmatura(p, s.imp);
    return s;
}

// Lets the event loop run for ms milliseconds.
void Attendi(int ms) {
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

// Opens the editor of the item's value, types testo and presses Enter.
void Digita(GrigliaProprieta& griglia, QTreeWidgetItem* voce, const QString& testo) {
    // Making the item current opens its editor; editItem when it already was.
    griglia.setCurrentItem(voce, 1);
    if (griglia.findChild<QLineEdit*>() == nullptr) griglia.editItem(voce, 1);
    auto* editor = griglia.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    editor->setText(testo);
    QKeyEvent premuto(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &premuto);
    QKeyEvent rilasciato(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &rilasciato);
    QApplication::processEvents();
    QApplication::processEvents();
}

struct GrigliaMostrata {
    QWidget finestra;
    GrigliaProprieta* griglia = new GrigliaProprieta(&finestra);
    GrigliaMostrata() {
        auto* l = new QVBoxLayout(&finestra);
        l->addWidget(griglia);
        finestra.resize(400, 300);
        finestra.show();
        finestra.activateWindow();
        QApplication::processEvents();
    }
};

}  // namespace

TEST_F(Griglia, PanelDiffusaFillsOneExpandedCategoryWithTheIdsOfATwoFaceWall) {
    Sessione s = SessioneDiProva();
    GrigliaProprieta griglia;
    PanelDiffusa(s.parete, griglia);
    PanelDiffusa(s.parete, griglia);  // emptied first, not added to
    ASSERT_EQ(griglia.topLevelItemCount(), 1);
    QTreeWidgetItem* categoria = griglia.topLevelItem(0);
    EXPECT_EQ(categoria->text(0), "Armatura diffusa");
    EXPECT_TRUE(categoria->isExpanded());
    ASSERT_EQ(categoria->childCount(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(GrigliaProprieta::Id(*categoria->child(i)), i + 1);
    EXPECT_EQ(categoria->child(0)->text(0), "Diam. dir. 1 lato +");
    EXPECT_EQ(GrigliaProprieta::Valore(*categoria->child(0)), " 12");
    EXPECT_EQ(GrigliaProprieta::Valore(*categoria->child(7)), "20.0");
}

TEST_F(Griglia, ASingleMeshShowsFourItems) {
    Sessione s = SessioneDiProva(-1);
    GrigliaProprieta griglia;
    PanelDiffusa(s.parete, griglia);
    QTreeWidgetItem* categoria = griglia.topLevelItem(0);
    ASSERT_EQ(categoria->childCount(), 4);
    EXPECT_EQ(GrigliaProprieta::Id(*categoria->child(0)), 5);
    EXPECT_EQ(categoria->child(0)->text(0), "Diam. dir. 1");
}

TEST_F(Griglia, EnterCommitsTheEditThroughTheValidationOnce) {
    GrigliaMostrata g;
    QTreeWidgetItem* voce = nullptr;
    g.griglia->Ricostruisci([&] {
        voce = g.griglia->AggiungiVoce(g.griglia->AggiungiCategoria("C"), TipoVoce::Testo, "a", "1", 42);
    });
    std::vector<std::pair<int, QString>> chiamate;
    g.griglia->Validazione = [&](QTreeWidgetItem& v, QString& testo) {
        chiamate.emplace_back(GrigliaProprieta::Id(v), testo);
        testo = testo + "!";
    };
    Digita(*g.griglia, voce, "7");
    ASSERT_EQ(chiamate.size(), 1u);
    EXPECT_EQ(chiamate[0].first, 42);
    EXPECT_EQ(chiamate[0].second, "7");
    EXPECT_EQ(GrigliaProprieta::Valore(*voce), "7!");
}

TEST_F(Griglia, EnterInTheGridDoesNotCloseTheDialogAroundIt) {
    QDialog dialogo;
    auto* griglia = new GrigliaProprieta(&dialogo);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok, &dialogo);
    pulsanti->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    auto* l = new QVBoxLayout(&dialogo);
    l->addWidget(griglia);
    l->addWidget(pulsanti);
    QTreeWidgetItem* voce = nullptr;
    griglia->Ricostruisci([&] {
        voce = griglia->AggiungiVoce(griglia->AggiungiCategoria("C"), TipoVoce::Testo, "a", "1", 1);
    });
    int validazioni = 0;
    griglia->Validazione = [&](QTreeWidgetItem&, QString&) { ++validazioni; };
    dialogo.show();
    dialogo.activateWindow();
    QApplication::processEvents();
    Digita(*griglia, voce, "5");
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(dialogo.result(), QDialog::Rejected);
    EXPECT_EQ(validazioni, 1);
    EXPECT_EQ(GrigliaProprieta::Valore(*voce), "5");
}

TEST_F(Griglia, AValidationThatOpensABoxCommitsOnce) {
    GrigliaMostrata g;
    QTreeWidgetItem* voce = nullptr;
    g.griglia->Ricostruisci([&] {
        voce = g.griglia->AggiungiVoce(g.griglia->AggiungiCategoria("C"), TipoVoce::Testo, "a", "1", 1);
    });
    int validazioni = 0;
    g.griglia->Validazione = [&](QTreeWidgetItem&, QString&) {
        ++validazioni;
        // The box takes the focus from the editor, as a message box does.
        QDialog box(&g.finestra);
        auto* campo = new QLineEdit(&box);
        QTimer::singleShot(50, &box, &QDialog::accept);
        box.show();
        box.activateWindow();
        campo->setFocus();
        QApplication::processEvents();
        box.exec();
    };
    Digita(*g.griglia, voce, "3");
    Attendi(50);
    EXPECT_EQ(validazioni, 1);
    EXPECT_EQ(GrigliaProprieta::Valore(*voce), "3");
}

TEST_F(Griglia, ARebuildAskedForInsideTheValidationWaitsForTheCommit) {
    GrigliaMostrata g;
    const auto riempi = [&](const QString& valore) {
        g.griglia->Ricostruisci([&g, valore] {
            g.griglia->AggiungiVoce(g.griglia->AggiungiCategoria("C"), TipoVoce::Testo, "a", valore, 1);
        });
    };
    riempi("1");
    g.griglia->Validazione = [&](QTreeWidgetItem&, QString&) {
        riempi("ricostruita");
        EXPECT_EQ(g.griglia->topLevelItem(0)->child(0)->text(1), "1");
    };
    Digita(*g.griglia, g.griglia->VoceConId(1), "9");
    Attendi(10);
    EXPECT_EQ(GrigliaProprieta::Valore(*g.griglia->VoceConId(1)), "ricostruita");
}

TEST_F(Griglia, BooleanAndListItems) {
    GrigliaMostrata g;
    QTreeWidgetItem* booleano = nullptr;
    QTreeWidgetItem* lista = nullptr;
    g.griglia->Ricostruisci([&] {
        QTreeWidgetItem* c = g.griglia->AggiungiCategoria("C");
        booleano = g.griglia->AggiungiVoce(c, TipoVoce::Booleano, "b", "1", 2);
        lista = g.griglia->AggiungiVoce(c, TipoVoce::Lista, "l", "20", 3);
        g.griglia->AggiungiScelta(lista, "dieci", 10);
        g.griglia->AggiungiScelta(lista, "venti", 20);
    });
    std::vector<int> cambi;
    g.griglia->CambioValore = [&](QTreeWidgetItem& v) { cambi.push_back(GrigliaProprieta::Id(v)); };
    EXPECT_EQ(GrigliaProprieta::Valore(*booleano), "1");
    EXPECT_EQ(GrigliaProprieta::Valore(*lista), "20");
    EXPECT_EQ(lista->text(1), "venti");
    booleano->setCheckState(1, Qt::Unchecked);
    EXPECT_EQ(GrigliaProprieta::Valore(*booleano), "0");
    EXPECT_EQ(cambi, std::vector<int>{2});
}

TEST_F(Griglia, DistributedEditsThroughTheWindowsGridTakeNoUndoStep) {
    Sessione s = SessioneDiProva();
    FinestraRegistrata f;
    GrigliaMostrata g;
    std::vector<int> nodiMostrati;
    int adattamenti = 0;
    CollegaGrigliaDiffusa(*g.griglia, s, f,
                          {.AdattaFinestra = [&] { ++adattamenti; },
                           .InfoNodo = [&](int n) { nodiMostrati.push_back(n); }});
    PanelDiffusa(s.parete, *g.griglia);
    const StoriaAnnulla storiaPrima = s.storia;

    Digita(*g.griglia, g.griglia->VoceConId(2), "1,9");
    EXPECT_EQ(GrigliaProprieta::Valore(*g.griglia->VoceConId(2)), "20.0");
    EXPECT_EQ(s.parete.PassoDir1Piu, 20.0f);

    s.stato.InfoNodiAttivo = -1;
    s.stato.NodoSelezionato = 0;
    Digita(*g.griglia, g.griglia->VoceConId(1), "12.4");
    EXPECT_EQ(GrigliaProprieta::Valore(*g.griglia->VoceConId(1)), "12.4");
    EXPECT_EQ(s.parete.DiamDir1Piu, 12);
    EXPECT_EQ(f.Messaggi().size(), 1u);
    EXPECT_EQ(adattamenti, 1);
    EXPECT_EQ(nodiMostrati, std::vector<int>{0});

    Digita(*g.griglia, g.griglia->VoceConId(8), "15");
    EXPECT_EQ(GrigliaProprieta::Valore(*g.griglia->VoceConId(8)), "15");
    EXPECT_EQ(s.parete.PassoDir2Meno, 15.0f);
    // No undo step; the wall is marked modified.
    EXPECT_TRUE(s.storia.Modificata);
    StoriaAnnulla passi = s.storia;
    passi.Modificata = storiaPrima.Modificata;
    EXPECT_EQ(passi, storiaPrima);
}

// Typing the value shown again is an edit of the distributed grid: it runs
// the change, which recomputes and fits the view, with no warning since the
// layer keeps its value. A grid that does not ask for it skips such a commit.
TEST_F(Griglia, TheShownValueTypedAgainRunsTheDistributedEdit) {
    Sessione s = SessioneDiProva();
    FinestraRegistrata f;
    GrigliaMostrata g;
    int adattamenti = 0;
    CollegaGrigliaDiffusa(*g.griglia, s, f, {.AdattaFinestra = [&] { ++adattamenti; }, .InfoNodo = {}});
    PanelDiffusa(s.parete, *g.griglia);
    f.Eventi.clear();
    Digita(*g.griglia, g.griglia->VoceConId(2), "20.0");
    EXPECT_EQ(adattamenti, 1);
    EXPECT_EQ(std::count(f.Eventi.begin(), f.Eventi.end(), "AggiornaDopoModifica"), 1);
    EXPECT_TRUE(f.Messaggi().empty());
    EXPECT_EQ(GrigliaProprieta::Valore(*g.griglia->VoceConId(2)), "20.0");

    GrigliaMostrata altra;
    QTreeWidgetItem* voce = nullptr;
    altra.griglia->Ricostruisci([&] {
        voce = altra.griglia->AggiungiVoce(altra.griglia->AggiungiCategoria("C"), TipoVoce::Testo, "a", "1", 42);
    });
    int validazioni = 0;
    altra.griglia->Validazione = [&](QTreeWidgetItem&, QString&) { ++validazioni; };
    Digita(*altra.griglia, voce, "1");
    EXPECT_EQ(validazioni, 0);
}

// The distributed grid is not rebuilt while it shows the values the wall
// holds (a zone's undo leaves them): its items, marked here, stay. Another
// fill, a changed value or an edit in the grid rebuilds it.
TEST_F(Griglia, PanelDiffusaKeepsItsItemsWhileTheyShowTheWall) {
    GrigliaMostrata g;
    Sessione s = SessioneDiProva();
    const auto segna = [&] { g.griglia->VoceConId(1)->setData(0, Qt::UserRole + 50, true); };
    const auto segnata = [&] { return g.griglia->VoceConId(1)->data(0, Qt::UserRole + 50).toBool(); };

    PanelDiffusa(s.parete, *g.griglia);
    segna();
    PanelDiffusa(s.parete, *g.griglia);
    EXPECT_TRUE(segnata()) << "same values";

    s.parete.DiamDir1Piu = 14;
    PanelDiffusa(s.parete, *g.griglia);
    EXPECT_FALSE(segnata()) << "a changed value";
    EXPECT_EQ(GrigliaProprieta::Valore(*g.griglia->VoceConId(1)), " 14");

    g.griglia->Ricostruisci([&] {
        g.griglia->AggiungiVoce(g.griglia->AggiungiCategoria("Altro"), TipoVoce::Testo, "a", "1", 1);
    });
    PanelDiffusa(s.parete, *g.griglia);
    EXPECT_EQ(g.griglia->topLevelItem(0)->text(0), "Armatura diffusa") << "after another fill";

    segna();
    g.griglia->Validazione = [](QTreeWidgetItem&, QString& testo) { testo = " 16"; };
    Digita(*g.griglia, g.griglia->VoceConId(1), "16");
    PanelDiffusa(s.parete, *g.griglia);
    EXPECT_FALSE(segnata()) << "after an edit";
    EXPECT_EQ(GrigliaProprieta::Valore(*g.griglia->VoceConId(1)), " 14");
}
