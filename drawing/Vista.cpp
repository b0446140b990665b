#include "drawing/Vista.h"

float XSchermo(const Vista& v, float x) { return (x - v.FinXmin) * v.Scala; }

float YSchermo(const Vista& v, float y) { return v.AltezzaTela - (y - v.FinYmin) * v.Scala; }

float XModello(const Vista& v, double xs) {
    return static_cast<float>(xs) / v.Scala + v.FinXmin;
}

float YModello(const Vista& v, double ys) {
    return v.FinYmin + (v.AltezzaTela - static_cast<float>(ys)) / v.Scala;
}
