#include "ui/BarreComandi.h"

#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/CreaBarreComandi.h"
#include "ui/Icone.h"
#include "ui/IdComandi.h"

#include "AzioniRegistrate.h"
#include "FinestraRegistrata.h"
#include "PareteDiProva.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using I = IdComandi;

QApplication& Applicazione() {
    static int argc = 1;
    static char nome[] = "test";
    static char* argv[] = {nome, nullptr};
    static QApplication applicazione(argc, argv);
    return applicazione;
}

struct Atteso {
    const char* titolo;
    int id;
    bool gruppo;
    bool icona;
};


void Confronta(const BarraComandi& barra, const std::vector<Atteso>& attesi) {
    ASSERT_EQ(barra.Controlli().size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) {
        const ControlloComando& c = *barra.Controlli()[i];
        SCOPED_TRACE(attesi[i].titolo);
        EXPECT_EQ(c.Titolo().toStdString(), attesi[i].titolo);
        EXPECT_EQ(c.Id(), attesi[i].id);
        EXPECT_EQ(c.InizioGruppo(), attesi[i].gruppo);
        EXPECT_EQ(c.HaIcona(), attesi[i].icona);
    }
}

ControlloComando& Unico(BarreComandi& barre, int id) {
    const auto trovati = barre.Trova(id);
    EXPECT_EQ(trovati.size(), 1u) << id;
    return *trovati.front();
}

class Finestra {
public:
    explicit Finestra(int iconeGrandi = 0) {
        sessione.imp.IconeGrandi = iconeGrandi;
        sessione.parete = PareteRettangolare(300, 200);
    }
    ComandiFinestra& Comandi() {
        if (!comandi) comandi = std::make_unique<ComandiFinestra>(&finestra, sessione, vista, interfaccia, azioni);
        return *comandi;
    }
    int Conta(const std::string& evento) const {
        return static_cast<int>(std::count(azioni.Eventi.begin(), azioni.Eventi.end(), evento));
    }

    QApplication& applicazione = Applicazione();  // before any widget
    QMainWindow finestra;
    Sessione sessione;
    Vista vista;
    FinestraRegistrata interfaccia;
    AzioniRegistrate azioni;
    std::unique_ptr<ComandiFinestra> comandi;
};

class BarrePerDimensione : public ::testing::TestWithParam<int> {};

TEST_P(BarrePerDimensione, ComeDaTabella) {
    const int iconeGrandi = GetParam();
    const int base = iconeGrandi + 1;
    const int lato = iconeGrandi ? 24 : 16;
    Finestra f(iconeGrandi);
    BarreComandi& barre = f.Comandi().Barre();
    const IdComandi& ids = f.Comandi().Ids();
    EXPECT_EQ(ids.IdAnnulla, base * 1000 + 105);
    EXPECT_EQ(ids.IdComputo, base * 1000 + 147);
    const auto id = [&](int offset) { return base * 1000 + offset; };

    Confronta(barre.MenuPrincipale(), {{"&File", 1, false, false},
                                       {"&Genera file DXF", 1039, false, false},
                                       {"&Informazioni su...", 1025, false, false}});
    const BarraComandi& file = *barre.MenuPrincipale().Controlli()[0]->Popup();
    Confronta(file, {{"&Apri", id(100), false, true},
                     {"&Salva", id(101), false, true},
                     {"&Impostazioni", id(113), true, true},
                     {"Anonimo", 2031, true, false},
                     {"Anonimo", 2032, false, false},
                     {"Anonimo", 2033, false, false},
                     {"Anonimo", 2034, false, false},
                     {"&Esci", id(103), true, true}});
    EXPECT_EQ(file.DimensioneIcone(), lato);

    QToolBar* standard = barre.BarraStrumenti("Standard");
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->iconSize(), QSize(lato, lato));
    EXPECT_EQ(f.finestra.toolBarArea(standard), Qt::TopToolBarArea);
    const std::vector<Atteso> attesi = {
        {"&Apri", id(100), false, true},
        {"&Salva", id(101), false, true},
        {"Annulla", id(105), true, true},
        {"Ripeti", id(106), false, true},
        {"Zoom", id(107), true, true},
        {"Vista precedente", id(108), false, true},
        {"Vista totale", id(109), false, true},
        {"Avvicina", id(110), false, true},
        {"Allontana", id(111), false, true},
        {"Trascina", id(112), false, true},
        {"Impostazioni", id(113), true, true},
        {"Disponi armature integrative", id(115), true, true},
        {"Mappa armatura da calcolo", id(116), false, true},
        {"Eccedenza area di armatura", id(117), false, true},
        {"Visualizza armatura diffusa", id(118), false, true},
        {"Visualizza armatura integrativa", id(119), false, true},
        {"Visualizza anteprima della tavola", id(120), false, true},
        {"Inserisci armatura integrativa", id(121), true, true},
        {"Copia armatura", id(128), false, true},
        {"Copia armatura sul lato opposto", id(129), false, true},
        {"Copia multipla di armature sul lato opposto", id(122), false, true},
        {"Sposta armatura", id(130), false, true},
        {"Cancella armatura integrativa", id(131), false, true},
        {"Informazioni armature nodi", id(132), false, true},
        {"Modifica perimetro", id(133), true, true},
        {"Inserisci livello solaio", id(148), false, true},
        {"Inserisci parete trasversale", id(149), false, true},
        {"Modifica solaio o parete", id(150), false, true},
        {"Cancella solaio o parete", id(151), false, true},
        {"Nuova sezione orizzontale", id(134), true, true},
        {"Nuova sezione verticale", id(135), false, true},
        {"Sposta sezione", id(136), false, true},
        {"Cancella sezione", id(137), false, true},
        {"Sposta etichetta posizione", id(138), false, true},
        {"Quota orizzontale", id(139), true, true},
        {"Quota verticale", id(140), false, true},
        {"Quota allineata", id(141), false, true},
        {"Cancella quota", id(142), false, true},
        {"Quotatura continua", id(143), false, true},
        {"Sposta quota", id(144), false, true},
        {"Visibilità quota", id(145), false, true},
        {"Quotatura automatica", id(146), false, true},
        {"Computo", id(147), true, true},
        {"Progetto armatura diffusa", id(114), true, true},
    };
    std::vector<const ControlloComando*> sullaBarra;
    for (const auto& c : barre.Tutti())
        if (c->Azione()->parent() == standard) sullaBarra.push_back(c.get());
    ASSERT_EQ(sullaBarra.size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) {
        SCOPED_TRACE(attesi[i].titolo);
        EXPECT_EQ(sullaBarra[i]->Titolo().toStdString(), attesi[i].titolo);
        EXPECT_EQ(sullaBarra[i]->Id(), attesi[i].id);
        EXPECT_EQ(sullaBarra[i]->InizioGruppo(), attesi[i].gruppo);
        EXPECT_TRUE(sullaBarra[i]->Abilitato());
        const QList<QSize> misure = sullaBarra[i]->Azione()->icon().availableSizes();
        EXPECT_TRUE(misure.contains(QSize(lato, lato)));
    }
    EXPECT_EQ(sullaBarra[24]->Tipo(), TipoControllo::PulsanteDiviso);
    Confronta(*sullaBarra[24]->Popup(), {{"Modifica perimetro esterno", 1065, false, false},
                                         {"Modifica perimetro interno", 1066, false, false}});

    // Offset 114 only on its own button; "&Esci" only in the menu.
    EXPECT_EQ(barre.Trova(ids.IdProgetto).size(), 1u);
    EXPECT_EQ(barre.Trova(ids.IdEsci).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Icone, BarrePerDimensione, ::testing::Values(0, 1));

// Each command has an icon of its own, drawn for both sizes.
TEST(Icone, UnaPerComandoEDiverse) {
    Applicazione();
    for (int base : {1, 2}) {
        const int lato = base == 2 ? 24 : 16;
        const std::map<int, QIcon> lista = ListaImmagini(base);
        ASSERT_EQ(lista.size(), 45u);
        std::set<QByteArray> immagini;
        for (const auto& [tag, icona] : lista) {
            ASSERT_GE(tag, base * 1000 + 100);
            ASSERT_LE(tag, base * 1000 + 151);
            const QImage img = icona.pixmap(lato, lato).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(img.size(), QSize(lato, lato));
            EXPECT_NE(img.pixel(0, 0) >> 24, 255u) << tag;  // transparent ground at a corner
            immagini.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
        }
        EXPECT_EQ(immagini.size(), 45u);
    }
    EXPECT_TRUE(IconaComando(102, 16).isNull());
}

TEST(VociRecenti, DueVociVisibili) {
    Finestra f;
    f.sessione.recenti.FileRecenti = {"/lavori/A&B.SET", "/lavori/edificio/P2.SET", "", ""};
    f.sessione.recenti.NumFileRecenti = 2;
    BarreComandi& barre = f.Comandi().Barre();
    const ControlloComando& prima = Unico(barre, 2031);
    EXPECT_EQ(prima.Titolo().toStdString(), "A&&B.SET");
    EXPECT_EQ(prima.Parametro().toStdString(), "/lavori/A&B.SET");
    EXPECT_TRUE(prima.Visibile());
    EXPECT_EQ(Unico(barre, 2032).Titolo().toStdString(), "P2.SET");
    EXPECT_TRUE(Unico(barre, 2032).Visibile());
    EXPECT_FALSE(Unico(barre, 2033).Visibile());
    EXPECT_FALSE(Unico(barre, 2034).Visibile());
}

// A hidden item raises nothing, even triggered from code.
TEST(VociRecenti, NascosteNonScattano) {
    Finestra f;
    f.sessione.recenti.FileRecenti = {"/nessuna/A.SET", "", "", ""};
    f.sessione.recenti.NumFileRecenti = 1;
    BarreComandi& barre = f.Comandi().Barre();
    Unico(barre, 2032).Azione()->trigger();
    Unico(barre, 2034).Azione()->trigger();
    EXPECT_TRUE(f.azioni.Eventi.empty());
    EXPECT_TRUE(f.interfaccia.Eventi.empty());
    Unico(barre, 2031).Azione()->trigger();
    EXPECT_EQ(f.interfaccia.Messaggi(), (std::vector<std::string>{"/nessuna/A.SET non trovato!"}));
    // The list lost the file; its item is hidden at once.
    EXPECT_FALSE(Unico(barre, 2031).Visibile());
}

// The list changes elsewhere (a wall opened); when the menu opens the items
// show the new order, and an item opens the file it shows.
TEST(VociRecenti, SeguonoLaListaRiordinata) {
    Finestra f;
    f.sessione.recenti.FileRecenti = {"/nessuna/A.SET", "/nessuna/B.SET", "", ""};
    f.sessione.recenti.NumFileRecenti = 2;
    BarreComandi& barre = f.Comandi().Barre();
    AggiornaRecenti(f.sessione.recenti, "/nessuna/B.SET");
    QMenu* menu = qobject_cast<QMenu*>(barre.MenuPrincipale().Controlli()[0]->Popup()->Widget());
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    EXPECT_EQ(Unico(barre, 2031).Titolo().toStdString(), "B.SET");
    EXPECT_EQ(Unico(barre, 2032).Titolo().toStdString(), "A.SET");
    Unico(barre, 2031).Azione()->trigger();
    EXPECT_EQ(f.interfaccia.Messaggi(), (std::vector<std::string>{"/nessuna/B.SET non trovato!"}));
    EXPECT_EQ(Unico(barre, 2031).Titolo().toStdString(), "A.SET");
    EXPECT_FALSE(Unico(barre, 2032).Visibile());
}

// The pass applies the rules to the real actions, coalesced: many requests,
// one pass, one panel rebuild; the editor switched off is closed once.
TEST(PassaggioAggiornamento, AzioniOffscreen) {
    Finestra f;
    f.sessione.stato.ModoVista = 2;
    f.sessione.stato.StatoVista = 17;
    f.sessione.stato.VistaCorrente = 5;
    f.sessione.stato.ModificaPoligono = 1;
    ComandiFinestra& comandi = f.Comandi();
    BarreComandi& barre = comandi.Barre();
    const IdComandi& ids = comandi.Ids();
    for (int i = 0; i < 5; ++i) comandi.RichiediAggiornamento();
    QApplication::processEvents();

    EXPECT_EQ(f.Conta("InfoArm"), 1);
    EXPECT_EQ(f.Conta("ChiudiEditor"), 1);
    EXPECT_EQ(f.sessione.stato.ModificaPoligono, 0);
    EXPECT_TRUE(Unico(barre, ids.IdAnteprimaTavola).Selezionato());
    EXPECT_FALSE(Unico(barre, ids.IdVisDiffusa).Selezionato());
    EXPECT_FALSE(Unico(barre, ids.IdSezioneOrizz).Abilitato());
    EXPECT_FALSE(Unico(barre, ids.IdModificaPerimetro).Abilitato());
    EXPECT_FALSE(Unico(barre, ids.IdQuotaOrizz).Abilitato());
    EXPECT_FALSE(Unico(barre, ids.IdAnnulla).Abilitato());
    EXPECT_TRUE(Unico(barre, ids.IdComputo).Abilitato());
    for (ControlloComando* c : barre.Trova(ids.IdApri)) EXPECT_TRUE(c->Abilitato());

    // A disabled control raises nothing.
    Unico(barre, ids.IdSezioneOrizz).Azione()->trigger();
    EXPECT_EQ(f.sessione.stato.Modo, 0);
    EXPECT_EQ(f.sessione.stato.UltimoComando, 0);

    // A command chosen on the toolbar: dispatched, then one pass follows.
    f.azioni.Eventi.clear();
    Unico(barre, ids.IdVisDiffusa).Azione()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f.sessione.stato.ModoVista, 0);
    EXPECT_EQ(f.azioni.Eventi.front(), "AggiornaVisualizzazione");
    EXPECT_TRUE(Unico(barre, ids.IdVisDiffusa).Selezionato());
    EXPECT_FALSE(Unico(barre, ids.IdAnteprimaTavola).Selezionato());
    EXPECT_EQ(f.Conta("InfoArm"), 1);
}

}  // namespace
