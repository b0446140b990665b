#pragma once

#include "TelaRegistrata.h"
#include "model/Parete.h"
#include "model/Punto.h"

#include <string>
#include <vector>

// A bench for the sheet of sections: a rectangular wall with the
// reinforcement directions along the axes at 90 degrees, 20 cm thick with
// 3 cm cover and 10 mm bars at 20 cm on all layers, whose view height
// (YmaxCornice - YminCornice) is the wall height; drawn into the recording
// DXF stream (R2000) at scale 1, so entities read back in model cm.
struct TavolaDiProva {
    explicit TavolaDiProva(float larghezza = 500.0f, float altezza = 300.0f);

    BancoDisegno Banco;
    Parete P;

    // Section lines 25 beyond the wall, appended in the order given.
    void Verticale(float x);
    void Orizzontale(float y);
    void Sezione(Punto da, Punto a, int orizzontale);
    // A zone position with the given polygon (clockwise open ring); returns its index.
    int Zona(const std::vector<Punto>& poligono, int tipo, int direzione, int diametro = 12,
             float passo = 20.0f);
    // The rectangle x1..x2, y1..y2 as a zone.
    int Rettangolo(float x1, float y1, float x2, float y2, int tipo, int direzione,
                   int diametro = 12, float passo = 20.0f);

    void Disegna(float x0, float y0);

    // Left faces of the vertical views and top faces of the horizontal ones,
    // from their end edges, in drawing order without repeats.
    std::vector<float> FacceVerticali() const;
    std::vector<float> FacceOrizzontali() const;
    // Centres of the markers (circles of radius 0.6).
    std::vector<Punto> Marcatori() const;
    // Lines on a layer; on "QUOTE" the marker crosses (4 cm arms) are left out.
    std::vector<EntitaDxf> Linee(const std::string& layer) const;
    // Texts on "TESTO_FERRI" that start with prefisso and carry no length ("L=").
    std::vector<EntitaDxf> Etichette(const std::string& prefisso) const;
    // Texts on "TESTO_FERRI" that contain parte.
    std::vector<EntitaDxf> TestiCon(const std::string& parte) const;
};
