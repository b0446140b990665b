#pragma once

#include "drawing/Vista.h"
#include "model/Punto.h"

// Scale that fits the window into the canvas; 1.0 for a window without width or height.
float CalcolaScala(const Vista& v, float xmin, float ymin, float xmax, float ymax);

// Fits the window to the extents of the current view, then centres it.
void AdattaFinestra(Vista& v, const Rettangolo& Estensione);
// Centres the extents on the canvas along the axis that has room to spare.
void CentraFinestra(Vista& v, const Rettangolo& Estensione);

// The view commands; none of them redraws.
void VistaTotale(Vista& v, const Rettangolo& Estensione);  // "Vista totale"
void ZoomAllontana(Vista& v);                              // "Allontana"
void ZoomAvvicina(Vista& v);                               // "Avvicina"
void VistaPrecedente(Vista& v);                            // "Vista precedente"

// "Zoom" and "Trascina" only arm an input mode; the canvas mouse handlers finish them.
void AvviaZoomFinestra(Vista& v, int& Modo, int& ModoPrec);
void AvviaTrascina(int& Modo, int& ModoPrec);

// Corrects the released rubber band to the canvas aspect ratio, keeping its
// centre and its larger side relative to the canvas.
void AdattaRettangoloZoom(Vista& v);
// Makes the rubber band the new window, keeping the old one as the previous
// view. A box without width or height changes nothing and gives false.
bool ZoomRettangolo(Vista& v);

// True when the pixel point lies within tol pixels of the screen image of the
// model segment (x1, y1)-(x2, y2).
bool VicinoSegmento(const Vista& v, float px, float py, float x1, float y1, float x2, float y2,
                    float tol);
