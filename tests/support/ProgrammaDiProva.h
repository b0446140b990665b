#pragma once

#include "drawing/Vista.h"
#include "model/Esito.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// A zone as the engineer tells it: diameter (mm) / spacing (cm).
struct ZonaVista {
    int diametro = 0;
    float passo = 0.0f;
    bool operator==(const ZonaVista&) const = default;
};
void PrintTo(const ZonaVista& z, std::ostream* os);

// One running program as the engine sees it: a session of its own with its
// window fake and an 800 x 600 canvas. Programs of one user share the profile
// folder and the folder under which undo histories keep their snapshots.
class ProgrammaDiProva {
public:
    ProgrammaDiProva(const std::filesystem::path& profilo, const std::filesystem::path& temporanea);

    // Opens a wall file as the open command does.
    [[nodiscard]] Esito Apri(const std::string& file);
    // One change with its undo step: a zone of additional bars "lato +" in a
    // box of its own (up to seven on a wall 500 cm wide).
    void AggiungiZona(int diametro, float passo);
    // The zones of the design, in order.
    std::vector<ZonaVista> Zone() const;

    Sessione sessione;
    Vista vista;
    FinestraRegistrata finestra;
};
