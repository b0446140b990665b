#pragma once

#include <optional>
#include <vector>

// How a developed bar is cut into pieces, along the bar and whatever way it
// lies. Bars longer than the maximum length are split with laps so that no
// last piece is shorter than ScortaUltimoPezzo plus a lap.

// A piece before the last one is shortened so that the last is at least this
// plus a lap.
inline constexpr float ScortaUltimoPezzo = 40.0f;

// A split bar never has more pieces than this, so the work of one bar stays
// bounded whatever its length and the maximum length. A real wall's bar, a
// few thousand cm gaining at least a centimetre on the lap per piece, needs
// far fewer; the longest bar of the coordinate range reaches it only when a
// piece gains less than 28 cm.
inline constexpr int MassimoPezziFerro = 10000;

// How the span ends.
enum class FineCampata {
    Libera,    // no leg
    Gamba,     // the end leg
    Prolunga,  // the bar runs on by Termine into the next span (a vertical bar past a slab)
};

// One span of a bar to cut.
struct CampataFerro {
    float Inizio = 0.0f;
    float Fine = 0.0f;
    // The span as measured, which for a vertical segment is not always Fine -
    // Inizio to the last bit.
    float Lunghezza = 0.0f;
    bool ConGambaIniziale = false;
    float GambaIniziale = 0.0f;  // counted against the first piece
    FineCampata TipoFine = FineCampata::Libera;
    // The end leg or the run-on, counted in deciding whether to split. A whole
    // bar with no end leg still stops this far past Fine (a vertical bar whose
    // top leg is not positive comes short by it).
    float Termine = 0.0f;
    float LungMax = 0.0f;
    float Sovrapposizione = 0.0f;
    // Vertical bars lay a piece as a length from its start: the end of a
    // shortened piece and the label centres of full and shortened pieces
    // follow from the length, and a shortened piece is labelled with it.
    // Horizontal bars take a piece between its two ends and label a shortened
    // one with what is drawn.
    bool PezziDaLunghezza = false;
    // Vertical bars count a full piece as one bar of the maximum length,
    // rounded; horizontal bars count what is drawn.
    bool InteroComeBarraMassima = false;
};

enum class TipoPezzo {
    Unico,       // the bar is not split
    Intero,      // a full piece of the maximum length
    Accorciato,  // shortened, so that the last piece is long enough
    Ultimo,      // the last piece of a split bar
};

struct PezzoFerro {
    TipoPezzo Tipo = TipoPezzo::Unico;
    float Inizio = 0.0f;
    float Fine = 0.0f;
    bool GambaIniziale = false;
    bool GambaFinale = false;
    // The line runs on past Fine: in one line with the bar when it is whole,
    // as a stretch of its own after the last piece.
    float Prolunga = 0.0f;
    // The label, along the bar and across it.
    float CentroEtichetta = 0.0f;
    float ScostamentoEtichetta = 0.0f;
    // Written in the label instead of the length drawn, in whole cm.
    std::optional<float> LunghezzaScritta;
    // Counted into the bar's length instead of the length drawn.
    std::optional<int> LunghezzaContata;

    bool operator==(const PezzoFerro&) const = default;
};

// The pieces of the span in drawing order. The bar stays whole when it is
// shorter than the maximum length less its legs, when the maximum length is
// not above the lap or leaves no room for the shortened piece after the start
// leg, or when the split would take more than MassimoPezziFerro pieces.
std::vector<PezzoFerro> PianificaPezzi(const CampataFerro& campata);
