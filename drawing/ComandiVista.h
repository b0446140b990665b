#pragma once

#include "drawing/Vista.h"
#include "model/Punto.h"

// Scale that fits the window into the canvas; 1.0 for a window without width or height.
float CalcolaScala(const Vista& v, float xmin, float ymin, float xmax, float ymax);

// Fits the window to the extents of the current view, then centres it.
void AdattaFinestra(Vista& v, const Rettangolo& Estensione);
// Centres the extents on the canvas along the axis that has room to spare.
void CentraFinestra(Vista& v, const Rettangolo& Estensione);

// One zoom step widens or narrows each span of the window by this fraction.
inline constexpr float PassoZoom = 0.1f;

// The widest a zoom out takes the window, cm on either axis: a fixed multiple
// of the extents of the view, and never wider than the whole range of
// coordinates on both sides of the wall's origin. Past it the window's
// coordinates would in the end overflow and the view could not come back.
[[nodiscard]] float CampataMassimaZoom(const Rettangolo& Estensione);
// How much of a widening by crescita (PassoZoom: each span 10 % wider) the
// window may take: all of it, less on the last step to the widest window,
// 0 once there.
[[nodiscard]] float CrescitaAmmessa(const Vista& v, float crescita, const Rettangolo& Estensione);
// Changes each span of the window by crescita times itself (a narrowing when
// negative), the fractions fx and fy of the change at the left and bottom
// edges, so that the point at that relative place stays where it is; then the
// scale of the new window.
void ScalaFinestra(Vista& v, float crescita, float fx, float fy);
// The current window becomes the previous one ("Vista precedente").
void SalvaVistaPrecedente(Vista& v);

// The view commands; none of them redraws. "Allontana" stops at the widest
// window of the extents, "Avvicina" at an x span of 0.3 cm; both keep the
// window's centre.
void VistaTotale(Vista& v, const Rettangolo& Estensione);    // "Vista totale"
void ZoomAllontana(Vista& v, const Rettangolo& Estensione);  // "Allontana"
void ZoomAvvicina(Vista& v);                                 // "Avvicina"
void VistaPrecedente(Vista& v);                              // "Vista precedente"

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
