// Where the export dialogs open on the real window: the DXF dialog's folder
// tree, the save dialogs of the drawing and of the bill, and the colour picker.
#include "FinestraDiProva.h"

#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormComputo.h"
#include "ui/FormDxf.h"
#include "ui/IdComandi.h"
#include "ui/SelettoreColore.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// What a save dialog showed: the folder it opened in and the name it proposed.
struct Proposta {
    std::string Cartella;
    std::string Nome;
    bool operator==(const Proposta&) const = default;
};

void PrintTo(const Proposta& p, std::ostream* os) { *os << p.Cartella << " | " << p.Nome; }

void Premi(QDialog& d, const char* nome) {
    QPushButton* p = d.findChild<QPushButton*>(QString::fromLatin1(nome));
    ASSERT_NE(p, nullptr) << nome;
    p->click();
}

class FileProposti : public FinestraDiProva {
protected:
    void SetUp() override {
        Avvia();
        cartellaParete = QFileInfo(QString::fromStdString(file)).absolutePath().toStdString();
    }

    // Boxes are answered "No" (the wall is not saved first), a save dialog is
    // recorded and cancelled, any other dialog is handed to azione and closed.
    void Copione(std::function<void(QDialog&)> azione) {
        finestra->Dialoghi().ImpostaCopione([this, azione](QDialog& d) -> int {
            if (qobject_cast<QMessageBox*>(&d)) return QMessageBox::No;
            if (auto* scelta = qobject_cast<QFileDialog*>(&d)) {
                const QString proposto = scelta->selectedFiles().value(0);
                proposte.push_back({scelta->directory().absolutePath().toStdString(),
                                    QFileInfo(proposto).fileName().toStdString()});
                return QDialog::Rejected;
            }
            if (azione) azione(d);
            return QDialog::Rejected;
        });
    }

    int IdComputo() { return finestra->Comandi()->Ids().IdComputo; }

    std::string cartellaParete;
    std::vector<Proposta> proposte;
};

TEST_F(FileProposti, TheDxfDialogOpensOnTheWallsFolderAndProposesItsNames) {
    bool aperto = false;
    Copione([&](QDialog& d) {
        if (qobject_cast<FormComputo*>(&d)) return Premi(d, "SalvaComputo");
        if (!qobject_cast<FormDxf*>(&d)) return;
        aperto = true;
        d.show();
        // The tree shows the open wall's folder, every folder above it expanded.
        auto* albero = d.findChild<QTreeView*>();
        ASSERT_NE(albero, nullptr);
        auto* cartelle = qobject_cast<QFileSystemModel*>(albero->model());
        ASSERT_NE(cartelle, nullptr);
        // The folder model fills itself in the background, slower on a busy
        // machine; the tree keeps its place once the folder is loaded.
        const auto inVista = [&] {
            const QModelIndex i = albero->currentIndex();
            return cartelle->filePath(i).toStdString() == cartellaParete &&
                   albero->visualRect(i).intersects(albero->viewport()->rect());
        };
        QTest::qWait(300);
        (void)QTest::qWaitFor(inVista, 10000);
        const QModelIndex corrente = albero->currentIndex();
        EXPECT_EQ(cartelle->filePath(corrente).toStdString(), cartellaParete);
        for (QModelIndex sopra = corrente.parent(); sopra.isValid(); sopra = sopra.parent())
            EXPECT_TRUE(albero->isExpanded(sopra)) << cartelle->filePath(sopra).toStdString();
        EXPECT_TRUE(albero->visualRect(corrente).intersects(albero->viewport()->rect()))
            << "the folder is scrolled into view";
        // Folders other programs make and delete beside it, sorted above it,
        // while the model is still reading, move its row: it stays in view.
        const QDir sopra = QFileInfo(QString::fromStdString(cartellaParete)).dir();
        for (int giro = 0; giro < 6; ++giro) {
            std::vector<QString> vicine;
            for (int n = 0; n < 12; ++n)
                vicine.push_back(sopra.filePath(
                    QStringLiteral("0-vicina-%1-%2-%3").arg(getpid()).arg(giro).arg(n)));
            for (const QString& v : vicine) ASSERT_TRUE(QDir().mkdir(v)) << v.toStdString();
            QTest::qWait(60);
            for (const QString& v : vicine) QDir().rmdir(v);
            QTest::qWait(60);
        }
        EXPECT_TRUE(QTest::qWaitFor(inVista, 10000)) << "after folders beside it came and went";

        Premi(d, "AggiungiTutti");
        Premi(d, "Genera");
        Premi(d, "Computo");
        d.hide();
    });
    Comando(IdFisso::GeneraDxf);
    ASSERT_TRUE(aperto);
    EXPECT_EQ(proposte, (std::vector<Proposta>{{cartellaParete, "PARETE_ESEMPIO.DXF"},
                                               {cartellaParete, "PARETE_ESEMPIO.rtf"}}));
}

TEST_F(FileProposti, TheBillOfTheOpenWallIsProposedBesideIt) {
    Copione([](QDialog& d) {
        if (qobject_cast<FormComputo*>(&d)) Premi(d, "SalvaComputo");
    });
    Comando(IdComputo());
    EXPECT_EQ(proposte, (std::vector<Proposta>{{cartellaParete, "PARETE_ESEMPIO.rtf"}}));
}

TEST_F(FileProposti, TheColourPickerOpensCentredOnTheScreenNotOnTheExportDialog) {
    QPoint centroPicker;
    QPoint centroDialogo;
    int tolleranza = 0;
    Copione([&](QDialog& d) {
        if (qobject_cast<SelettoreColore*>(&d)) {
            d.show();
            QCoreApplication::processEvents();
            centroPicker = d.frameGeometry().center();
            // The frame is not known before the window shows: it may shift the centre by its width.
            tolleranza = d.frameGeometry().width() - d.width() + 1;
            d.hide();
            return;
        }
        if (!qobject_cast<FormDxf*>(&d)) return;
        d.move(0, 0);
        d.show();
        QCoreApplication::processEvents();
        centroDialogo = d.frameGeometry().center();
        Premi(d, "Colore4");
        d.hide();
    });
    Comando(IdFisso::GeneraDxf);
    const QScreen* schermo = QGuiApplication::primaryScreen();
    ASSERT_NE(schermo, nullptr);
    const QPoint centroSchermo = schermo->geometry().center();
    EXPECT_LE((centroPicker - centroSchermo).manhattanLength(), tolleranza)
        << centroPicker.x() << "," << centroPicker.y();
    EXPECT_NE(centroPicker, centroDialogo);
}

}  // namespace
