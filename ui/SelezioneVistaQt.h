#pragma once

#include <functional>

class PannelloScala;
class SelettoriVista;
struct Sessione;

// What the view selection asks of the main window.
struct AzioniVista {
    std::function<void()> InfoArm;         // the summary on the information panel
    std::function<void()> AdattaFinestra;  // fit the view to the extents
    std::function<void()> Ridisegna;       // redraw the screen (it shows or hides the range panel)
};

// The view selection of the main window: the selectors and the range panel
// bound to the session. The window makes one after placing the two widgets;
// the view commands call AggiornaVisulalizzazione, the start-up and a
// recent file call Option1_Click / Option2_Click.
class SelezioneVistaQt {
public:
    SelezioneVistaQt(Sessione& sessione, SelettoriVista& selettori, PannelloScala& scala,
                     AzioniVista azioni);

    // Derives the display state, rebuilds the summary, fits the view and
    // redraws; the map modes with a range show it in the boxes.
    void AggiornaVisulalizzazione();
    void Option1_Click(int indice);
    void Option2_Click(int indice);
    // 0 "Default", any other "Range". The zoom stays.
    void Command1_Click(int indice);
    // After a change or an open: a range the engineer did not type follows
    // the data, in the state and in the boxes. The caller redraws.
    void SeguiDati();

private:
    void MostraScala();

    Sessione& sessione_;
    SelettoriVista& selettori_;
    PannelloScala& scala_;
    AzioniVista azioni_;
};
