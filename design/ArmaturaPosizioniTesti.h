#pragma once

#include <string>

// Texts of the label of an additional-reinforcement zone.

// Length text of one bar of l cm: l itself when it fits in one piece
// ("480"), else every full piece of lungMax and the last piece, which carries
// the rest plus one lap per joint, rounded up to 5 cm ("1200+310",
// "600+600+275"). A maximum of 0 or less, or one that would write more full
// pieces than a split draws (MassimoPezziFerro), leaves the length unsplit.
std::string TestoLunghezzaBarra(float l, float lungMax, int sovrapposizione);

// The two label lines of a zone.
struct TestiEtichetta {
    std::string Riga1;
    std::string Riga2;

    bool operator==(const TestiEtichetta&) const = default;
};

// What the sweep of a zone found: its bars and their extreme lengths, cm.
struct BarreZona {
    int Numero = 0;
    float Minima = 0.0f;
    float Massima = 0.0f;
};

// Description (count, diameter sign, diameter "/" spacing) and length text
// ("L=480", "L var. min.250, max.480"): on one line when the length text is
// shorter than 7 characters, else on two. A zone without bars has none.
TestiEtichetta TestiEtichettaZona(const BarreZona& barre, int diametro, float passo,
                                  float lungMax, int sovrapposizione);
