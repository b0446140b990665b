#pragma once

#include "model/LineaSezione.h"
#include "model/Nodo.h"
#include "model/PosizioneArm.h"
#include "model/Punto.h"
#include "model/Quota.h"
#include "model/SolaioParete.h"
#include "model/Triangolo.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The open wall in three blocks, each comparable as a whole. Member names are
// the program's documented names. Closed polygons hold elements 0 to N with
// element N repeating element 0. Names beginning with Ult are upper bounds
// (-1 = empty), names beginning with Num are counts.

// The wall's two files as this program last read or wrote them.
struct FileDellaParete {
    // The wall file's bytes: a save copies its head from here, since the file
    // may have been moved or deleted while the wall was open.
    std::string Parete;
    // The reinforcement file's bytes; nothing when there was none. With the
    // wall file's, what a save compares with the files in place to tell
    // another program's save.
    std::optional<std::string> Armature;
    // The design then, as the reinforcement-file writer puts it: an undo or a
    // redo that comes back to it leaves nothing to save.
    std::string Progetto;

    bool operator==(const FileDellaParete&) const = default;
};

// What the wall file gives: identity, outline, openings, section, directions,
// analysis nodes, and what comes with the wall rather than with its design.
struct DatiFileParete {
    std::string FileCorrente;    // empty when no wall file is open
    std::string CartellaLavoro;  // folder of the open wall, no trailing separator
    std::string DataFileSet;     // last-modified time of the wall file as text
    FileDellaParete FileNoti;    // empty for a wall that no file gave
    int NumeroParete = 0;
    int TipoStruttura = 0;

    std::vector<Punto> Contorno;
    int NumPuntiContorno = 0;  // 0 = no wall loaded
    float OrigineX = 0.0f;
    float OrigineY = 0.0f;

    // Openings: open rings stored one after the other in XAperture/YAperture.
    int NumAperture = 0;
    std::vector<int> PuntiApertura = std::vector<int>(1);
    std::vector<int> InizioApertura;
    std::vector<float> XAperture;
    std::vector<float> YAperture;

    // Section properties, cm.
    float SpessoreParete = 0.0f;
    float Copriferro = 0.0f;

    // Reinforcement directions as read, degrees and radians.
    float GradiArm1 = 0.0f, GradiArm2 = 0.0f;
    float AngoloArm1 = 0.0f, AngoloArm2 = 0.0f;

    int MagliaUnica = 0;      // -1 single central mesh, recognised from the nodes
    int DiamIntegrativa = 0;  // default diameter of a new additional zone, mm

    // Analysis nodes: one spare element after the last node. The missing
    // area inside each node is derived and rebuilt by the reinforcement tail.
    std::vector<Nodo> Nodi = std::vector<Nodo>(2);
    int NumNodi = 0;

    bool operator==(const DatiFileParete&) const = default;
};

// The design: exactly what the reinforcement file and the undo snapshots store.
struct ProgettoParete {
    // Distributed layers: diameter mm, spacing cm.
    int DiamDir1Piu = 0, DiamDir2Piu = 0, DiamDir1Meno = 0, DiamDir2Meno = 0;
    float PassoDir1Piu = 0.0f, PassoDir2Piu = 0.0f, PassoDir1Meno = 0.0f, PassoDir2Meno = 0.0f;
    int PiegaAncoraggio = 0;  // non-zero: single-mesh bars get end bends

    // Reinforcement perimeters (closed arrays).
    std::vector<Punto> PerimetroEsterno = std::vector<Punto>(2);
    int NumPuntiEst = 0;
    std::vector<Punto> PerimetroInterno;
    int NumPuntiInt = 0;

    // Positions with their zone polygons.
    std::vector<PosizioneArm> Posizioni = std::vector<PosizioneArm>(1);
    int UltPosizione = -1;
    std::vector<std::vector<Punto>> PoligoniPos =
        std::vector<std::vector<Punto>>(MaxPosizioniZona, std::vector<Punto>(1));

    // Slabs and transverse walls.
    std::vector<SolaioParete> Solai = std::vector<SolaioParete>(1);
    int UltSolaio = -1;
    std::vector<SolaioParete> ParetiTrasversali = std::vector<SolaioParete>(1);
    int UltParete = -1;

    // Section lines.
    std::vector<LineaSezione> Sezioni = std::vector<LineaSezione>(1);
    int UltSezione = -1;

    // Dimensions and level marks.
    std::vector<Quota> Quote = std::vector<Quota>(1);
    int UltQuota = -1;
    std::vector<QuotaLivello> QuoteLivello = std::vector<QuotaLivello>(1);
    int NumQuoteLivello = 0;

    bool operator==(const ProgettoParete&) const = default;
};

// What follows from the two blocks above and is rebuilt by the recompute tails.
struct DerivatiParete {
    double CosDir1 = 0.0, SinDir1 = 0.0;
    double CosDir2 = 0.0, SinDir2 = 0.0;

    // Provided area cm2/m, weight kg and length cm of the distributed layers.
    float AreaDir1Piu = 0.0f, AreaDir2Piu = 0.0f, AreaDir1Meno = 0.0f, AreaDir2Meno = 0.0f;
    float PesoDir1Piu = 0.0f, PesoDir2Piu = 0.0f, PesoDir1Meno = 0.0f, PesoDir2Meno = 0.0f;
    float LungDir1Piu = 0.0f, LungDir2Piu = 0.0f, LungDir1Meno = 0.0f, LungDir2Meno = 0.0f;
    std::array<float, 4> MaxRichiesta{};  // slot order
    std::array<float, 4> MinRichiesta{};  // slot order

    // Extents.
    float XminParete = 0.0f, YminParete = 0.0f, XmaxParete = 0.0f, YmaxParete = 0.0f;
    float XminCornice = 0.0f, YminCornice = 0.0f, XmaxCornice = 0.0f, YmaxCornice = 0.0f;
    float LarghezzaVista = 0.0f, AltezzaVista = 0.0f;
    float LarghezzaFoglio = 0.0f;
    Rettangolo EstPianta, EstTavola, Estensione;

    // Reinforcement contours (rebuilt from the outline, perimeters and openings).
    int NumPuntiArm = 0;
    std::vector<Punto> ContornoArmatura;
    std::vector<Punto> ContornoDir1;
    std::vector<Punto> ContornoDir2;
    std::vector<std::vector<Punto>> ForiArmatura;  // per opening, closed, clockwise
    Rettangolo EstArmDir1;  // ContornoArmatura in the frame of direction 1
    Rettangolo EstArmDir2;  // ContornoArmatura in the model frame

    // Triangles over the nodes for the colour maps.
    std::vector<Triangolo> Triangoli;
    int UltimoTriangolo = -1;

    bool operator==(const DerivatiParete&) const = default;
};

// The one open wall. The blocks are bases, so every member reads as parete.X.
struct Parete : DatiFileParete, ProgettoParete, DerivatiParete {
    // Opening accessors: vertex j of opening k.
    float XApertura(int k, int j) const { return XAperture[InizioApertura[k] + j]; }
    float YApertura(int k, int j) const { return YAperture[InizioApertura[k] + j]; }
    void AggiungiVerticeApertura(int k, int j, float x, float y);

    bool CaricataParete() const { return NumPuntiContorno > 0; }

    DatiFileParete& DatiFile() { return *this; }
    const DatiFileParete& DatiFile() const { return *this; }
    ProgettoParete& Progetto() { return *this; }
    const ProgettoParete& Progetto() const { return *this; }
    DerivatiParete& Derivati() { return *this; }
    const DerivatiParete& Derivati() const { return *this; }

    bool operator==(const Parete&) const = default;
};
