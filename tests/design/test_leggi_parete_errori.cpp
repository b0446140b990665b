#include "design/LeggiParete.h"
#include "model/Parete.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

void Scrivi(std::ostream& o, const std::vector<Punto>& punti) {
    for (const Punto& v : punti) o << v.X << ',' << v.Y << ' ';
    o << '\n';
}

// Everything a read replaces or empties, as one text to compare.
std::string Impronta(const Parete& p) {
    std::ostringstream o;
    o.precision(9);
    o << p.FileCorrente << '|' << p.CartellaLavoro << '|' << p.DataFileSet << '|' << p.NumeroParete
      << '|' << p.TipoStruttura << '|' << p.NumPuntiContorno << '|' << p.NumPuntiEst << '|'
      << p.NumPuntiInt << '|' << p.OrigineX << '|' << p.OrigineY << '\n';
    Scrivi(o, p.Contorno);
    Scrivi(o, p.PerimetroEsterno);
    Scrivi(o, p.PerimetroInterno);
    o << p.NumAperture << '|';
    for (int v : p.PuntiApertura) o << v << ' ';
    for (int v : p.InizioApertura) o << v << ' ';
    for (float v : p.XAperture) o << v << ' ';
    for (float v : p.YAperture) o << v << ' ';
    o << '\n' << p.SpessoreParete << '|' << p.Copriferro << '|' << p.GradiArm1 << '|' << p.GradiArm2
      << '|' << p.AngoloArm1 << '|' << p.AngoloArm2 << '|' << p.CosDir1 << '|' << p.SinDir1 << '|'
      << p.CosDir2 << '|' << p.SinDir2 << '\n';
    o << p.DiamDir1Piu << ' ' << p.DiamDir2Piu << ' ' << p.DiamDir1Meno << ' ' << p.DiamDir2Meno
      << ' ' << p.PassoDir1Piu << ' ' << p.PassoDir2Piu << ' ' << p.PassoDir1Meno << ' '
      << p.PassoDir2Meno << ' ' << p.MagliaUnica << ' ' << p.DiamIntegrativa << '\n';
    o << p.NumNodi << '|';
    for (const Nodo& n : p.Nodi) {
        o << n.Id << ' ' << n.X << ' ' << n.Y;
        for (float a : n.Richiesta) o << ' ' << a;
        o << ';';
    }
    o << '\n' << p.UltimoTriangolo << '|' << p.Triangoli.size() << '|' << p.UltPosizione << '|'
      << p.Posizioni.size() << '|' << p.UltSezione << '|' << p.UltQuota << '|' << p.NumQuoteLivello
      << '|' << p.UltSolaio << '|' << p.UltParete << '|' << p.XmaxParete << '|' << p.LarghezzaFoglio
      << '|' << p.ContornoDir1.size() << '\n';
    return o.str();
}

// A wall loaded from its file, then given a design of its own as the user would.
Parete ParetePrecedente() {
    Parete p;
    FinestraRegistrata finestra;
    LeggiParete(p, PercorsoFixture("COPERTURA.SET"), finestra);
    EXPECT_EQ(p.ErroreOperazione, 0);
    p.FileCorrente = PercorsoFixture("COPERTURA.SET");
    p.CartellaLavoro = "/lavori";
    p.UltPosizione = 0;
    p.UltSezione = 0;
    p.UltQuota = 0;
    return p;
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
         ErroreFile + "Riga 21: passo delle barre fuori dall'intervallo ammesso."},
        {"diametro negativo", Sostituisci(base, "0 0 10 0 Direzione 2", "0 0 -10 0 Direzione 2"), 1,
         ErroreFile + "Riga 22: diametro delle barre fuori dall'intervallo ammesso."},
    };
}

}  // namespace

TEST(LeggiParete, RefusedOrUnreadableFileLeavesTheOpenWallExactlyAsItWas) {
    CartellaTemporanea cartella;
    for (const Caso& caso : Casi()) {
        Parete p = ParetePrecedente();
        const std::string prima = Impronta(p);
        const std::string file = caso.testo.empty()
                                     ? (cartella.Percorso() / "MANCA.SET").string()
                                     : cartella.Scrivi("ERRATO.SET", caso.testo);
        FinestraRegistrata finestra;
        LeggiParete(p, file, finestra);

        EXPECT_EQ(p.ErroreOperazione, caso.esito) << caso.nome;
        EXPECT_EQ(Impronta(p), prima) << caso.nome;
        const std::string atteso = caso.messaggio.empty()
                                       ? ErroreFile + "Impossibile aprire il file " + file + "."
                                       : caso.messaggio;
        EXPECT_EQ(finestra.Eventi,
                  std::vector<std::string>{"Messaggio[Attenzione!|esclamazione] " + atteso})
            << caso.nome;
    }
}

TEST(LeggiParete, AFolderIsNoWallFile) {
    CartellaTemporanea cartella;
    const std::string finta = (cartella.Percorso() / "CARTELLA.SET").string();
    std::filesystem::create_directory(finta);
    Parete p = ParetePrecedente();
    const std::string prima = Impronta(p);
    FinestraRegistrata finestra;
    LeggiParete(p, finta, finestra);
    EXPECT_EQ(p.ErroreOperazione, 1);
    EXPECT_EQ(Impronta(p), prima);
    EXPECT_EQ(finestra.Messaggi().size(), 1u);
}

TEST(LeggiParete, ASuccessfulReadAfterARefusalReportsSuccess) {
    Parete p = ParetePrecedente();
    FinestraRegistrata finestra;
    LeggiParete(p, PercorsoFixture("VERSIONE_2.SET"), finestra);
    ASSERT_EQ(p.ErroreOperazione, 1);
    LeggiParete(p, PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"), finestra);
    EXPECT_EQ(p.ErroreOperazione, 0);
    EXPECT_EQ(p.NumeroParete, 7);
}
