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

// Area per metre of bars of the given diameter (mm) and spacing (cm), cm2/m,
// computed from what the legend prints beside it; a spacing of 0 or less
// gives 0 instead of a division.
float AreaDiametroPasso(int diametro, float passo);
// That area with one decimal and " cmq/m": "5.7 cmq/m" for 12 mm at 20 cm.
std::string TestoAreaStrato(int diametro, float passo);
