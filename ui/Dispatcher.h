#pragma once

#include "ui/IdComandi.h"

class AzioniFinestra;
class InterfacciaFinestra;
struct Sessione;
struct Vista;

// What a command reaches: the session, the canvas view, the core's window
// interface, the window's own actions and the command ids of this run.
struct ContestoComandi {
    Sessione& sessione;
    Vista& vista;
    InterfacciaFinestra& finestra;
    AzioniFinestra& azioni;
    const IdComandi& ids;
};

// A chosen command: the file group first, then the repeatable canvas
// commands, then the rest (undo, zoom, settings, automatic design, view
// modes, automatic dimensioning, node information). An id that no stage
// knows does nothing.
void CommandBars_EseguiComando(int id, ContestoComandi& c);

// The file group: open, save, recent files, DXF export, bill of quantities,
// exit, information window. True when the id is one of them. UltimoComando
// is left as it was.
[[nodiscard]] bool SottoGruppoMenuFile(int id, ContestoComandi& c);

// The repeatable canvas commands: each arms an input mode (with a prompt
// and a few edit fields for some) and becomes UltimoComando, which the right
// mouse button repeats; any other id clears UltimoComando and gives false.
// Nothing is redrawn: the mode acts at the next mouse event.
[[nodiscard]] bool ComandiRipetibili(int id, ContestoComandi& c);

// Text of the information panel while node information is on.
inline constexpr const char* TestoInfoNodi = "Clicca sui nodi per ottenere le informazioni di progetto";
