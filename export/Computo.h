#pragma once

#include <span>
#include <string>

class InterfacciaFinestra;
struct Impostazioni;
struct Parete;

// The bill of quantities ("Computo") as one RTF text, UTF-8 inside.

// The open wall as it stands in memory, unsaved edits included; its bar
// quantities are measured again first.
[[nodiscard]] std::string ComputoParete(Parete& parete, const Impostazioni& imp);

// The wall files of a batch, in order. Each is read into a session of its own
// with the given settings and its geometry and reinforcement recomputed; a
// wall the reader refuses is left out after the reader's own message. Two or
// more files end with a summary of the walls reported.
[[nodiscard]] std::string ComputoPareti(std::span<const std::string> percorsi, const Impostazioni& imp,
                                        InterfacciaFinestra& finestra);
