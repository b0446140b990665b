#pragma once

#include "model/Punto.h"

struct Parete;

// The frame of one view of the sheet of sections: one axis along the section
// line, one across it. Values "along" are drawing coordinates (the origin of
// the view already added); values "across" are drawing coordinates of the
// other axis. A vertical section runs along y with its faces at x, a
// horizontal one along x with its faces at y.
struct TelaioSezione {
    bool Verticale = false;
    float Origine = 0.0f;  // drawing coordinate of abscissa 0 along the section
    float FacciaA = 0.0f;  // near face: left face of a vertical view, top face of a horizontal one
    float FacciaB = 0.0f;  // far face, a thickness away from face a
    float Verso = 0.0f;    // +1 or -1: from the view out towards the developed bars

    // Rows of the cut-bar markers inside the view.
    float RigaVicina = 0.0f;         // positions and distributed bars of "lato -"
    float RigaLontana = 0.0f;        // distributed bars of "lato +" (two meshes)
    float RigaLontanaPos = 0.0f;     // other positions (on the middle of a single mesh)
    float RigaCentrale = 0.0f;       // the distributed bars of a single mesh
    float LineaEtichette = 0.0f;     // labels of the far-face groups
    float RigaCordoloA = 0.0f;       // ring-beam bars near face a
    float RigaCordoloB = 0.0f;       // and near face b

    // Lines of the developed bars beside the view.
    float LineaPosMeno = 0.0f;       // positions "lato -" and ring beams
    float LineaPosPiu = 0.0f;        // positions "lato +"
    float LineaDiffusaMeno = 0.0f;   // distributed bars "lato -"

    // The drawing point of (along, across).
    [[nodiscard]] Punto P(float lungo, float attraverso) const;
    // The line of the distributed bars "lato +": beyond the positions when a
    // position lies in the plane (largo), otherwise nearer the view.
    [[nodiscard]] float LineaDiffusaPiu(float spessore, bool largo) const;
};

// A vertical view: left face at x, abscissa s drawn at y = yV + s.
TelaioSezione TelaioVerticale(const Parete& parete, float x, float yV);
// A horizontal view: top face at y, abscissa s drawn at x = x0 + s.
TelaioSezione TelaioOrizzontale(const Parete& parete, float x0, float y);
