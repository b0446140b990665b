#pragma once

#include <optional>
#include <string>
#include <string_view>

struct Parete;
struct StatoInterfaccia;

// The display state that follows from the view mode, the face and the
// direction (ModoVista, LatoCorrente, DirezioneCorrente): StatoVista,
// TipoMappa, VistaCorrente, LatoAttivo, the colour-scale range of the
// required-area and excess maps, and the extents of the view (the sheet's
// in the sheet preview, the elevation's otherwise). Values the mode does not
// concern are kept. Fitting the view and redrawing are the caller's.
void DerivaStatoVista(StatoInterfaccia& stato, Parete& parete);

// The extents of what the display state shows into Estensione, measured
// from what it draws: the sheet's in the sheet preview (view id 5); the
// elevation's with its title, dimensions, legend or table and the sections
// under it in the views of one elevation (0-3); the elevation's frame in the
// maps (display states 2-13). "Vista totale" fits them.
void AggiornaEstensioneVista(const StatoInterfaccia& stato, Parete& parete);

// True when the shown map has an editable colour-scale range (required area
// or excess): the modes whose range boxes follow the state.
[[nodiscard]] bool MappaConScala(const StatoInterfaccia& stato);

// "Default": the range of the shown map's own layer (required area: its
// largest and smallest required area; excess: its excess range; nil on a
// wall without nodes, which has no range), which from now on follows the
// data. Another map type keeps the range.
void ScalaDefault(StatoInterfaccia& stato, const Parete& parete);

// After a change of the design or an open: the range of a shown map with a
// range follows the data as "Default" gives it, unless the engineer typed it.
void SeguiDatiScala(StatoInterfaccia& stato, const Parete& parete);

// The text a range box shows for a value: two decimals with a point.
[[nodiscard]] std::string TestoScala(float valore);

// What the two range boxes show: the range in force, or nothing on a wall
// without nodes.
struct TestiScala {
    std::string Max;
    std::string Min;

    bool operator==(const TestiScala&) const = default;
};
[[nodiscard]] TestiScala TestiRiquadroScala(const StatoInterfaccia& stato, const Parete& parete);

// What "Range" leaves in the two boxes: no value where the typed text was
// taken and stays as typed, the value in force where it was refused.
struct TestiScalaRifiutati {
    std::optional<std::string> Max;
    std::optional<std::string> Min;

    bool operator==(const TestiScalaRifiutati&) const = default;
};

// "Range": the typed lower end is taken when it is a number of 0 or more,
// then the typed upper end when it is a number at least the lower end in
// force (a decimal comma is accepted). A taken end makes the range the
// engineer's (ScalaImpostata). The view is kept.
[[nodiscard]] TestiScalaRifiutati ApplicaScala(StatoInterfaccia& stato, std::string_view testoMax,
                                                std::string_view testoMin);
