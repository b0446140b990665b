#pragma once

#include <string>

struct Impostazioni;

// How the text of a dimension is written: the only number of the program
// that follows the user's locale.
struct FormatoQuote {
    int Decimali = 1;               // 0, 1 or 2; any other value gives no text
    int InMetri = 0;                // 1: the length in metres
    std::string Separatore = ".";   // decimal separator of the user's locale
};

// The decimal separator of the process locale (Qt sets it from the user's).
std::string SeparatoreDecimaleLocale();

// The settings' dimension decimals and unit, with the given separator.
FormatoQuote FormatoQuoteDa(const Impostazioni& imp,
                            std::string separatore = SeparatoreDecimaleLocale());

// The length of a dimension line as its text: fixed decimals, halves away
// from zero; empty for decimals other than 0, 1 and 2.
std::string TestoQuota(float lunghezza, const FormatoQuote& formato);
