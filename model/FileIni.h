#pragma once

#include "model/Esito.h"

#include <filesystem>
#include <string>

class InterfacciaFinestra;
struct Impostazioni;
struct Sessione;
struct StatoInterfaccia;

// The user's settings file: the layer table with its screen colours, the
// dimension snap groups, the design, ring-beam, lap and bar settings, the
// material indexes, the dimension texts, the display state, the DXF print
// scale, the node tolerance and three display options.

// The version the writer writes; the reader takes every version up to it.
inline constexpr int VersioneIni = 7;

// The settings file in the user profile folder.
std::filesystem::path PercorsoIni(const Impostazioni& imp);

// The whole file for these values, as the writer stores it.
std::string TestoIni(const Impostazioni& imp, const StatoInterfaccia& stato);

// Replaces the settings file with the current values. A failure (a layer name
// that would break its line, a file that cannot be written) has been shown to
// the user and leaves the previous file as it was.
[[nodiscard]] Esito ScriviIni(const Sessione& sessione, InterfacciaFinestra& finestra);

// Sets the program's defaults (ImpostazioniDefault) and then reads the
// settings file over them. Without the file, or for a file of a newer version,
// the defaults stay, silently. A damaged file (truncated, a text where a
// number belongs, a value outside its range) changes nothing of what it holds:
// the full defaults, screen colours included, stay, and the user has been
// warned once with the file and the fault.
[[nodiscard]] Esito LeggiIni(Sessione& sessione, InterfacciaFinestra& finestra);
