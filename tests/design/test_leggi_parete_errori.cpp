#include "design/LeggiParete.h"
#include "model/Sessione.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <algorithm>


namespace {

// A wall loaded from its file, then given a design of its own as the user would.
Sessione SessionePrecedente() {
    Sessione s;
    FinestraRegistrata finestra;
    EXPECT_TRUE(LeggiParete(s, PercorsoFixture("COPERTURA.SET"), finestra).Riuscito());
    s.parete.FileCorrente = PercorsoFixture("COPERTURA.SET");
    s.parete.CartellaLavoro = "/lavori";
    s.parete.UltPosizione = 0;
    s.parete.UltSezione = 0;
    s.parete.UltQuota = 0;
    return s;
}

struct Caso {
    std::string nome;
    std::string testo;  // the file as written; empty: no file at all
    int esito;
    std::string messaggio;
};

const std::string ErroreFile = "Errore nella lettura del file della parete.\n";

std::vector<Caso> Casi() {
    const std::string base = Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"));
    const std::string fine = "13 1400.35 450 1.1 1.2 1.3 1.4 Nodo\r\n0 0 0 0 0 Dati lati\r\n0 Fine\r\n";
    return {
        {"versione", Contenuto(PercorsoFixture("VERSIONE_2.SET")), 1,
         "Versione del file non compatibile.\nAggiornare il modulo all'ultima versione, "
         "disponibile sul sito web del produttore."},
        {"tipo 1", Sostituisci(base, "7 0 Parete", "7 1 Parete"), 1, "Il file non è di una parete."},
        {"angolo", Sostituisci(base, "90 25 12 14", "39.9 25 12 14"), -1,
         "L'angolo dell'armatura verticale non risulta corretto. Modificare l'impostazione dei "
         "criteri di progetto.\nPer armatura verticale Av = 90° (angolo dal riferimento "
         "orizzontale). Caricamento interrotto."},
        {"manca", "", 1, ""},
        {"troncato nei nodi", Sostituisci(base, fine, ""), 1,
         ErroreFile + "Il file termina prima del previsto (dopo la riga 26)."},
        {"troncato dopo la riga 3", base.substr(0, base.find("5 Vertici")), 1,
         ErroreFile + "Il file termina prima del previsto (dopo la riga 3)."},
        {"vuoto", " ", 1, ErroreFile + "Il file termina prima del previsto (dopo la riga 1)."},
        {"UTF-8 con un carattere che il file non conserva",
         "\xEF\xBB\xBF" + Sostituisci(base, "CALDENO", "CALDENO \xE2\x86\x92"), 1,
         ErroreFile + "Riga 2: il carattere \"\xE2\x86\x92\" non si può conservare nei file del "
                      "programma (codifica Windows-1252)."},
        {"UTF-16", std::string("\xFF\xFEv\0" "e\0r\0", 8), 1,
         ErroreFile + "Il file è salvato in Unicode (UTF-16), che il programma non legge: va "
                      "salvato come testo ANSI (Windows-1252) o UTF-8."},
        {"testo al posto di un numero", Sostituisci(base, "12 1300 250", "12 1300 abc"), 1,
         ErroreFile + "Riga 26: \"abc\" non è un numero valido."},
        {"conteggio oltre 16 bit", Sostituisci(base, "3 Nodi", "40000 Nodi"), 1,
         ErroreFile + "Riga 24: il valore 40000 è fuori dall'intervallo ammesso."},
        {"numero di nodo oltre 32 bit", Sostituisci(base, "11 1100.25", "3000000000 1100.25"), 1,
         ErroreFile + "Riga 25: il valore 3000000000 è fuori dall'intervallo ammesso."},
        {"contorno di due vertici",
         Sostituisci(base, "5 Vertici contorno\r\n1000.04 200 Vertice\r\n1250 200 Vertice\r\n1500 200 Vertice\r\n",
                     "2 Vertici contorno\r\n"),
         1, ErroreFile + "Riga 4: il contorno della parete ha meno di 3 vertici."},
        {"contorno allineato",
         Sostituisci(base, "1500 500 Vertice\r\n1000 500 Vertice\r\n", "1750 200 Vertice\r\n1800 200 Vertice\r\n"),
         1, ErroreFile + "Il contorno della parete ha meno di 3 vertici non allineati."},
        {"passo negativo", Sostituisci(base, "90 25 12 14", "90 -25 12 14"), 1,
         ErroreFile + "Riga 21: passo delle barre: -25 non è ammesso (da 0 a 100000 cm)."},
        {"passo oltre la lunghezza massima",
         Sostituisci(base, "90 25 12 14", "90 100000.1 12 14"), 1,
         ErroreFile + "Riga 21: passo delle barre: 100000.1 non è ammesso (da 0 a 100000 cm)."},
        // The analysis program's coordinates: the origin is sought below 1e8.
        {"vertice del contorno a 1e9",
         Sostituisci(base, "1000.04 200 Vertice", "1e9 200 Vertice"), 1,
         ErroreFile + "Riga 5: vertice del contorno, x: 1e+09 non è ammesso "
                      "(da -100000000 a 100000000 cm)."},
        // Origin (1000, 200): the outline may reach x = 101000.
        {"contorno oltre l'intervallo dall'origine",
         Sostituisci(base, "1500 500 Vertice", "101000.1 500 Vertice"), 1,
         ErroreFile + "Riga 8: vertice del contorno, x: 101000.1 non è ammesso "
                      "(da -99000 a 101000 cm)."},
        {"apertura lontana", Sostituisci(base, "1100 300 Vertice", "1100 300000 Vertice"), 1,
         ErroreFile + "Riga 11: vertice dell'apertura, y: 300000 non è ammesso "
                      "(da -99800 a 100200 cm)."},
        {"nodo lontano", Sostituisci(base, "12 1300 250", "12 -99001 250"), 1,
         ErroreFile + "Riga 26: nodo, x: -99001 non è ammesso (da -99000 a 101000 cm)."},
        {"spessore oltre la lunghezza massima",
         Sostituisci(base, "25 3 Spessore", "250000 3 Spessore"), 1,
         ErroreFile + "Riga 20: spessore della parete: 250000 non è ammesso (da 0 a 100000 cm)."},
        {"copriferro negativo", Sostituisci(base, "25 3 Spessore", "25 -3 Spessore"), 1,
         ErroreFile + "Riga 20: copriferro: -3 non è ammesso (da 0 a 100000 cm)."},
    };
}

}  // namespace

TEST(LeggiParete, RefusedOrUnreadableFileLeavesTheOpenWallExactlyAsItWas) {
    CartellaTemporanea cartella;
    for (const Caso& caso : Casi()) {
        Sessione s = SessionePrecedente();
        const Parete prima = s.parete;
        const std::string file = caso.testo.empty()
                                     ? (cartella.Percorso() / "MANCA.SET").string()
                                     : cartella.Scrivi("ERRATO.SET", caso.testo);
        FinestraRegistrata finestra;
        const Esito esito = LeggiParete(s, file, finestra);

        EXPECT_EQ(esito.Codice, caso.esito) << caso.nome;
        EXPECT_EQ(s.stato.ErroreOperazione, caso.esito) << caso.nome;
        EXPECT_TRUE(s.parete == prima) << caso.nome;
        const std::string atteso = caso.messaggio.empty()
                                       ? ErroreFile + "Impossibile aprire il file " + file + "."
                                       : caso.messaggio;
        EXPECT_EQ(esito.Motivo, atteso) << caso.nome;
        EXPECT_EQ(finestra.Eventi,
                  std::vector<std::string>{"Messaggio[Attenzione!|esclamazione] " + atteso})
            << caso.nome;
    }
}

TEST(LeggiParete, AFolderIsNoWallFile) {
    CartellaTemporanea cartella;
    const std::string finta = (cartella.Percorso() / "CARTELLA.SET").string();
    std::filesystem::create_directory(finta);
    Sessione s = SessionePrecedente();
    const Parete prima = s.parete;
    FinestraRegistrata finestra;
    EXPECT_EQ(LeggiParete(s, finta, finestra).Codice, 1);
    EXPECT_TRUE(s.parete == prima);
    EXPECT_EQ(finestra.Messaggi().size(), 1u);
}

TEST(LeggiParete, ASuccessfulReadAfterARefusalReportsSuccess) {
    Sessione s = SessionePrecedente();
    FinestraRegistrata finestra;
    ASSERT_EQ(LeggiParete(s, PercorsoFixture("VERSIONE_2.SET"), finestra).Codice, 1);
    EXPECT_TRUE(LeggiParete(s, PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"), finestra).Riuscito());
    EXPECT_EQ(s.stato.ErroreOperazione, 0);
    EXPECT_EQ(s.parete.NumeroParete, 7);
}

// The edges of the range: an outline reaching 100000 cm from the origin and a
// node as far on the other side open as read.
TEST(LeggiParete, ValuesAtTheEdgeOfTheRangeOpen) {
    CartellaTemporanea cartella;
    std::string testo = Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"));
    testo = Sostituisci(testo, "1500 500 Vertice", "101000 500 Vertice");
    testo = Sostituisci(testo, "12 1300 250", "12 -99000 250");
    Sessione s;
    FinestraRegistrata finestra;
    const Esito esito = LeggiParete(s, cartella.Scrivi("BORDO.SET", testo), finestra);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    const Parete& p = s.parete;
    EXPECT_EQ(p.OrigineX, 1000.0f);
    float xMassima = 0.0f;
    for (int i = 0; i < p.NumPuntiContorno; ++i) xMassima = std::max(xMassima, p.Contorno[i].X);
    EXPECT_EQ(xMassima, 100000.0f);
    EXPECT_EQ(p.Nodi[1].X, -100000.0f);
}
