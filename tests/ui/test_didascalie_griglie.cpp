// Every property grid of the real window reads whole: each caption and each
// value fits its column, and each row carries its full caption as tooltip.
#include "FinestraDiProva.h"

#include "PosizioniDiProva.h"

#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/Form2.h"
#include "ui/FormSolai.h"
#include "ui/GrigliaProprieta.h"
#include "ui/IdComandi.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The width a text needs in a cell: the style keeps a margin on each side.
int LarghezzaNecessaria(const GrigliaProprieta& g, const QTreeWidgetItem& voce, int colonna) {
    const int margine = g.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &g) + 1;
    const QFont font = voce.font(colonna).family().isEmpty() ? g.font() : voce.font(colonna);
    return QFontMetrics(font).horizontalAdvance(voce.text(colonna)) + 2 * margine;
}

// Every caption and text value of the grid fits its column; the tooltip is the caption.
void ControllaGriglia(GrigliaProprieta& g, const std::string& dove) {
    ASSERT_TRUE(g.isVisible()) << dove;
    const int inizioValori = g.columnViewportPosition(1);
    const int fineValori = std::min(g.viewport()->width(), inizioValori + g.columnWidth(1));
    int voci = 0;
    for (int c = 0; c < g.topLevelItemCount(); ++c) {
        const QTreeWidgetItem* categoria = g.topLevelItem(c);
        for (int i = 0; i < categoria->childCount(); ++i) {
            const QTreeWidgetItem& voce = *categoria->child(i);
            const std::string didascalia = voce.text(0).toStdString();
            ++voci;
            const int spazio = inizioValori - g.visualItemRect(&voce).left();
            EXPECT_LE(LarghezzaNecessaria(g, voce, 0), spazio) << dove << ": " << didascalia;
            EXPECT_EQ(voce.toolTip(0).toStdString(), didascalia) << dove;
            if (GrigliaProprieta::Tipo(voce) != TipoVoce::Booleano) {
                EXPECT_LE(LarghezzaNecessaria(g, voce, 1), fineValori - inizioValori)
                    << dove << ": value of " << didascalia;
            }
        }
    }
    EXPECT_GT(voci, 0) << dove;
}

// The table's rows open their dialogs through the fixture's helpers.
class DidascalieGriglie : public FinestraDiProva {
public:
    using FinestraDiProva::Comando;
    using FinestraDiProva::finestra;
    using FinestraDiProva::sessione;

    void SetUp() override { Avvia(); }

    // Each dialog is shown as the user sees it, checked, and closed without a change.
    void ControllaDialoghi(const std::string& nome) {
        finestra->Dialoghi().ImpostaCopione([this, nome](QDialog& d) {
            auto* griglia = d.findChild<GrigliaProprieta*>();
            if (!griglia) return int(QDialog::Rejected);
            ++dialoghiVisti;
            d.show();
            QCoreApplication::processEvents();
            ControllaGriglia(*griglia, nome + " (" + d.windowTitle().toStdString() + ")");
            d.hide();
            return int(QDialog::Rejected);
        });
    }

    const IdComandi& Ids() { return finestra->Comandi()->Ids(); }

    // The settings dialog opened from its command, shown as the user sees it,
    // checked by prova and closed without a change.
    void ProvaImpostazioni(const std::function<void(QDialog&)>& prova) {
        bool visto = false;
        finestra->Dialoghi().ImpostaCopione([&](QDialog& d) {
            if (!qobject_cast<Form2*>(&d)) return int(QDialog::Rejected);
            visto = true;
            d.show();
            QCoreApplication::processEvents();
            prova(d);
            d.hide();
            return int(QDialog::Rejected);
        });
        Comando(Ids().IdImpostazioni);
        EXPECT_TRUE(visto);
    }

    int dialoghiVisti = 0;
};

struct Caso {
    const char* nome;
    std::function<void(DidascalieGriglie&)> apri;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class DidascalieGriglieTabella : public DidascalieGriglie,
                                 public ::testing::WithParamInterface<Caso> {};

}  // namespace

TEST_P(DidascalieGriglieTabella, EveryCaptionAndValueFitsItsColumn) {
    ControllaDialoghi(GetParam().nome);
    GetParam().apri(*this);
    EXPECT_EQ(dialoghiVisti, 1) << "the dialog was opened";
}

INSTANTIATE_TEST_SUITE_P(
    Dialoghi, DidascalieGriglieTabella,
    ::testing::Values(
        Caso{.nome = "design parameters",
             .apri = [](DidascalieGriglie& t) { t.Comando(t.Ids().IdProgetto); }},
        Caso{.nome = "settings",
             .apri = [](DidascalieGriglie& t) { t.Comando(t.Ids().IdImpostazioni); }},
        Caso{.nome = "settings of a single-mesh wall",
             .apri =
                 [](DidascalieGriglie& t) {
                     t.sessione.parete.MagliaUnica = 1;
                     t.Comando(t.Ids().IdImpostazioni);
                 }},
        Caso{.nome = "zone",
             .apri =
                 [](DidascalieGriglie& t) {
                     ZonaNuovaAlCentro(t.sessione);
                     t.finestra->MostraDialogoZona();
                 }},
        Caso{.nome = "ring beam",
             .apri =
                 [](DidascalieGriglie& t) {
                     CordoloSulPrimoLato(t.sessione);
                     t.finestra->MostraDialogoCordolo();
                 }},
        Caso{.nome = "slab",
             .apri =
                 [](DidascalieGriglie& t) {
                     t.sessione.stato.Modo = ModoInput::NuovoSolaioInCorso;
                     MostraFormSolai(t.sessione, *t.finestra, t.finestra->Dialoghi(),
                                     t.finestra->TwipPerPixel(), t.finestra.get());
                 }},
        Caso{.nome = "transverse wall",
             .apri =
                 [](DidascalieGriglie& t) {
                     t.sessione.stato.Modo = ModoInput::NuovaPareteInCorso;
                     MostraFormSolai(t.sessione, *t.finestra, t.finestra->Dialoghi(),
                                     t.finestra->TwipPerPixel(), t.finestra.get());
                 }}),
    [](const ::testing::TestParamInfo<Caso>& info) {
        std::string nome;
        for (const char* c = info.param.nome; *c; ++c) nome += std::isalnum(*c) ? *c : '_';
        return nome;
    });

TEST_F(DidascalieGriglie, TheMainGridReadsWholeOnTwoFacesAndOnASingleMesh) {
    ControllaGriglia(finestra->Griglia(), "main grid, two faces");
    sessione.parete.MagliaUnica = 1;
    finestra->PanelDiffusa();
    QCoreApplication::processEvents();
    ControllaGriglia(finestra->Griglia(), "main grid, single mesh");
}

TEST_F(DidascalieGriglie, TheSettingsShowTheLayerNamesAsCellsThatTakeNoTyping) {
    ProvaImpostazioni([&](QDialog& d) {
        for (int i = 0; i < 24; ++i) {
            auto* nome = d.findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(i));
            if (!nome) {
                ADD_FAILURE() << "row " << i;
                continue;
            }
            EXPECT_TRUE(nome->isReadOnly()) << i;
            EXPECT_EQ(nome->text().toStdString(), sessione.imp.NomiLayer[i]) << i;
            EXPECT_LE(nome->fontMetrics().horizontalAdvance(nome->text()),
                      nome->contentsRect().width())
                << "the name reads whole: " << nome->text().toStdString();
        }
        auto* primo = d.findChild<QLineEdit*>(QStringLiteral("Text2_0"));
        const std::string prima = primo->text().toStdString();
        QTest::keyClicks(primo, QStringLiteral("XYZ"));
        EXPECT_EQ(primo->text().toStdString(), prima);
    });
}

namespace {

// The column headings of the layer rows read whole: each holds its text, none
// covers another, the first row or the frame's edge.
void ControllaIntestazioni(const QDialog& d) {
    const QGroupBox* layer = nullptr;
    for (const QGroupBox* g : d.findChildren<QGroupBox*>())
        if (g->title() == QStringLiteral("Layer")) layer = g;
    ASSERT_NE(layer, nullptr);
    const QList<QLabel*> titoli = layer->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    std::vector<std::string> testi;
    for (const QLabel* t : titoli) testi.push_back(t->text().toStdString());
    EXPECT_EQ(testi, (std::vector<std::string>{"Nome", "Colore", "Attivo", "Osnap\nquote"}));
    const auto* primaRiga = layer->findChild<QLineEdit*>(QStringLiteral("Text2_0"));
    ASSERT_NE(primaRiga, nullptr);
    for (int i = 0; i < titoli.size(); ++i) {
        const QLabel& t = *titoli[i];
        const std::string nome = t.text().toStdString();
        const QSize testo = t.fontMetrics().size(0, t.text());
        EXPECT_LE(testo.width(), t.contentsRect().width()) << nome;
        EXPECT_LE(testo.height(), t.contentsRect().height()) << nome;
        EXPECT_TRUE(layer->rect().contains(t.geometry())) << nome;
        EXPECT_LT(t.geometry().bottom(), primaRiga->geometry().top()) << nome;
        for (int j = i + 1; j < titoli.size(); ++j)
            EXPECT_FALSE(t.geometry().intersects(titoli[j]->geometry()))
                << nome << " / " << titoli[j]->text().toStdString();
    }
}

}  // namespace

// "Attivo" once read "Attivc" under "Osnap quote".
TEST_F(DidascalieGriglie, TheSettingsColumnHeadingsReadWhole) {
    ProvaImpostazioni(ControllaIntestazioni);
}
