#pragma once

#include "model/Impostazioni.h"

#include <ostream>
#include <string>

struct HandleDxf;

// The TABLES section of the R2000 file, the first section written once every
// wall has been drawn: view, line types, layers, text style, registered
// applications, dimension styles and block records. Handles are drawn in the
// order the records are written; the block records name the dimension blocks
// recorded while drawing. The group-70 counts are the ones this format has
// always written, not always the number of records (LAYER: layers + 3,
// LTYPE: 3, BLOCK_RECORD: 6 + dimension blocks).
//
// numLayer: how many entries of the layer table are written (the export
// writes all NumLayer, whatever the DXF flags say); kept within the table.
// The dimension styles follow the text scale k = imp.ScalaTestiDxf.
void ScriviTablesDXF(std::ostream& sezioni, HandleDxf& handle, const Impostazioni& imp,
                     int numLayer = NumLayer);

// The VPORT table with its one fixed record "*Active".
void ScriviTabVport(std::ostream& sezioni, const HandleDxf& handle);

// One LAYER record; a layer named exactly "Defpoints" is not plotted.
void ScriviLayerDXF(std::ostream& sezioni, HandleDxf& handle, const std::string& nome,
                    int colore, const std::string& tipoLinea);

// The APPID table: nine registered applications.
void ScriviTabAppId(std::ostream& sezioni, HandleDxf& handle);

// One of the four dimension styles: the dimensions use "SC50", the bar
// lengths "Ferri50"; "SC25" and "Ferri25" measure half.
struct StileQuotaDxf {
    const char* Nome;
    float FattoreMisura;  // DIMLFAC times k: one model cm is 2 k drawing units
    int TestoSopra;       // DIMTAD
    int Decimali;         // DIMDEC
    int SenzaEstensioni;  // DIMSD1 and DIMSD2
    bool FrecciaKorvan;   // arrow "_FRECCIAKORVAN", else "_None"
};

inline constexpr StileQuotaDxf StiliQuotaDxf[] = {
    {.Nome = "SC50", .FattoreMisura = 0.5f, .TestoSopra = 1, .Decimali = 1, .SenzaEstensioni = 0,
     .FrecciaKorvan = true},
    {.Nome = "SC25", .FattoreMisura = 0.25f, .TestoSopra = 1, .Decimali = 1, .SenzaEstensioni = 0,
     .FrecciaKorvan = true},
    {.Nome = "Ferri50", .FattoreMisura = 0.5f, .TestoSopra = 0, .Decimali = 0,
     .SenzaEstensioni = 1, .FrecciaKorvan = false},
    {.Nome = "Ferri25", .FattoreMisura = 0.25f, .TestoSopra = 0, .Decimali = 0,
     .SenzaEstensioni = 1, .FrecciaKorvan = false},
};

// One DIMSTYLE record (handle in group 105), scaled by k.
void ScriviDimStyle(std::ostream& sezioni, const HandleDxf& handle, const std::string& hndStile,
                    const StileQuotaDxf& stile, float k);

// The DIMSTYLE table with the four styles scaled by k.
void ScriviTabDimStyle(std::ostream& sezioni, HandleDxf& handle, float k);

// The BLOCK_RECORD table: the five fixed blocks and every "*D" block recorded.
void ScriviTabBlockRecord(std::ostream& sezioni, const HandleDxf& handle);
