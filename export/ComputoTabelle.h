#pragma once

#include <string>

struct Parete;

// The tables of one wall's bill of quantities. Each one is the row and cell
// definition, the header row and the data rows, and ends by closing the
// table; every cell of a row, the last included, ends with "\cell". The
// tables of weighed rows add each row's weight to peso.

// A whole number as plain text, with the blank that stands for its sign when
// it is not negative (" 2", "-2").
[[nodiscard]] std::string InteroConSegno(int x);

// The distributed layers: four rows (two for a single-mesh wall, "lato -").
[[nodiscard]] std::string TabellaDiffusa(const Parete& parete);
// The additional zones: "lato +" then "lato -" (only "lato -" and no face
// column for a single-mesh wall).
[[nodiscard]] std::string TabellaPosizioni(const Parete& parete, float& peso);
// The four longitudinal bars of every ring beam.
[[nodiscard]] std::string TabellaCorrentiCordoli(const Parete& parete, float& peso);
// The stirrups of every ring beam.
[[nodiscard]] std::string TabellaStaffeCordoli(const Parete& parete, float& peso);
