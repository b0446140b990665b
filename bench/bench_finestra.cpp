// The main window on the generated walls (offscreen), each action timed from
// the user's event until the event queue is empty (the canvas painted):
// opening to the first frame, a resize, and in a colour map and in the plain
// distributed view: switching to the view, a wheel notch, a pan step of the
// middle button, a whole pan (press, moves, release), confirming a zone
// drawn on the canvas, undo and redo, the automatic design. Beside them, in
// the same run, the yardsticks: the floor of a map (one QPainter filling the
// map's band polygons and node boxes with no pen into an image of the
// canvas's size) and one full redraw of each plain view (the distributed
// one, and the zone view where zones are confirmed); and one pass of the
// command-state update with 200 positions.

#include "design/AreeMancanti.h"
#include "design/ArmaturaDiffusa.h"
#include "design/Ridisegna.h"
#include "model/Sessione.h"
#include "ui/ColoreQt.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormZona.h"
#include "ui/TelaQt.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"
#include "TelaContaBench.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

constexpr QSize DimensioneFinestra{1280, 900};

double Secondi(Orologio::time_point inizio) {
    return std::chrono::duration<double>(Orologio::now() - inizio).count();
}

// Every posted event and due timer, the paints included.
void Svuota() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Seconds of one fill of an image of this size, the unit of the ratios.
double TempoRiempimento(QSize dimensione) {
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    constexpr int Ripetizioni = 200;
    const auto inizio = Orologio::now();
    for (int i = 0; i < Ripetizioni; ++i) {
        immagine.fill(i % 2 == 0 ? Qt::black : Qt::white);
        benchmark::DoNotOptimize(immagine.constBits());
    }
    return Secondi(inizio) / Ripetizioni;
}

// The zone dialog answered with "Ok"; any other box too.
int RispondiOk(QDialog& dialogo) {
    if (auto* ok = dialogo.findChild<QPushButton*>(QStringLiteral("Command2")); ok && qobject_cast<FormZona*>(&dialogo))
        ok->click();
    return 1;
}

// The window started on a wall as the program starts it; every box answered OK.
std::unique_ptr<FinestraPrincipale> ApriFinestra(Sessione& s, const std::string& file) {
    auto finestra = std::make_unique<FinestraPrincipale>(s);
    finestra->Dialoghi().ImpostaCopione(RispondiOk);
    if (!finestra->Form_Load(file).Riuscito()) return nullptr;
    finestra->resize(DimensioneFinestra);
    finestra->show();
    return finestra;
}

void Rapporto(benchmark::State& stato, double secondi, QSize tela) {
    const double iterazioni = static_cast<double>(stato.iterations());
    stato.counters["rapporto_riempimento"] = secondi / iterazioni / TempoRiempimento(tela);
    stato.counters["tela_px"] = tela.width() * tela.height();
}

// Making the window, starting it on the wall (read, fitted, drawn) and
// painting it on screen.
void AvvioPrimoFotogramma(benchmark::State& stato, const std::string& file) {
    double secondi = 0.0;
    int ridisegni = 0;
    QSize tela;
    for (auto _ : stato) {
        const auto inizio = Orologio::now();
        Sessione s;
        std::unique_ptr<FinestraPrincipale> finestra = ApriFinestra(s, file);
        if (!finestra) {
            stato.SkipWithError("parete rifiutata");
            return;
        }
        finestra->Ridisegna();  // at the size it is shown, as the resize burst does
        finestra->repaint();
        Svuota();
        const double trascorso = Secondi(inizio);
        stato.SetIterationTime(trascorso);
        secondi += trascorso;
        tela = finestra->Tela().size();
        ridisegni += finestra->Tela().DisegniCompleti();
        stato.PauseTiming();
        finestra.reset();
        stato.ResumeTiming();
    }
    Rapporto(stato, secondi, tela);
    stato.counters["ridisegni"] = static_cast<double>(ridisegni) / static_cast<double>(stato.iterations());
}

// A resize between two sizes: the layout pass, the redraw at the new canvas
// size and its paint.
void RidisegnoSuResize(benchmark::State& stato, const std::string& file) {
    Sessione s;
    std::unique_ptr<FinestraPrincipale> finestra = ApriFinestra(s, file);
    if (!finestra) {
        stato.SkipWithError("parete rifiutata");
        return;
    }
    double secondi = 0.0;
    bool grande = false;
    for (auto _ : stato) {
        const auto inizio = Orologio::now();
        grande = !grande;
        finestra->resize(grande ? DimensioneFinestra + QSize(120, 80) : DimensioneFinestra);
        finestra->Ridisegna();
        finestra->Tela().repaint();
        const double trascorso = Secondi(inizio);
        stato.SetIterationTime(trascorso);
        secondi += trascorso;
    }
    Rapporto(stato, secondi, finestra->Tela().size());
}

// The coalesced pass over every command control and the recent items, and
// the reinforcement summary it rebuilds, with 200 positions on the wall.
void PassaggioAggiornamento(benchmark::State& stato, const std::string& file) {
    Sessione s;
    std::unique_ptr<FinestraPrincipale> finestra = ApriFinestra(s, file);
    if (!finestra) {
        stato.SkipWithError("parete rifiutata");
        return;
    }
    AggiungiZoneGriglia(s.parete, 20, 10);
    RicalcolaArmature(s.parete, s.imp);
    ComandiFinestra& comandi = *finestra->Comandi();
    for (auto _ : stato) {
        comandi.AggiornaOra();
        finestra->InfoArm();
    }
    stato.counters["posizioni"] = static_cast<double>(s.parete.Posizioni.size() - 1);
}

// ---- The actions of the user, in a map and in the plain view -------------

// Semplice is the distributed view; Zone the plain view of the zones of
// face +, where a zone is confirmed outside the maps.
enum class Veduta { Mappa, Semplice, Zone };

int IdVeduta(const IdComandi& ids, Veduta veduta) {
    switch (veduta) {
        case Veduta::Mappa: return ids.IdMappaCalcolo;
        case Veduta::Semplice: return ids.IdVisDiffusa;
        case Veduta::Zone: return ids.IdVisIntegrativa;
    }
    return ids.IdVisDiffusa;
}

// Records the filled shapes of a redraw: the band polygons and node boxes
// that the floor of a map fills again.
class TelaRegistra final : public TelaSchermo {
public:
    struct Forma {
        std::vector<QPoint> Punti;  // a polygon, or the two corners of a box
        QColor Colore;
        bool Riquadro = false;
    };
    explicit TelaRegistra(QSize dimensione) : dimensione_(dimensione) {}
    std::vector<Forma> Forme;

    float Larghezza() const override { return static_cast<float>(dimensione_.width()); }
    float Altezza() const override { return static_cast<float>(dimensione_.height()); }
    void Cancella(StratoTela) override {}
    void ImpostaColoreSfondo(int) override {}
    void ImpostaColorePrimoPiano(int) override {}
    void ImpostaStileTratto(StileTratto) override {}
    void ImpostaSpessoreTratto(int) override {}
    void Linea(StratoTela, float, float, float, float, int) override {}
    void Riquadro(StratoTela, float x1, float y1, float x2, float y2, int colore, bool pieno) override {
        if (pieno)
            Forme.push_back({{QPoint(static_cast<int>(x1), static_cast<int>(y1)),
                              QPoint(static_cast<int>(x2), static_cast<int>(y2))},
                             ColoreQt(colore), true});
    }
    void Cerchio(StratoTela, float, float, float, int) override {}
    void Poligono(StratoTela, const std::vector<PuntoPixel>& punti, int colore) override {
        Forma f{{}, ColoreQt(colore), false};
        for (const PuntoPixel& p : punti) f.Punti.emplace_back(p.X, p.Y);
        Forme.push_back(std::move(f));
    }
    void Testo(StratoTela, int, int, int, int, int, const std::string&) override {}

private:
    QSize dimensione_;
};

// The window on the wall with 200 zones, fitted, in the chosen view, idle.
struct BancoFinestra {
    Sessione s;
    std::unique_ptr<FinestraPrincipale> finestra;

    bool Apri(benchmark::State& stato, const std::string& file, Veduta veduta) {
        finestra = ApriFinestra(s, file);
        if (!finestra) {
            stato.SkipWithError("parete rifiutata");
            return false;
        }
        Svuota();
        AggiungiZoneGriglia(s.parete, 20, 10);
        AggiornaAreeMancanti(s.parete, -1);
        RicalcolaArmature(s.parete, s.imp);
        Comando(IdVeduta(Ids(), veduta));
        stato.counters["nodi"] = s.parete.NumNodi;
        return true;
    }
    const IdComandi& Ids() { return finestra->Comandi()->Ids(); }
    QWidget& Tela() { return finestra->Tela(); }
    void Comando(int id) {
        finestra->Comandi()->Esegui(id);
        Svuota();
    }
    void Mouse(QEvent::Type tipo, Qt::MouseButton pulsante, QPoint p) {
        const Qt::MouseButtons premuti = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(pulsante);
        QMouseEvent e(tipo, p, Tela().mapToGlobal(p), tipo == QEvent::MouseMove ? Qt::NoButton : pulsante,
                      premuti, {});
        QApplication::sendEvent(&Tela(), &e);
    }
    void Rotella(int delta) {
        const QPointF p = Tela().rect().center();
        QWheelEvent e(p, Tela().mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Tela(), &e);
    }
    // A zone dragged over the middle of the wall in "Inserisci armatura
    // integrativa", whose dialog is answered "Ok": up to the release.
    void IniziaZona() {
        Comando(Ids().IdInserisciIntegrativa);
        const QPoint c = Tela().rect().center();
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, c - QPoint(60, 40));
        Mouse(QEvent::MouseMove, Qt::LeftButton, c + QPoint(60, 40));
    }
    void RilasciaZona() {
        Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Tela().rect().center() + QPoint(60, 40));
    }
};

// Counter ridisegni: the whole redraws of the canvas per action.
template <typename Prima, typename Azione>
void Misura(benchmark::State& stato, BancoFinestra& b, Prima prima, Azione azione) {
    int ridisegni = 0;
    for (auto _ : stato) {
        stato.PauseTiming();
        prima();
        const int inizio = b.finestra->Tela().DisegniCompleti();
        stato.ResumeTiming();
        azione();
        Svuota();
        stato.PauseTiming();
        ridisegni += b.finestra->Tela().DisegniCompleti() - inizio;
        stato.ResumeTiming();
    }
    stato.counters["ridisegni"] = static_cast<double>(ridisegni) / static_cast<double>(stato.iterations());
}

void CambioVista(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    const int verso = IdVeduta(b.Ids(), veduta);
    const int altra = veduta == Veduta::Mappa ? b.Ids().IdVisDiffusa : b.Ids().IdMappaCalcolo;
    Misura(stato, b, [&] { b.Comando(altra); }, [&] { b.finestra->Comandi()->Esegui(verso); });
}

void ScattoRotella(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    b.Mouse(QEvent::MouseMove, Qt::NoButton, b.Tela().rect().center());
    int scatto = 0;
    Misura(stato, b, [] {}, [&] { b.Rotella(scatto++ % 2 == 0 ? 120 : -120); });
}

// One mouse move of 8 pixels, back and forth, with the middle button held.
void PassoPanoramica(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    const QPoint c = b.Tela().rect().center();
    b.Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, c);
    Svuota();
    int passo = 0;
    Misura(stato, b, [] {},
           [&] { b.Mouse(QEvent::MouseMove, Qt::MiddleButton, c + QPoint(passo++ % 2 == 0 ? 8 : 0, 0)); });
    b.Mouse(QEvent::MouseButtonRelease, Qt::MiddleButton, c);
}

// A whole pan: the press, ten moves of 8 pixels and the release.
void Panoramica(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    const QPoint c = b.Tela().rect().center();
    int verso = 1;
    Misura(stato, b, [] {}, [&] {
        verso = -verso;
        b.Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, c);
        Svuota();
        for (int i = 1; i <= 10; ++i) {
            b.Mouse(QEvent::MouseMove, Qt::MiddleButton, c + QPoint(verso * 8 * i, 0));
            Svuota();
        }
        b.Mouse(QEvent::MouseButtonRelease, Qt::MiddleButton, c + QPoint(verso * 80, 0));
    });
}

// Before every round but the first, the change of the round before undone,
// so that each round makes the same change.
struct AnnullaGiroPrecedente {
    BancoFinestra& b;
    bool primo = true;
    void operator()() {
        if (!primo) b.Comando(b.Ids().IdAnnulla);
        primo = false;
    }
};

// The release of a zone drawn in the missing-area map (the plain view: the
// zone view "lato +"), its dialog answered "Ok"; undone between rounds.
void ConfermaZona(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    b.Comando(veduta == Veduta::Mappa ? b.Ids().IdDisponiIntegrative : b.Ids().IdVisIntegrativa);
    AnnullaGiroPrecedente annulla{b};
    Misura(stato, b,
           [&] {
               annulla();
               b.IniziaZona();
           },
           [&] { b.RilasciaZona(); });
    stato.counters["posizioni"] = b.s.parete.UltPosizione + 1;
}

// "Progetto armatura diffusa" with the parameters as they stand, its dialog
// answered OK; undone between rounds.
void ProgettoAutomatico(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    AnnullaGiroPrecedente annulla{b};
    Misura(stato, b, annulla, [&] { b.finestra->Comandi()->Esegui(b.Ids().IdProgetto); });
}

void AnnullaRipeti(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    b.Comando(b.Ids().IdDisponiIntegrative);
    b.IniziaZona();
    b.RilasciaZona();
    Svuota();
    b.Comando(IdVeduta(b.Ids(), veduta));
    int passo = 0;
    Misura(stato, b, [] {}, [&] {
        b.finestra->Comandi()->Esegui(passo++ % 2 == 0 ? b.Ids().IdAnnulla : b.Ids().IdRipeti);
    });
}

// The floor of a map: its band polygons and node boxes filled again, with
// no pen, through one QPainter into an image of the canvas's size (with
// contorno, every band also outlined in its colour, as the canvas does).
void FondoMappa(benchmark::State& stato, const std::string& file, bool contorno) {
    BancoFinestra b;
    if (!b.Apri(stato, file, Veduta::Mappa)) return;
    const QSize dimensione = b.Tela().size();
    TelaRegistra registro(dimensione);
    RiquadroMuto riquadro;
    FinestraMuta muta;
    ::Ridisegna(b.s, DestinazioneSchermo{registro, b.finestra->VistaTela(), riquadro, muta});
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stato) {
        immagine.fill(Qt::black);
        QPainter pittore(&immagine);
        pittore.setPen(Qt::NoPen);
        for (const TelaRegistra::Forma& f : registro.Forme) {
            if (f.Riquadro) {
                pittore.fillRect(QRect(f.Punti[0], f.Punti[1]).normalized(), f.Colore);
            } else {
                if (contorno) pittore.setPen(f.Colore);
                pittore.setBrush(f.Colore);
                pittore.drawPolygon(f.Punti.data(), static_cast<int>(f.Punti.size()));
            }
        }
        pittore.end();
        benchmark::DoNotOptimize(immagine.constBits());
    }
    stato.counters["forme"] = static_cast<double>(registro.Forme.size());
}

// One full redraw of the view on the window's canvas, and its paint.
void RidisegnoVista(benchmark::State& stato, const std::string& file, Veduta veduta) {
    BancoFinestra b;
    if (!b.Apri(stato, file, veduta)) return;
    for (auto _ : stato) {
        b.finestra->Ridisegna();
        Svuota();
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    try {
        const CartellaBench cartella;
        // The settings and memory files of the window go to the scratch folder.
        setenv("XDG_CONFIG_HOME", cartella.Percorso().c_str(), 1);
        QApplication applicazione(argc, argv);
        for (const int nodi : {500, 4000, 16000}) {
            const std::string file = GeneraParete(cartella.Percorso(), nodi);
            const std::string n = "/" + std::to_string(nodi);
            const auto ms = [&](const std::string& nome, auto funzione, auto... argomenti) {
                benchmark::RegisterBenchmark((nome + n).c_str(), funzione, file, argomenti...)
                    ->Unit(benchmark::kMillisecond);
            };
            benchmark::RegisterBenchmark(("Avvio_primo_fotogramma" + n).c_str(),
                                         AvvioPrimoFotogramma, file)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("Ridisegno_su_resize" + n).c_str(), RidisegnoSuResize, file)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            ms("Fondo_mappa", FondoMappa, false);
            ms("Fondo_mappa_con_contorno", FondoMappa, true);
            ms("Ridisegno_vista_semplice", RidisegnoVista, Veduta::Semplice);
            ms("Ridisegno_vista_zone", RidisegnoVista, Veduta::Zone);
            ms("Ridisegno_mappa", RidisegnoVista, Veduta::Mappa);
            for (const Veduta v : {Veduta::Mappa, Veduta::Semplice}) {
                const std::string dove = v == Veduta::Mappa ? "_mappa" : "_semplice";
                ms("Cambio_vista" + dove, CambioVista, v);
                ms("Scatto_rotella" + dove, ScattoRotella, v);
                ms("Passo_panoramica" + dove, PassoPanoramica, v);
                ms("Panoramica_intera" + dove, Panoramica, v);
                ms("Conferma_zona" + dove, ConfermaZona, v);
                ms("Annulla_ripeti" + dove, AnnullaRipeti, v);
                ms("Progetto_automatico" + dove, ProgettoAutomatico, v);
            }
            if (nodi == 4000)
                benchmark::RegisterBenchmark(("Passaggio_aggiornamento_200_posizioni" + n).c_str(),
                                             PassaggioAggiornamento, file)
                    ->Unit(benchmark::kMicrosecond);
        }
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
