#pragma once

#include "model/Impostazioni.h"

#include <array>
#include <string>

// The settings dialog has one row per editable layer; entry 24 has none.
inline constexpr int RigheLayer = LayerDerivato;

// What the left column and the three frames of the settings dialog show:
// the swatch colours (ColoriForm), the layer flags, names (shown only), the
// dimension snap flags, the background, the node tolerance and the icon size.
// Option indexes are 0 or 1; the tolerances as the boxes hold them.
struct ValoriControlli {
    std::array<std::string, RigheLayer> Nomi{};
    std::array<int, RigheLayer> Colori{};
    std::array<int, RigheLayer> Visibili{};
    std::array<int, NumGruppiOsnap> Osnap{};
    int SfondoBianco = 0;
    int ModoTolleranza = 0;
    std::string TolleranzaPerc;
    std::string TolleranzaFissa;
    int IconeGrandi = 0;

    bool operator==(const ValoriControlli&) const = default;
};

// AggiornaForm2: the settings as the controls show them.
[[nodiscard]] ValoriControlli ValoriDaImpostazioni(const Impostazioni& imp);

// LeggiF: the controls back into the settings. The names are not read back
// (the DXF export dialog edits them); the tolerances take what ValoreTesto
// reads, as the settings file keeps it.
void LeggiF(Impostazioni& imp, const ValoriControlli& controlli);

// "Colori default": the background chosen in the dialog, then the screen
// colours, layer flags and snap flags for it.
void ColoriDefault(Impostazioni& imp, int sfondoBianco);
