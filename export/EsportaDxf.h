#pragma once

#include "model/Esito.h"

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class FlussoDxf;
class InterfacciaFinestra;
struct Impostazioni;
struct StatoDxf;

// Progress of an export, 0 to 100.
using AvanzamentoDxf = std::function<void(int percento)>;

// Texts of the refusals; each is one message box titled "Attenzione!".
inline constexpr std::string_view MessaggioNessunFileDxf =
    "Non sono stati selezionati i file dati.\nGenerazione file DXF impossibile!";
inline constexpr std::string_view MessaggioNessunaParete =
    "Nessuna parete \xC3\xA8 stata letta.\nGenerazione file DXF impossibile!";
inline constexpr std::string_view MessaggioCartellaNegata =
    "Il programma sta cercando di operare su una cartella per la quale l'utente non dispone di "
    "autorizzazione.\nOperazione annullata!\nContattare l'amministratore di rete.";
inline constexpr std::string_view OperazioneAnnullata = "Operazione annullata!";

// Draws the sheet of every wall file, in order, side by side: each is read
// into a session of its own (the reader's messages reach finestra), its
// areas, extents and bars are computed and it is redrawn on the DXF target;
// the next wall starts 200 cm to the right of its sheet. A refused wall takes
// no room. After wall i the progress is (i + 1) x 100 / (count + 1).
// Returns the number of walls drawn.
int NewFileDXF(std::span<const std::string> percorsi, const Impostazioni& imp, StatoDxf& stato,
               FlussoDxf& flusso, InterfacciaFinestra& finestra,
               const AvanzamentoDxf& avanzamento = {});

// The whole export to fileDxf (R12 when r12): entry 24 of the layer table
// is derived from entry 2, the table is checked, the walls are drawn and the
// file is written once, atomically, so an earlier file survives any failure.
// On failure Motivo holds the lines of the message to show, and nothing was
// written. The progress reaches 100 only once the file is written.
Esito EsportaDxf(std::span<const std::string> percorsi, const std::filesystem::path& fileDxf,
                 Impostazioni& imp, bool r12, InterfacciaFinestra& finestra,
                 const AvanzamentoDxf& avanzamento = {});

// The message of a failed write: the permission message for a folder that
// may not be written, otherwise "Errore nella scrittura del file:", the path
// with the reason, "Operazione annullata!".
std::string MessaggioScritturaDxf(const std::filesystem::path& fileDxf, const Esito& esito);
