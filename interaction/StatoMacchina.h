#pragma once

#include "design/Modifica.h"

#include <optional>
#include <string>

class InterfacciaFinestra;
class TelaSchermo;
struct Sessione;
struct Vista;

// Mouse buttons as the canvas events give them; the handlers compare exactly.
namespace Pulsante {
enum : int { Nessuno = 0, Sinistro = 1, Destro = 2, Centrale = 4 };
}

// What the canvas input machine asks of the main window beyond the core's
// window interface. Every dialog is modal and has closed when the call returns.
class PortaTela {
public:
    virtual ~PortaTela() = default;
    // Asks for the central redraw of the screen: the window serves it once
    // before the canvas is next painted, however many times it was asked.
    virtual void Ridisegna() = 0;
    // The view moved by whole pixels (a pan, the picture following the
    // mouse by dx, dy): the window may move the picture it has and draw only
    // what came into view; a full redraw is always right.
    virtual void SpostaImmagine(int dx, int dy) {
        (void)dx;
        (void)dy;
        Ridisegna();
    }
    // The prompt line under the canvas.
    virtual void ImpostaPrompt(const std::string& testo) = 0;
    // The node balance of node i in the information panel.
    virtual void InfoNodo(int i) = 0;
    // Arms again the first mode of the repeatable command id (the dispatcher's
    // ComandiRipetibili).
    virtual void RipetiComando(int id) = 0;
    // The zone dialog on the edit buffer. On its way out: "Ok" sets
    // ErroreOperazione 0, Modo 0 and PosAccettata (1 with at least two bars),
    // the zone rebuilt in the buffer; "Annulla" ErroreOperazione -1, Modo 0;
    // "Modifica perimetro" ErroreOperazione -1, Modo 200, NuovoElemento 1,
    // the grips and the prompt; the close box ErroreOperazione -1, Modo as it
    // was. It opens with PosAccettata and DuplicaOpposto 0; DuplicaOpposto is
    // 1 when "Armatura uguale sull'altro opposto" was offered and ticked.
    virtual void MostraDialogoZona() = 0;
    // The ring-beam dialog on the edit buffer: the same flags, no mode.
    virtual void MostraDialogoCordolo() = 0;
};

struct ContestoTela;

// The modes of one family that another part of the canvas editing handles.
// The machine calls the family of the current mode after its own tests (the
// middle-button pan and the node pick come first).
class ModiFamiglia {
public:
    virtual ~ModiFamiglia() = default;
    virtual void Premi(ContestoTela& c, int pulsante, float x, float y) = 0;
    // False when the mode has no move action of its own: the hover follows.
    virtual bool Muovi(ContestoTela& c, int pulsanti, float x, float y) = 0;
    virtual void Rilascia(ContestoTela& c, int pulsante, float x, float y) = 0;
};

// The families plugged into the machine; an empty one does nothing (its
// moves get the hover).
struct ModiEsterni {
    ModiFamiglia* Sezioni = nullptr;       // modes 400 to 411
    ModiFamiglia* Quote = nullptr;         // modes 2000 to 7005
    ModiFamiglia* SolaiPareti = nullptr;   // modes 7500 to 9100
    // Mode 0 while the perimeter editor is open (ModificaPoligono): the press
    // (ClickVertice) and the move (AgganciaGriglia when its grid snap is on).
    ModiFamiglia* Editor = nullptr;
};

// Everything the canvas modes reach: the session, the canvas view, the
// canvas (the machine draws only on its transient overlay), the core's
// window interface and the window's own part.
struct ContestoTela {
    Sessione& sessione;
    Vista& vista;
    TelaSchermo& tela;
    InterfacciaFinestra& finestra;
    PortaTela& porta;
};

// The canvas input state machine: presses, moves and releases advance the
// input mode StatoInterfaccia::Modo. The canvas widget forwards its events
// to the Picture1_ members; the Ctrl_Vid_ ones are the machine proper.
class MacchinaTela {
public:
    explicit MacchinaTela(ContestoTela contesto, ModiEsterni esterni = {});

    // The canvas events (buttons 1 left, 2 right, 4 middle; pixels).
    void Picture1_MouseDown(int pulsante, float x, float y);
    void Picture1_MouseMove(int pulsanti, float x, float y);
    void Picture1_MouseUp(int pulsante, float x, float y);
    void Picture1_DblClick();
    // Wheel rotation in eighths of a degree (120 a notch); rotations add up
    // and every whole notch zooms once.
    void Rotella(int delta);
    // One wheel notch: zoom in for delta >= 0, out below, about the cursor.
    void MouseWheel(int delta);
    // The Enter key of the main window.
    void TastoInvio();

    void Ctrl_Vid_MouseDown(int pulsante, float x, float y);
    void Ctrl_Vid_MouseMove(int pulsanti, float x, float y);
    void Ctrl_Vid_MouseUp(int pulsante, float x, float y);

    // Closes the zone under edit: size check, nodes, dialog, store.
    void ChiudiPoliAgg();

    ContestoTela& Contesto() { return c_; }

private:
    // Frame.
    ModiFamiglia* Famiglia(int modo) const;
    void Hover(float x, float y);
    void PremiZoom(int pulsante, float x, float y);
    void RettangoloElastico(float x, float y);
    void Panoramica(int pulsanti, float x, float y);
    void FinePanoramica();
    void AggiornaManiglie();
    // Zones.
    void PremiNuovaZona(float x, float y);
    void ZonaElastica(int pulsanti, float x, float y);
    void TrascinaZona(int pulsanti, float x, float y);
    void RilasciaNuovaZona(float x, float y);
    void PremiManiglia(float x, float y);
    void RilasciaManiglia(int modo, float x, float y);
    // The zone between corners A and B into the buffer; false, the buffer
    // not to be kept, when a corner lies outside the coordinate range.
    bool ZonaDaAngoliAmmessa();
    bool ZonaTroppoPiccola();
    bool MemorizzaZonaDelDialogo();
    void FineSenzaModifica();
    // Positions.
    void CancellaPosizione(float x, float y);
    void PrendiPosizione(int modo, float x, float y);
    void CopiaSulLatoOpposto(float x, float y);
    void CopiaMultipla(float x, float y);
    void PrendiEtichetta(float x, float y);
    void MuoviEtichetta(int modo, float x, float y);
    void RilasciaEtichetta();

    ContestoTela c_;
    ModiEsterni esterni_;
    // The middle-button pan keeps the mode it interrupted and its anchor
    // apart from ModoPrec and the zoom box.
    int modoPrimaPan_ = 0;
    int ancoraX_ = 0, ancoraY_ = 0;
    // The mode a zone or position drag started from, for a refused release.
    int modoPrimaTrascina_ = 0;
    // Wheel rotation not yet turned into notches.
    int rotella_ = 0;
    // The label move open from its pick to its release.
    std::optional<Modifica> modificaEtichetta_;
};
