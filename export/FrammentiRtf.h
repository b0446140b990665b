#pragma once

#include <string>
#include <string_view>

// Pieces of the rich-text documents (information texts, bill of quantities).
// The writers join them in order with their own control words ("\par ",
// "\tab", "\cell", "\row"); nothing here keeps state. A flag is on when it is
// not zero.

// Text runs: black, red, blue and grey (colour indexes 0, 1, 2, 3 of the
// header). dimensione is in half-points; the text is copied unchanged.
[[nodiscard]] std::string RtfNero(std::string_view testo, int dimensione, int sottolineato, int grassetto);
[[nodiscard]] std::string RtfRosso(std::string_view testo, int dimensione, int sottolineato, int grassetto);
[[nodiscard]] std::string RtfBlu(std::string_view testo, int dimensione, int sottolineato, int grassetto);
[[nodiscard]] std::string RtfGrigio(std::string_view testo, int dimensione, int sottolineato, int grassetto);

// The document header with its font and colour tables; it opens the
// document group, which RtfFine closes.
[[nodiscard]] std::string RtfInizio();
[[nodiscard]] std::string RtfFine();

// Tab stops at a position in cm (568 twips a centimetre).
[[nodiscard]] std::string RtfTabDestra(float cm);
[[nodiscard]] std::string RtfTabCentro(float cm);

// A table row definition, to be followed by one RtfCella per cell from left
// to right; bordoDestro is the cell's right edge in twips from the row's left.
[[nodiscard]] std::string RtfRiga();
[[nodiscard]] std::string RtfCella(int bordoDestro);
