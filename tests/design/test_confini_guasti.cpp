// The core's boundaries against a fault from a library (an exception: memory
// that runs out, a numeric cast of the geometry that overflows): a change, an
// open, a save, Save As, undo and redo, a redraw. No exception leaves the
// call, the user is told with "Errore!", and the wall, the undo history with
// its snapshot files and the files on disk are what they were before it.

#include "design/AnnullaModifica.h"
#include "design/ArmatureVecchie.h"
#include "design/CaricaProgetto.h"
#include "design/GeometriaZona.h"
#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "design/Ridisegna.h"
#include "design/RitagliaZona.h"
#include "design/SalvaConNome.h"
#include "design/SalvaParete.h"
#include "design/Triangolazione.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "RiquadroRegistrato.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <boost/numeric/conversion/converter_policies.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <new>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum class Guasto { Memoria, Numerico };

const char* NomeGuasto(Guasto g) { return g == Guasto::Memoria ? "bad_alloc" : "positive_overflow"; }

// The two faults of the libraries the program uses.
[[noreturn]] void Lancia(Guasto g) {
    if (g == Guasto::Memoria) throw std::bad_alloc();
    throw boost::numeric::positive_overflow();
}

// The standard tails, stopped by the fault halfway: the geometry tail runs
// whole, the reinforcement tails after their missing areas, so that what
// derives from the design is half recomputed when the fault comes.
class RicalcoloGuasto : public Ricalcolo {
public:
    explicit RicalcoloGuasto(Guasto guasto) : guasto_(guasto) {}
    void Geometria(Sessione& s) const override { Ricalcolo::Geometria(s); }
    void Armatura(Sessione& s) const override { Aree(s); }
    void Aree(Sessione& s) const override {
        CodaAree(s.parete);
        Lancia(guasto_);
    }

private:
    Guasto guasto_;
};

// Every file of a folder, name and bytes.
std::map<std::string, std::string> FileIn(const fs::path& cartella) {
    std::map<std::string, std::string> file;
    for (const auto& voce : fs::directory_iterator(cartella))
        file[voce.path().filename().string()] = Contenuto(voce.path().string());
    return file;
}

int MessaggiDiErrore(const FinestraRegistrata& finestra) {
    return static_cast<int>(std::count_if(finestra.Eventi.begin(), finestra.Eventi.end(), [](const std::string& e) {
        return e.starts_with("Messaggio[Errore!|esclamazione]");
    }));
}

// The version-7 design of the fixture (four positions) on the wall P5.SET,
// opened as a project from the test's folder; then two changes, each with
// its undo step, and one of them undone, so that the history has a state to
// undo to and one to redo to, and the design is not saved.
struct Progetto {
    Progetto() {
        parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
        cartella.Scrivi("P5.ARS", Sostituisci(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")),
                                              "08/12/2026 22:45:10", DataModificaFile(parete)));
        s.imp.CartellaUtente = cartella.Percorso().string();
        s.imp.CartellaTemporanea = temporanea.Percorso().string();
        vista.LarghezzaTela = 800.0f;
        vista.AltezzaTela = 600.0f;
        EXPECT_TRUE(CaricaProgetto(s, parete, vista, finestra).Riuscito());
        EXPECT_EQ(s.parete.UltPosizione, 3);
        passoAperto = s.parete.PassoDir1Piu;
        for (const float passo : {15.0f, 10.0f}) {
            Modifica m(s, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
            s.parete.PassoDir1Piu = passo;
            EXPECT_TRUE(m.Conferma());
        }
        AnnullaModifica(s, finestra);
        EXPECT_EQ(s.storia.IndiceAnnulla, 1);
        EXPECT_EQ(s.storia.UltimoAnnulla, 2);
        EXPECT_EQ(FileIn(s.storia.CartellaIstantanee).size(), 3u);  // states 0 to 2
        finestra.Eventi.clear();
    }

    // What a boundary must leave as it was.
    struct Fotografia {
        Parete Muro;
        int SovrappMin;  // a setting
        StoriaAnnulla Storia;
        ElencoRecenti Recenti;
        std::map<std::string, std::string> File;
        std::map<std::string, std::string> Istantanee;
        bool operator==(const Fotografia&) const = default;
    };
    Fotografia Scatta() const {
        return {s.parete, s.imp.SovrappMin, s.storia, s.recenti, FileIn(cartella.Percorso()),
                FileIn(s.storia.CartellaIstantanee)};
    }

    CartellaTemporanea cartella;
    CartellaTemporanea temporanea;  // where the history makes its folder
    std::string parete;
    float passoAperto = 0.0f;
    Sessione s;
    Vista vista;
    FinestraRegistrata finestra;
};

TEST(ConfiniGuasti, AFaultAtEachBoundaryIsToldAndLeavesEverythingAsItWas) {
    struct Caso {
        const char* nome;
        // Runs the boundary with the tails given; true when it reports success.
        std::function<bool(Progetto&, const Ricalcolo&)> confine;
    };
    const Caso casi[] = {
        {.nome = "a change with its undo step",
         .confine = [](Progetto& t, const Ricalcolo& r) {
             Modifica m(t.s, t.finestra, CodaRicalcolo::Completa, PuntoAnnullamento::Si, r);
             t.s.parete.PassoDir2Meno = 12.5f;
             t.s.parete.PerimetroEsterno[1].Y += 20.0f;
             t.s.imp.SovrappMin = 77;
             return m.Conferma();
         }},
        {.nome = "opening another wall",
         .confine = [](Progetto& t, const Ricalcolo& r) {
             CartellaTemporanea altrove;
             const std::string altra = altrove.Scrivi("P6.SET", Contenuto(PercorsoFixture("MAGLIA_UNICA.SET")));
             return CaricaProgetto(t.s, altra, t.vista, t.finestra, Avvio::No, r).Riuscito();
         }},
        {.nome = "saving",
         .confine = [](Progetto& t, const Ricalcolo& r) {
             return SalvaParete(t.s, t.parete, t.finestra, r).Riuscito();
         }},
        {.nome = "saving as a new wall file",
         .confine = [](Progetto& t, const Ricalcolo& r) {
             t.finestra.FileScelti = {(t.cartella.Percorso() / "NUOVA.SET").string()};
             return SalvaConNome(t.s, t.finestra, r).Riuscito();
         }},
        {.nome = "undo",
         .confine = [](Progetto& t, const Ricalcolo& r) {
             AnnullaModifica(t.s, t.finestra, r);
             return t.s.storia.IndiceAnnulla == 0;
         }},
        {.nome = "redo",
         .confine = [](Progetto& t, const Ricalcolo& r) {
             RipetiModifica(t.s, t.finestra, r);
             return t.s.storia.IndiceAnnulla == 2;
         }},
    };
    for (const Caso& c : casi) {
        for (const Guasto g : {Guasto::Memoria, Guasto::Numerico}) {
            SCOPED_TRACE(std::string(c.nome) + ", " + NomeGuasto(g));
            Progetto t;
            const Progetto::Fotografia prima = t.Scatta();
            bool riuscito = true;
            EXPECT_NO_THROW(riuscito = c.confine(t, RicalcoloGuasto(g)));
            EXPECT_FALSE(riuscito);
            EXPECT_EQ(MessaggiDiErrore(t.finestra), 1);
            EXPECT_TRUE(t.Scatta() == prima);
            // The history goes on from where it was.
            AnnullaModifica(t.s, t.finestra);
            EXPECT_EQ(t.s.parete.PassoDir1Piu, t.passoAperto);
        }
    }
}

// A fault in the handler itself, before the change is confirmed, goes on to
// the handler's caller; the change leaves nothing behind on its way out.
TEST(ConfiniGuasti, AFaultInTheHandlerPutsTheWallAndTheHistoryBack) {
    for (const Guasto g : {Guasto::Memoria, Guasto::Numerico}) {
        SCOPED_TRACE(NomeGuasto(g));
        Progetto t;
        const Progetto::Fotografia prima = t.Scatta();
        const auto gestore = [&] {
            Modifica m(t.s, t.finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
            t.s.parete.PassoDir2Meno = 12.5f;
            t.s.imp.SovrappMin = 77;
            Lancia(g);
        };
        EXPECT_ANY_THROW(gestore());
        EXPECT_TRUE(t.Scatta() == prima);
        EXPECT_TRUE(t.finestra.Eventi.empty());
    }
}

// At start-up a refused wall ends the program; a fault does not.
TEST(ConfiniGuasti, AFaultOpeningTheFirstWallLetsTheProgramGoOnWithoutIt) {
    CartellaTemporanea cartella;
    const std::string parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
    Sessione s;
    s.imp.CartellaUtente = cartella.Percorso().string();
    Vista vista;
    FinestraRegistrata finestra;
    const Parete prima = s.parete;
    const Esito esito = CaricaProgetto(s, parete, vista, finestra, Avvio::Si, RicalcoloGuasto(Guasto::Numerico));
    EXPECT_EQ(esito.Codice, CodiceApertura::Interrotta);
    EXPECT_TRUE(s.parete == prima);
    EXPECT_EQ(MessaggiDiErrore(finestra), 1);
    EXPECT_NE(esito.Motivo.find("Impossibile aprire il file " + parete + "."), std::string::npos);
}

// The recording canvas that the fault stops at its first line once armed,
// when a part of the drawing is on it already.
class TelaGuasta : public TelaRegistrata {
public:
    bool Armata = true;
    void Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) override {
        if (Armata && !Tratti.empty()) Lancia(Guasto::Memoria);
        TelaRegistrata::Linea(strato, x1, y1, x2, y2, colore);
    }
    void Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti, int colore) override {
        if (Armata && !Tratti.empty()) Lancia(Guasto::Numerico);
        TelaRegistrata::Poligono(strato, punti, colore);
    }
};

TEST(ConfiniGuasti, ARedrawThatAFaultStopsLeavesTheCanvasEmptyAndIsToldOnceWhileItLasts) {
    struct Caso {
        const char* nome;
        int statoVista;
        bool ritaglio;  // the fault comes while the polygons are clipped to the wall
    };
    const Caso casi[] = {
        {.nome = "the elevation of the distributed bars", .statoVista = 0, .ritaglio = false},
        {.nome = "a colour map", .statoVista = 6, .ritaglio = true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SessionePosizioni base;
        Sessione& s = base.S;
        TriangolaNodi(s.parete);
        s.stato.StatoVista = c.statoVista;
        s.stato.VistaCorrente = c.statoVista == 0 ? 0 : 9999;
        const Parete prima = s.parete;
        TelaGuasta tela;
        const Vista vista = VistaDoppia(tela);
        RiquadroRegistrato riquadro;
        FinestraRegistrata finestra;
        const DestinazioneSchermo schermo{tela, vista, riquadro, finestra};

        EXPECT_NO_THROW(Ridisegna(s, schermo));
        EXPECT_TRUE(tela.Tratti.empty());
        EXPECT_EQ(tela.Ritagli.empty(), !c.ritaglio);
        EXPECT_TRUE(std::all_of(tela.Ritagli.begin(), tela.Ritagli.end(),
                                [](const RitaglioTela& r) { return r.Al >= 0; }));
        EXPECT_TRUE(s.parete == prima);
        EXPECT_EQ(MessaggiDiErrore(finestra), 1);

        EXPECT_NO_THROW(Ridisegna(s, schermo));
        EXPECT_EQ(MessaggiDiErrore(finestra), 1) << "a fault that lasts is told once";

        tela.Armata = false;
        Ridisegna(s, schermo);
        EXPECT_FALSE(tela.Tratti.empty());
        tela.Armata = true;
        EXPECT_NO_THROW(Ridisegna(s, schermo));
        EXPECT_EQ(MessaggiDiErrore(finestra), 2) << "after a redraw that succeeded, told again";
    }
}

// The zone of the edit buffer between two opposite corners, clipped: a zone
// far beyond the wall (the values once typed in the zone dialog) or with a
// coordinate that is no number cannot be built and is refused, the buffer's
// polygon untouched, where Boost.Geometry's rescaling used to throw.
TEST(ZonaLontana, TheClippingRefusesAZoneItCannotComputeAndKeepsTheBuffer) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    struct Caso {
        const char* nome;
        float x1, y1, x2, y2;
        bool ritagliata;
    };
    const Caso casi[] = {
        {.nome = "on the wall", .x1 = 60, .y1 = 40, .x2 = 240, .y2 = 160, .ritagliata = true},
        {.nome = "X centro 1e20", .x1 = 1e20f - 90, .y1 = 40, .x2 = 1e20f + 90, .y2 = 160, .ritagliata = false},
        {.nome = "Y centro -1e30", .x1 = 60, .y1 = -1e30f - 60, .x2 = 240, .y2 = -1e30f + 60, .ritagliata = false},
        {.nome = "Lunghezza ferri 1e20", .x1 = 60, .y1 = -5e19f, .x2 = 240, .y2 = 5e19f, .ritagliata = false},
        {.nome = "Larghezza tratto 1e30", .x1 = -5e29f, .y1 = 40, .x2 = 5e29f, .y2 = 160, .ritagliata = false},
        {.nome = "an infinite corner", .x1 = 60, .y1 = 40, .x2 = inf, .y2 = 160, .ritagliata = false},
        {.nome = "a corner that is no number", .x1 = std::nanf(""), .y1 = 40, .x2 = 240, .y2 = 160,
         .ritagliata = false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SessionePosizioni base;
        Sessione& s = base.S;
        StatoInterfaccia& st = s.stato;
        st.PosCorrente.Tipo = IntegrativaPiu;
        st.PosCorrente.Diametro = 12;
        st.PosCorrente.Passo = 20.0f;
        ImpostaZonaDaPunti(st, s.parete, s.imp, c.x1, c.y1, c.x2, c.y2);
        const std::vector<Punto> poligono{Punto{1, 2}, Punto{3, 4}};
        st.PoligonoCorrente = poligono;
        st.UltPuntoCorrente = 1;
        EXPECT_EQ(RitagliaZona(st, s.parete, s.imp), c.ritagliata);
        if (c.ritagliata) continue;
        EXPECT_EQ(st.PoligonoCorrente, poligono);
        EXPECT_EQ(st.UltPuntoCorrente, 1);
    }
}

// The oldest reinforcement format rebuilds its zones on the wall: a record
// centred far away used to end the program at start-up.
TEST(ZonaLontana, AWallWhoseOldestFormatZoneLiesFarAwayOpens) {
    CartellaTemporanea cartella;
    const std::string parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("PARETE_ASSI.SET")));
    cartella.Scrivi("P5.ARS", Sostituisci(Contenuto(PercorsoFixture("ARMATURA_SENZA_VERSIONE.ARS")),
                                          "480.0         250.0", "1e20          250.0"));
    Sessione s;
    s.imp.CartellaUtente = cartella.Percorso().string();
    Vista vista;
    FinestraRegistrata finestra;
    Esito esito;
    EXPECT_NO_THROW(esito = CaricaProgetto(s, parete, vista, finestra, Avvio::Si));
    EXPECT_TRUE(esito.Riuscito()) << esito.Motivo;
    const Parete& p = s.parete;
    EXPECT_EQ(p.FileCorrente, parete);
    // Whatever zones stand lie on the 500 x 300 wall.
    for (int i = 0; i <= p.UltPosizione; ++i)
        for (int j = 0; j <= p.Posizioni[i].UltVerticeZona; ++j) {
            const Punto v = p.PoligoniPos[i][j];
            EXPECT_TRUE(v.X >= 0 && v.X <= 500 && v.Y >= 0 && v.Y <= 300) << i << ": " << v.X << ", " << v.Y;
        }
}

}  // namespace
