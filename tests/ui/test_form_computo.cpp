#include "ui/FormComputo.h"

#include "model/Codifica.h"
#include "model/Sessione.h"
#include "ui/OspiteDialoghi.h"

#include "FinestraRegistrata.h"
#include "LottoComputo.h"
#include "PareteComputo.h"
#include "ProvaQt.h"

#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

// The window as shown: its text, and the user's actions inside it.
struct Utente {
    CopioneDialoghi copione;  // the dialogs the window opens
    std::function<void(FormComputo&)> azioni;
    std::string testoVisto;
    std::string rtf;

    int operator()(QDialog& d) {
        if (auto* f = qobject_cast<FormComputo*>(&d)) {
            testoVisto = f->Documento().toPlainText().toStdString();
            rtf = f->TestoRtf();
            if (azioni) azioni(*f);
            return QDialog::Accepted;
        }
        return copione(d);
    }
};

void Premi(FormComputo& f, const char* nome) { f.findChild<QPushButton*>(nome)->click(); }

Sessione SessioneAperta() {
    Sessione s;
    ValoriDefault(s.imp);
    s.parete = PareteComputo(0);
    return s;
}

}  // namespace

TEST(FormComputo, PareteApertaSalvataConIlNomeProposto) {
    ApplicazioneDiProva();
    CartellaTemporanea c;
    Sessione s = SessioneAperta();
    OspiteDialoghi dialoghi;
    Utente utente;
    const fs::path file = c.Percorso() / "computo";  // the extension is added
    utente.copione.File = {file.string()};
    utente.azioni = [](FormComputo& f) { Premi(f, "SalvaComputo"); };
    dialoghi.ImpostaCopione(std::ref(utente));
    MostraComputo(nullptr, s, dialoghi);

    EXPECT_NE(utente.testoVisto.find("Parete in c.a. n. 7"), std::string::npos);
    EXPECT_NE(utente.testoVisto.find("Volume calcestruzzo = 2.0 mc"), std::string::npos);
    EXPECT_EQ(s.stato.FileRelazione, "ComputoParete.rtf");
    ASSERT_TRUE(fs::exists(file.string() + ".rtf"));
    // The built text itself, in Windows-1252.
    EXPECT_EQ(Contenuto(file.string() + ".rtf"), Utf8ACp1252(utente.rtf));
}

TEST(FormComputo, SalvataggioAnnullatoORifiutato) {
    ApplicazioneDiProva();
    CartellaTemporanea c;
    const std::string esistente = c.Scrivi("vecchio.rtf", "prima");
    struct Caso {
        const char* nome;
        std::string file;
        std::deque<QMessageBox::StandardButton> pulsanti = {};
        bool messaggio;
    };
    const Caso casi[] = {
        {.nome = "annullato", .file = "", .messaggio = false},
        {.nome = "non sostituire", .file = esistente, .pulsanti = {QMessageBox::No}, .messaggio = false},
        {.nome = "cartella mancante", .file = (c.Percorso() / "manca" / "x.rtf").string(),
         .messaggio = true},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Sessione s = SessioneAperta();
        OspiteDialoghi dialoghi;
        Utente utente;
        utente.copione.File = {caso.file};
        utente.copione.Pulsanti = caso.pulsanti;
        utente.azioni = [](FormComputo& f) { Premi(f, "SalvaComputo"); };
        dialoghi.ImpostaCopione(std::ref(utente));
        MostraComputo(nullptr, s, dialoghi);
        const auto& visti = utente.copione.Visti;
        const bool detto = !visti.empty() && visti.back().Titolo == "Attenzione!";
        EXPECT_EQ(detto, caso.messaggio);
        EXPECT_EQ(Contenuto(esistente), "prima");
        EXPECT_FALSE(fs::exists(c.Percorso() / "manca"));
    }
}

TEST(FormComputo, LottoConUnaPareteRifiutataLasciaLaPareteAperta) {
    ApplicazioneDiProva();
    CartellaTemporanea c;
    const std::vector<std::string> lotto = LottoComputo(c);
    Sessione s = SessioneAperta();
    const Parete prima = s.parete;
    s.stato.FileRelazione = "/disegni/PARETI.rtf";
    FinestraRegistrata finestra;
    OspiteDialoghi dialoghi;
    Utente utente;
    utente.azioni = [](FormComputo& f) { Premi(f, "SalvaComputo"); };  // then cancelled
    dialoghi.ImpostaCopione(std::ref(utente));
    MostraComputoPareti(nullptr, lotto, s, finestra, dialoghi);

    EXPECT_NE(utente.testoVisto.find("Pareti c.a. computate:  2"), std::string::npos)
        << utente.testoVisto;
    EXPECT_FALSE(finestra.Messaggi().empty());  // the reader's refusal reaches the user
    EXPECT_EQ(s.parete, prima);
    EXPECT_EQ(s.stato.FileRelazione, "/disegni/PARETI.rtf");
}
