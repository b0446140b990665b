#pragma once

#include <optional>
#include <string>
#include <vector>

// Icon of a message box.
enum class IconaMessaggio { Nessuna, Esclamazione, Domanda, Informazione, Critica };

// The answer to a question that can also be cancelled.
enum class Risposta { Si, No, Annulla };

// What the core asks of the main window. The Qt window implements it; tests use
// a recording fake. The core never includes the windowing system.
class InterfacciaFinestra {
public:
    virtual ~InterfacciaFinestra() = default;

    // Modal message box with one OK button.
    virtual void Messaggio(const std::string& testo, const std::string& titolo,
                           IconaMessaggio icona) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool Domanda(const std::string& testo, const std::string& titolo,
                         IconaMessaggio icona) = 0;
    // Modal question with "Sì", "No" and "Annulla"; the close box is "Annulla".
    virtual Risposta DomandaAnnullabile(const std::string& testo, const std::string& titolo,
                                        IconaMessaggio icona) = 0;

    // Face selector: selecting "Lato -" runs the selector's own handling
    // (face, display state, redraw).
    virtual void SelezionaLatoMeno() = 0;
    virtual void MostraPulsantiLato(bool visibili) = 0;
    // The label " Armatura a maglia unica centrale" shown instead of the face buttons.
    virtual void MostraEtichettaMagliaUnica(bool visibile) = 0;

    virtual void ImpostaTitolo(const std::string& titolo) = 0;
    // Hourglass while a project loads.
    virtual void CursoreAttesa(bool attesa) = 0;
    // The load message: the lines written on the canvas while a project
    // loads; they stay until the next redraw paints the wall.
    virtual void MostraCaricamento(const std::vector<std::string>& righe) = 0;

    // File dialogs; no value when the user cancels.
    virtual std::optional<std::string> ScegliFileDaAprire(const std::string& titolo,
                                                          const std::string& filtro) = 0;
    virtual std::optional<std::string> ScegliFileDaSalvare(const std::string& titolo,
                                                           const std::string& filtro,
                                                           const std::string& nomeProposto) = 0;

    // Refills the "Armatura diffusa" property grid from the distributed layers.
    virtual void PanelDiffusa() = 0;

    // A change of the design was confirmed and its recompute has run: the
    // wall drawing, the panels and the command states must refresh.
    virtual void AggiornaDopoModifica() = 0;

    // The colour-scale range frame of the legend box ("Max.", "Min.", "Default",
    // "Range"): shown by the redraw of the maps with an editable range.
    virtual void MostraRiquadroScala(bool visibile) = 0;
};
