#pragma once

#include <optional>
#include <string>
#include <string_view>

struct Parete;
struct StatoInterfaccia;

// x with two decimals and the decimal separator of the user's locale (no
// thousands separator): the areas of the node balance.
[[nodiscard]] std::string FormatoLocale(float x, std::string_view separatore);

// The area balance of node i in each layer, the active layer (DirezioneAttiva,
// LatoAttivo) highlighted; coordinates with a point, areas in the locale's
// format. No text for an index outside the nodes: the panel keeps what it shows.
[[nodiscard]] std::optional<std::string> TestoInfoNodo(const Parete& parete,
                                                       const StatoInterfaccia& stato, int i,
                                                       std::string_view separatore);

// What the panel shows while the node-information mode waits for a pick.
[[nodiscard]] std::string TestoSceltaNodo();
