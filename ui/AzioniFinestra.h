#pragma once

#include <string>

// What the command dispatcher and the command-state pass ask of the main
// window beyond the core's window interface: its widgets, its redraw and the
// dialogs that belong to it. The Qt main window implements it; tests use a
// recording fake. Every dialog here is modal and has closed when the call
// returns. Plain C++, so the dispatcher is tested without a display.
class AzioniFinestra {
public:
    virtual ~AzioniFinestra() = default;

    // Asks for a redraw of the canvas (the screen target of the central
    // redraw), served once before the canvas is next painted.
    virtual void Ridisegna() = 0;
    // The view-state selection after a change of ModoVista: derives the
    // display state, rebuilds the panel, fits the view and redraws.
    virtual void AggiornaVisualizzazione() = 0;
    // The face and direction selectors, as a click on the button of that index.
    virtual void SelezionaLato(int indice) = 0;
    virtual void SelezionaDirezione(int indice) = 0;

    // The prompt line under the canvas.
    virtual void ImpostaPrompt(const std::string& testo) = 0;
    // The next hover redraws its highlight (ElementoEvidenziato := -1).
    virtual void AnnullaEvidenziazione() = 0;
    // Rebuilds the reinforcement summary in the information panel.
    virtual void InfoArm() = 0;
    // Replaces the information panel with one black line of text, size 20
    // half-points, neither bold nor underlined.
    virtual void MostraTestoInformazioni(const std::string& testo) = 0;
    // Shows the colour-scale range panel ("Default", "Range").
    virtual void MostraPannelloIntervallo() = 0;

    // The perimeter editor, modeless, above the main window without taking
    // the focus; loaded for perimetro (0 outer, 1 inner) unless it is open on
    // that perimeter already (the other one is loaded afresh).
    virtual void MostraEditorPerimetro(int perimetro) = 0;
    // The editor was switched off by the command-state pass: close it
    // without writing the perimeter.
    virtual void ChiudiEditorPerimetro() = 0;

    // Modal dialogs of the window and of later work.
    virtual void MostraComputo() = 0;           // bill of quantities of the open wall
    virtual void MostraEsportazioneDxf() = 0;   // DXF export and its batch runs
    virtual void MostraInformazioniProgramma() = 0;  // "&Informazioni su..."
    virtual void MostraImpostazioni() = 0;      // settings
    // Design parameters; true when the user asked for the automatic design
    // ("Progetta"), which the caller then runs.
    virtual bool MostraParametriProgetto() = 0;

    // "&Esci": the window closes as its close box does (with the question
    // about unsaved changes).
    virtual void Esci() = 0;
};
