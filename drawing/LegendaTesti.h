#pragma once

#include <string>

// Number texts of the legends. Blank-led: one blank before a number that is
// not negative, a whole value without a point, at most seven significant
// digits and no zero before the point (17.5 gives " 17.5", 0.5 gives " .5").
std::string NumeroConSpazio(int n);
std::string NumeroConSpazio(float x);

// "1", the diameter sign, the diameter and the spacing blank-led with "/"
// between them: "1Ø 12/ 20".
std::string TestoDiametroPasso(const std::string& segnoDiametro, int diametro, float passo);

// The area per metre of the printed diameter (mm) and spacing (cm), with one
// decimal and " cmq/m": "5.7 cmq/m" for 12 mm at 20 cm; 0.0 for a spacing
// of 0 or less.
std::string TestoAreaStrato(int diametro, float passo);
