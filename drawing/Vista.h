#pragma once

#include "model/Punto.h"

#include <utility>

// Rectangle of canvas pixels, as the rubber band was last drawn.
struct RettangoloPixel {
    int Sinistra = 0;
    int Alto = 0;
    int Destra = 0;
    int Basso = 0;
};

// The view of the canvas: a window of model coordinates (cm) and a scale in
// pixels per cm, the previous window, the canvas size in pixels and the zoom
// rubber band. Nothing of it is stored in files.
struct Vista {
    float Scala = 1.0f;  // pixels per cm, the same on both axes
    float FinXmin = 0.0f, FinYmin = 0.0f, FinXmax = 0.0f, FinYmax = 0.0f;
    float FinPrecXmin = 0.0f, FinPrecYmin = 0.0f, FinPrecXmax = 0.0f, FinPrecYmax = 0.0f;

    // Canvas size in pixels, kept current by the window's resize handling.
    float LarghezzaTela = 0.0f;
    float AltezzaTela = 0.0f;  // also the screen y of the window's bottom edge

    // Zoom rubber band in pixels; BoxX1 = -1 means no box yet.
    int BoxX1 = -1, BoxY1 = 0, BoxX2 = 0, BoxY2 = 0;
    RettangoloPixel RettFocus;
};

// Model cm to canvas pixels.
float XSchermo(const Vista& v, float x);
float YSchermo(const Vista& v, float y);
// Canvas pixels (integer or fractional) to model cm.
float XModello(const Vista& v, double xs);
float YModello(const Vista& v, double ys);

// Exchanges two values; used to order end points and bounds.
template <typename T>
void Scambia(T& a, T& b) {
    std::swap(a, b);
}
