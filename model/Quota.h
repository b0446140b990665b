#pragma once

#include <string>

// One dimension line of the drawing.
struct Quota {
    float X1 = 0.0f, Y1 = 0.0f;
    float X2 = 0.0f, Y2 = 0.0f;
    std::string Testo = {};
    int Vista = 0;  // view id where it shows, -1 every view
    float XA = 0.0f, YA = 0.0f;
    float XB = 0.0f, YB = 0.0f;

    bool operator==(const Quota&) const = default;
};

// One level mark of the automatic dimensioning.
struct QuotaLivello {
    float X = 0.0f, Y = 0.0f;
    float Valore = 0.0f;
    int Vista = 0;

    bool operator==(const QuotaLivello&) const = default;
};
