#pragma once

#include "model/ScritturaAtomica.h"

#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

// A DXF file being exported, held in memory until it is written whole: the
// entity stream and the block stream that the entity writer fills while the
// drawing is made, for the sections that are assembled around them at the end.
class FileDxf {
public:
    std::ostream& Entita() { return entita_; }
    std::ostream& Blocchi() { return blocchi_; }
    std::string_view TestoEntita() const { return entita_.view(); }
    std::string_view TestoBlocchi() const { return blocchi_.view(); }

private:
    std::ostringstream entita_;
    std::ostringstream blocchi_;
};

// The ENTITIES section around the entity stream.
void ScriviEntitiesDXF(std::ostream& sezioni, const FileDxf& file);
void ScriviEofDXF(std::ostream& sezioni);

// The whole file: its sections in order, then EOF. So far the ENTITIES
// section alone; HEADER, TABLES and BLOCKS take their places in front of it.
std::string TestoFileDxf(const FileDxf& file);

// Assembles the file and writes it in one go through the atomic writer.
Esito ScriviFileDxf(const std::filesystem::path& percorso, const FileDxf& file);
