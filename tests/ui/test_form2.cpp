#include "ui/Form2.h"

#include "design/Modifica.h"
#include "interaction/GrigliaImpostazioni.h"
#include "model/FileIni.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/OspiteDialoghi.h"
#include "FinestraRegistrata.h"
#include "ProvaQt.h"
#include "SessioneDialoghi.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string NotaIcone =
    "Le dimensioni delle icone verranno modificate al prossimo avvio del programma. "
    "(salvare le impostazioni).";

// Answers the settings dialog with SuForm2, a colour chooser with SuColore
// (cancelled when empty) and every box with OK, keeping the boxes' texts.
struct Copione {
    std::function<int(Form2&)> SuForm2;
    std::function<int(QColorDialog&)> SuColore;
    std::vector<std::string> Box;

    int operator()(QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            Box.push_back(box->windowTitle().toStdString() + "|" + box->text().toStdString());
            return QMessageBox::Ok;
        }
        if (auto* colore = qobject_cast<QColorDialog*>(&d))
            return SuColore ? SuColore(*colore) : QDialog::Rejected;
        if (auto* form = qobject_cast<Form2*>(&d)) return SuForm2 ? SuForm2(*form) : QDialog::Rejected;
        return QDialog::Rejected;
    }
};

template <typename W>
W& Controllo(Form2& f, const QString& nome) {
    W* w = f.findChild<W*>(nome);
    EXPECT_NE(w, nullptr) << nome.toStdString();
    return *w;
}

// Clicks a button of the dialog and gives the code it closed with (the
// dialog's result is 0 until a button closes it).
int Premi(Form2& f, const char* nome) {
    Controllo<QPushButton>(f, nome).click();
    return f.result();
}

// A grid edit as the grid commits it: the validation, then the text it leaves.
QString Digita(GrigliaProprieta& g, int id, const QString& testo) {
    QTreeWidgetItem* voce = g.VoceConId(id);
    EXPECT_NE(voce, nullptr) << id;
    QString t = testo;
    g.Validazione(*voce, t);
    voce->setText(1, t);
    return t;
}

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override { ApplicazioneDiProva(); }

    void Apri(Copione& copione) {
        ospite.ImpostaCopione(std::ref(copione));
        MostraImpostazioni(s, finestra, ospite,
                           {.Ridisegna = [this] { ++ridisegni; }, .ColoriTela = [this] { ++coloriTela; }},
                           15, nullptr);
    }

    CartellaTemporanea cartella;
    Sessione s = SessioneDialoghi(cartella.Percorso().string());
    FinestraRegistrata finestra;
    OspiteDialoghi ospite;
    int ridisegni = 0;
    int coloriTela = 0;
};

int Refreshes(const FinestraRegistrata& f) {
    return static_cast<int>(std::count(f.Eventi.begin(), f.Eventi.end(), "AggiornaDopoModifica"));
}

}  // namespace

TEST_F(Form2Test, TheGridShowsTheCoreTableForTwoFacesAndASingleMesh) {
    for (int maglia : {0, -1}) {
        SCOPED_TRACE(maglia);
        s.parete.MagliaUnica = maglia;
        std::vector<CategoriaImpostazioni> viste;
        Copione c;
        c.SuForm2 = [&](Form2& f) {
            GrigliaProprieta& g = f.Griglia();
            for (int i = 0; i < g.topLevelItemCount(); ++i) {
                QTreeWidgetItem* cat = g.topLevelItem(i);
                EXPECT_TRUE(cat->isExpanded());
                CategoriaImpostazioni vista{cat->text(0).toStdString(), {}};
                for (int j = 0; j < cat->childCount(); ++j) {
                    const QTreeWidgetItem& v = *cat->child(j);
                    vista.Voci.push_back({GrigliaProprieta::Id(v), v.text(0).toStdString(),
                                          GrigliaProprieta::Tipo(v) == TipoVoce::Booleano
                                              ? TipoVoceImpostazione::Booleano
                                              : TipoVoceImpostazione::Testo,
                                          GrigliaProprieta::Valore(v).toStdString()});
                }
                viste.push_back(vista);
            }
            EXPECT_EQ(f.windowTitle(), "Impostazioni");
            EXPECT_EQ(f.findChild<QLineEdit*>("Text2_24"), nullptr);  // layer 24 has no row
            EXPECT_NE(f.findChild<QLineEdit*>("Text2_23"), nullptr);
            return QDialog::Rejected;
        };
        Apri(c);
        EXPECT_EQ(viste, CategorieImpostazioni(s));
        EXPECT_EQ(viste.size(), maglia == 0 ? 5u : 6u);
        EXPECT_TRUE(c.Box.empty());  // no icon note at opening
    }
}

TEST_F(Form2Test, ATypedValueIsLiveBeforeOkAndABadOneIsPutBack) {
    Copione c;
    c.SuForm2 = [&](Form2& f) {
        f.show();
        QApplication::processEvents();
        GrigliaProprieta& g = f.Griglia();
        QTreeWidgetItem* voce = g.VoceConId(1);
        g.setCurrentItem(voce, 1);
        if (g.findChild<QLineEdit*>() == nullptr) g.editItem(voce, 1);
        auto* editor = g.findChild<QLineEdit*>();
        EXPECT_NE(editor, nullptr);
        if (editor == nullptr) return QDialog::Rejected;
        editor->setText("25");
        QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(editor, &invio);
        QApplication::processEvents();
        EXPECT_EQ(s.imp.SovrappMin, 25);
        EXPECT_EQ(f.result(), 0);  // Enter in the editor does not press "&Ok"
        EXPECT_EQ(Digita(g, 1, "19"), "25");
        EXPECT_EQ(s.imp.SovrappMin, 25);
        f.hide();
        return QDialog::Rejected;
    };
    Apri(c);
}

TEST_F(Form2Test, OkAppliesTheControlsAsOneUndoStepAndTheQuantitiesFollow) {
    s = SessioneDialoghi(cartella.Percorso().string(), 0, 0, 1000.0f);
    const Quantita prima = QuantitaDi(s.parete);
    Copione c;
    c.SuColore = [](QColorDialog& d) {
        d.setCurrentColor(QColor(10, 20, 30));
        return QDialog::Accepted;
    };
    c.SuForm2 = [&](Form2& f) {
        Controllo<QCheckBox>(f, "Check4_3").setChecked(false);
        Controllo<QCheckBox>(f, "Check1_2").setChecked(false);
        Controllo<QRadioButton>(f, "Option5_1").click();
        Controllo<QRadioButton>(f, "Option1_0").click();
        Controllo<QLineEdit>(f, "Text1_0").setText("5,5");
        Controllo<QRadioButton>(f, "Option2_1").click();
        Controllo<QPushButton>(f, "Label8_4").click();
        Digita(f.Griglia(), 20, "300");
        EXPECT_EQ(s.imp.LayerVisibili[3], 1);  // not before "&Ok"
        return Premi(f, "Command1");
    };
    Apri(c);
    const Impostazioni& imp = s.imp;
    EXPECT_EQ(imp.LayerVisibili[3], 0);
    EXPECT_EQ(imp.OsnapQuote[2], 0);
    EXPECT_EQ(imp.SfondoBianco, 1);
    EXPECT_EQ(imp.ModoTolleranza, 0);
    EXPECT_EQ(imp.TolleranzaPerc, 5.5f);
    EXPECT_EQ(imp.IconeGrandi, 1);
    EXPECT_EQ(imp.ColoriSchermo[4], Rgb(10, 20, 30));
    EXPECT_EQ(coloriTela, 1);
    EXPECT_EQ(PassiAnnulla(s), 1);
    EXPECT_EQ(Refreshes(finestra), 1);
    EXPECT_EQ(c.Box, std::vector<std::string>{"Attenzione!|" + NotaIcone});
    Sessione fresca = s;
    CodaArmatura(fresca.parete, fresca.imp);
    EXPECT_EQ(QuantitaDi(s.parete), QuantitaDi(fresca.parete));
    EXPECT_NE(QuantitaDi(s.parete), prima);
}

TEST_F(Form2Test, TheCloseBoxAfterALongestBarEditRecomputesWithoutAnUndoStep) {
    s = SessioneDialoghi(cartella.Percorso().string(), 0, 0, 1000.0f);
    const Quantita prima = QuantitaDi(s.parete);
    const int coloreRiga = s.imp.ColoriSchermo[4];
    Copione c;
    c.SuColore = [](QColorDialog& d) {
        d.setCurrentColor(QColor(10, 20, 30));
        return QDialog::Rejected;  // cancelled: the swatch stays
    };
    c.SuForm2 = [&](Form2& f) {
        EXPECT_EQ(Digita(f.Griglia(), 20, "299"), " 600");
        Digita(f.Griglia(), 20, "300");
        Controllo<QPushButton>(f, "Label8_4").click();
        EXPECT_EQ(f.Controlli().Colori[4], coloreRiga);
        Controllo<QCheckBox>(f, "Check4_3").setChecked(false);
        return QDialog::Rejected;
    };
    Apri(c);
    EXPECT_EQ(s.imp.LungMaxFerri, 300.0f);
    EXPECT_EQ(s.imp.LayerVisibili[3], 1);  // the close box applies nothing more
    EXPECT_EQ(PassiAnnulla(s), 0);
    EXPECT_FALSE(s.storia.Modificata);
    EXPECT_EQ(Refreshes(finestra), 1);
    EXPECT_EQ(coloriTela, 0);
    Sessione fresca = s;
    CodaArmatura(fresca.parete, fresca.imp);
    EXPECT_EQ(QuantitaDi(s.parete), QuantitaDi(fresca.parete));
    EXPECT_NE(QuantitaDi(s.parete), prima);
}

TEST_F(Form2Test, SaveThenReadGivesTheSameValues) {
    Copione c;
    c.SuColore = [](QColorDialog& d) {
        d.setCurrentColor(QColor(200, 100, 50));
        return QDialog::Accepted;
    };
    c.SuForm2 = [&](Form2& f) {
        Digita(f.Griglia(), 1, "30");
        Digita(f.Griglia(), 15, "16");
        Controllo<QPushButton>(f, "Label8_7").click();
        Controllo<QCheckBox>(f, "Check1_5").setChecked(false);
        Controllo<QRadioButton>(f, "Option2_1").click();
        Controllo<QLineEdit>(f, "Text1_1").setText("1,25");
        Controllo<QPushButton>(f, "Command3").click();
        return QDialog::Rejected;
    };
    Apri(c);
    ASSERT_TRUE(fs::exists(PercorsoIni(s.imp)));
    Sessione letta;
    letta.imp.CartellaUtente = s.imp.CartellaUtente;
    ASSERT_TRUE(LeggiIni(letta, finestra).Riuscito());
    EXPECT_EQ(letta.imp.SovrappMin, 30);
    EXPECT_EQ(letta.imp.DiamReggistaffa, 16);
    EXPECT_EQ(letta.imp.ColoriSchermo[7], Rgb(200, 100, 50));
    EXPECT_EQ(letta.imp.OsnapQuote[5], 0);
    EXPECT_EQ(letta.imp.IconeGrandi, 1);
    EXPECT_EQ(letta.imp.TolleranzaFissa, 1.25f);
    EXPECT_EQ(TestoIni(letta.imp, letta.stato), TestoIni(s.imp, s.stato));
}

TEST_F(Form2Test, AFailedSaveIsToldTheDialogStaysAndTheValuesStayApplied) {
    // A regular file where the profile folder should be: nothing can be written.
    const std::string bloccata = cartella.Scrivi("bloccata", "x");
    s.imp.CartellaUtente = bloccata;
    Copione c;
    c.SuForm2 = [&](Form2& f) {
        Controllo<QCheckBox>(f, "Check1_5").setChecked(false);
        const int codice = Premi(f, "Command3");
        EXPECT_EQ(codice, 0);  // still open
        EXPECT_EQ(s.imp.OsnapQuote[5], 0);
        return QDialog::Rejected;
    };
    Apri(c);
    ASSERT_EQ(finestra.Messaggi().size(), 1u);
    EXPECT_NE(finestra.Messaggi()[0].find("bloccata"), std::string::npos);
}

TEST_F(Form2Test, AReadOnlyFolderKeepsTheOldFileByteForByte) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const std::string vecchio = "7\r\nvecchio\r\n";
    cartella.Scrivi("Vorlex.ini", vecchio);
    fs::permissions(cartella.Percorso(), fs::perms::owner_write, fs::perm_options::remove);
    Copione c;
    c.SuForm2 = [&](Form2& f) {
        Controllo<QPushButton>(f, "Command3").click();
        return QDialog::Rejected;
    };
    Apri(c);
    fs::permissions(cartella.Percorso(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(finestra.Messaggi().size(), 1u);
    std::ifstream f(PercorsoIni(s.imp), std::ios::binary);
    std::stringstream letto;
    letto << f.rdbuf();
    EXPECT_EQ(letto.str(), vecchio);
}

TEST_F(Form2Test, ResetTouchesSettingsOnly) {
    s = SessioneDialoghi(cartella.Percorso().string(), -1, 1);
    s.parete.DiamIntegrativa = 16;
    s.stato.ModoVista = 1;
    s.stato.StatoVista = 3;
    s.stato.VistaCorrente = 3;
    s.stato.LatoCorrente = 1;
    s.stato.DirezioneCorrente = 1;
    s.imp.SovrappMin = 40;
    s.imp.IconeGrandi = 1;
    s.imp.ColoriSchermo[2] = Rgb(1, 1, 1);
    cartella.Scrivi("Vorlex.ini", "7\r\n");
    const Parete parete = s.parete;
    const StatoInterfaccia stato = s.stato;
    Copione c;
    c.SuForm2 = [&](Form2& f) {
        Controllo<QPushButton>(f, "Command4").click();
        EXPECT_EQ(s.imp.SovrappMin, 20);
        EXPECT_EQ(Controllo<QRadioButton>(f, "Option2_0").isChecked(), true);
        EXPECT_NE(f.Griglia().VoceConId(95), nullptr);  // still a single mesh
        return QDialog::Rejected;
    };
    Apri(c);
    EXPECT_FALSE(fs::exists(PercorsoIni(s.imp)));
    EXPECT_EQ(ridisegni, 1);
    EXPECT_EQ(s.imp.SovrappMin, 20);
    EXPECT_EQ(s.imp.IconeGrandi, 0);
    EXPECT_EQ(s.imp.ColoriSchermo[2], Impostazioni().ColoriSchermo[2]);
    EXPECT_TRUE(s.parete.DatiFile() == parete.DatiFile());
    EXPECT_TRUE(s.parete.Progetto() == parete.Progetto());
    EXPECT_TRUE(s.stato == stato);
    EXPECT_EQ(PassiAnnulla(s), 0);
    EXPECT_FALSE(s.storia.Modificata);
    for (const std::string& e : finestra.Eventi) EXPECT_EQ(e.find("Mostra"), std::string::npos) << e;
    EXPECT_EQ(c.Box, std::vector<std::string>{"Attenzione!|" + NotaIcone});  // 24 became 16
}

TEST_F(Form2Test, AnnullaRestoresTheTwentyValuesOnly) {
    s.imp.SovrappMin = 40;
    s.imp.ColoriSchermo[2] = Rgb(1, 1, 1);
    Copione c;
    c.SuForm2 = [&](Form2& f) {
        Digita(f.Griglia(), 13, "20");
        Digita(f.Griglia(), 90, "50");
        Controllo<QPushButton>(f, "Command4").click();
        return Premi(f, "Command2");
    };
    Apri(c);
    EXPECT_EQ(s.imp.SovrappMin, 40);
    EXPECT_EQ(s.parete.DiamIntegrativa, 12);
    EXPECT_EQ(s.imp.PassoGrigliaX, 10);  // the reset's, not restored
    EXPECT_EQ(s.imp.ColoriSchermo[2], Impostazioni().ColoriSchermo[2]);
    EXPECT_EQ(PassiAnnulla(s), 0);
    EXPECT_EQ(Refreshes(finestra), 1);
}

TEST_F(Form2Test, TheIconNoteComesOnceForEveryChangeOfTheShownSize) {
    Copione c;
    c.SuForm2 = [&](Form2& f) {
        Controllo<QRadioButton>(f, "Option2_1").click();  // note
        Controllo<QRadioButton>(f, "Option2_1").click();  // stays: none
        Controllo<QPushButton>(f, "Command5").click();    // back to 16: note
        Controllo<QPushButton>(f, "Command5").click();    // stays: none
        Controllo<QRadioButton>(f, "Option2_0").click();  // stays: none
        return QDialog::Rejected;
    };
    Apri(c);
    EXPECT_EQ(c.Box.size(), 2u);
}

TEST_F(Form2Test, EndBendsEditIsOneUndoStep) {
    s = SessioneDialoghi(cartella.Percorso().string(), -1, 0);
    Copione c;
    c.SuForm2 = [&](Form2& f) {
        f.Griglia().VoceConId(95)->setCheckState(1, Qt::Checked);
        return Premi(f, "Command2");
    };
    Apri(c);
    EXPECT_EQ(s.parete.PiegaAncoraggio, 1);  // "&Annulla" does not restore it
    EXPECT_EQ(PassiAnnulla(s), 1);
    EXPECT_TRUE(s.storia.Modificata);
}
