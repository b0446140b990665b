#include "ui/FormDxf.h"

#include "export/EsportaDxf.h"
#include "model/FileIni.h"
#include "model/Sessione.h"
#include "ui/FormComputo.h"
#include "ui/OspiteDialoghi.h"
#include "ui/SelettoreColore.h"

#include "FinestraRegistrata.h"
#include "GruppiLetti.h"
#include "ProvaQt.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace fs = std::filesystem;

namespace {

// A folder with two walls, a session whose profile folder is its own, the
// dialog run through a script.
struct Banco {
    CartellaTemporanea cartella;
    CartellaTemporanea profilo;
    Sessione s;
    FinestraRegistrata finestra;
    OspiteDialoghi dialoghi;
    CopioneDialoghi copione;
    std::function<int(QDialog&)> altri;  // dialogs other than boxes and file dialogs

    Banco() {
        ApplicazioneDiProva();
        ValoriDefault(s.imp);
        s.imp.CartellaUtente = profilo.Percorso().string();
        cartella.Scrivi("A.SET", Contenuto(PercorsoFixture("PARETE_ASSI.SET")));
        cartella.Scrivi("b.set", Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET")));
        cartella.Scrivi("nota.txt", "non una parete");
        s.stato.CartellaPareti = cartella.Percorso().string();
        dialoghi.ImpostaCopione([this](QDialog& d) {
            if (altri && !qobject_cast<QMessageBox*>(&d) && !qobject_cast<QFileDialog*>(&d))
                return altri(d);
            return copione(d);
        });
    }
    std::unique_ptr<FormDxf> Apri() { return std::make_unique<FormDxf>(s, finestra, dialoghi); }
    std::vector<std::string> Testi() const {
        std::vector<std::string> t;
        for (const DialogoVisto& v : copione.Visti) t.push_back(v.Testo);
        return t;
    }
};

void Premi(FormDxf& f, const char* nome) { f.findChild<QPushButton*>(nome)->click(); }
QLineEdit* Casella(FormDxf& f, const QString& nome) { return f.findChild<QLineEdit*>(nome); }

}  // namespace

TEST(FormDxf, ElencaSoloLeParetiDellaCartellaInOgniMaiuscola) {
    Banco b;
    auto f = b.Apri();
    ASSERT_EQ(f->FileCartella().size(), 2u);
    Premi(*f, "AggiungiTutti");
    Premi(*f, "AggiungiTutti");
    EXPECT_EQ(f->FileScelti().size(), 2u);
    f->SelezionaFile({"A.SET"});
    Premi(*f, "Aggiungi");
    EXPECT_EQ(f->FileScelti().size(), 2u);  // already there
    Premi(*f, "RimuoviTutti");
    Premi(*f, "Aggiungi");
    EXPECT_EQ(f->FileScelti(), std::vector<std::string>{(b.cartella.Percorso() / "A.SET").string()});
}

TEST(FormDxf, EsportaLeParetiScelteLasciandoLaPareteAperta) {
    Banco b;
    const Parete aperta = b.s.parete;
    const StatoInterfaccia statoAperto = b.s.stato;
    auto f = b.Apri();
    Premi(*f, "AggiungiTutti");
    const fs::path file = b.cartella.Percorso() / "pareti";  // "DXF" is added
    b.copione.File = {file.string()};
    Premi(*f, "Genera");
    const std::string scritto = file.string() + ".DXF";
    ASSERT_TRUE(fs::exists(scritto)) << testing::PrintToString(b.Testi());
    EXPECT_EQ(f->Avanzamento(), 100);
    EXPECT_EQ(b.s.stato.FileDxf, scritto);
    for (const std::string& riga : LeggiConEzdxf(scritto)) EXPECT_NE(riga.rfind("ERRORE", 0), 0u) << riga;

    // The open wall, its view and history are as they were.
    EXPECT_EQ(b.s.parete, aperta);
    EXPECT_EQ(b.s.stato.VistaCorrente, statoAperto.VistaCorrente);
    EXPECT_EQ(b.s.storia.IndiceAnnulla, 0);
}

TEST(FormDxf, NomiDeiLayerEScalaPresiAllaGenerazione) {
    Banco b;
    auto f = b.Apri();
    Premi(*f, "AggiungiTutti");
    Casella(*f, "Nome5")->setText("ARM DIFFUSA 1");
    Casella(*f, "Nome2")->setText("PERIM");
    Casella(*f, "ScalaMm")->setText("abc");
    Casella(*f, "ScalaUnita")->setText("2,5");
    b.copione.File = {""};  // the save dialog is cancelled
    Premi(*f, "Genera");
    EXPECT_EQ(b.s.imp.NomiLayer[5], "ARM_DIFFUSA 1");
    EXPECT_EQ(Casella(*f, "Nome5")->text(), "ARM_DIFFUSA 1");
    EXPECT_EQ(b.s.imp.NomiLayer[LayerDerivato], "PERIM_SUP");
    EXPECT_EQ(Casella(*f, "ScalaMm")->text(), "1");
    EXPECT_FLOAT_EQ(b.s.imp.ScalaUnita, 2.5f);
    EXPECT_FLOAT_EQ(b.s.imp.ScalaTestiDxf, 0.25f);
    // Cancelled: no file, and the bar never reached 100.
    EXPECT_NE(f->Avanzamento(), 100);
    EXPECT_TRUE(b.s.stato.FileDxf.empty());
}

TEST(FormDxf, RifiutiDetti) {
    struct Caso {
        const char* nome;
        std::function<void(FormDxf&)> prepara;
        std::deque<std::string> file = {};
        std::string messaggio;
    };
    const Caso casi[] = {
        {.nome = "nome non valido",
         .prepara = [](FormDxf& f) {
             Premi(f, "AggiungiTutti");
             Casella(f, "Nome3")->setText("A/B");
         },
         .messaggio = "Il nome del layer A/B non \u00e8 valido o \u00e8 gi\u00e0 usato.\nOperazione annullata!"},
        {.nome = "nessun file scelto", .prepara = [](FormDxf&) {},
         .messaggio = std::string(MessaggioNessunFileDxf)},
        {.nome = "cartella non scrivibile",
         .prepara = [](FormDxf& f) { Premi(f, "AggiungiTutti"); },
         .file = {"/sys/korvane_prova.DXF"},
         .messaggio = std::string(MessaggioCartellaNegata)},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Banco b;
        const auto nomiPrima = b.s.imp.NomiLayer;
        auto f = b.Apri();
        caso.prepara(*f);
        b.copione.File = caso.file;
        Premi(*f, "Genera");
        ASSERT_FALSE(b.copione.Visti.empty());
        EXPECT_EQ(b.copione.Visti.back().Titolo, "Attenzione!");
        EXPECT_EQ(b.copione.Visti.back().Testo, caso.messaggio);
        EXPECT_EQ(b.copione.Visti.size(), caso.file.size() + 1);  // no file dialog before a refusal
        EXPECT_EQ(b.s.imp.NomiLayer[3], nomiPrima[3]);
        EXPECT_NE(f->Avanzamento(), 100);
    }
}

TEST(FormDxf, R12SpentoDopoUnRiavvioAncheSeSalvatoAcceso) {
    Banco b;
    {
        auto f = b.Apri();
            for (QCheckBox* c : f->findChildren<QCheckBox*>())
            if (c->text().startsWith("DXF")) c->setChecked(true);
        Premi(*f, "SalvaImpostazioni");
        EXPECT_EQ(b.s.stato.DxfR12, 1);
    }
    Sessione nuova;
    nuova.imp.CartellaUtente = b.s.imp.CartellaUtente;
    ASSERT_TRUE(LeggiIni(nuova, b.finestra).Riuscito());
    FormDxf dopo(nuova, b.finestra, b.dialoghi);
    EXPECT_FALSE(dopo.Valori().R12);
}

TEST(FormDxf, ColoreSceltoDalSelettore) {
    Banco b;
    auto f = b.Apri();
    b.altri = [](QDialog& d) {
        auto& selettore = dynamic_cast<SelettoreColore&>(d);
        const CellaColore c = CellePalette()[0];
        selettore.Seleziona(c.Sinistra, c.Alto);
        return SelettoreColore::EsitoOk;
    };
    f->findChild<QPushButton*>("Colore4")->click();
    EXPECT_EQ(f->Valori().Colori[4], 18);
    EXPECT_EQ(f->findChild<QPushButton*>("Colore4")->text(), "18");
    EXPECT_NE(b.s.imp.ColoriLayer[4], 18);  // reaches the settings only through Leggi
}

TEST(FormDxf, GuidaStampaEComputoDelleParetiScelte) {
    Banco b;
    auto f = b.Apri();
    Premi(*f, "Guida");
    ASSERT_EQ(b.copione.Visti.size(), 1u);
    EXPECT_EQ(b.copione.Visti[0].Titolo, "Guida stampa");

    Premi(*f, "Computo");
    EXPECT_EQ(b.copione.Visti.back().Testo,
              "Non sono stati selezionati i file dati.\nGenerazione del computo impossibile!");

    b.s.stato.FileDxf = "/disegni/A.B.DXF";
    Premi(*f, "AggiungiTutti");
    bool mostrato = false;
    b.altri = [&](QDialog& d) {
        mostrato = qobject_cast<FormComputo*>(&d) != nullptr;
        return int(QDialog::Accepted);
    };
    Premi(*f, "Computo");
    EXPECT_TRUE(mostrato);
    // Named after the first chosen wall, beside it, not after the last drawing.
    EXPECT_EQ(b.s.stato.FileRelazione, (b.cartella.Percorso() / "A.rtf").string());
}
