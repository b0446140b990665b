#pragma once

#include <string_view>

// True when the text begins, blanks aside, with a number as ValoreTesto
// reads it (sign, decimal point or comma, digits): it tells a typed 0 from
// a box holding no number, which ValoreTesto also reads as 0.
[[nodiscard]] bool IniziaConNumero(std::string_view testo);
