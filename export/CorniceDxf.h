#pragma once

#include "model/Esito.h"
#include "model/ScritturaAtomica.h"

#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

struct HandleDxf;
struct Impostazioni;

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

// The sections of an R2000 file that their own writers build around BLOCKS
// and ENTITIES. Each call appends one whole section; the handles it needs
// come from the allocator that drew those of the entities and blocks.
class SezioniDxfR2000 {
public:
    virtual ~SezioniDxfR2000() = default;
    virtual void ScriviHeader(std::ostream& sezioni, HandleDxf& handle) = 0;
    virtual void ScriviClasses(std::ostream& sezioni, HandleDxf& handle) = 0;
    virtual void ScriviTables(std::ostream& sezioni, HandleDxf& handle) = 0;
    virtual void ScriviObjects(std::ostream& sezioni, HandleDxf& handle) = 0;
};

// The whole R12 file: HEADER, TABLES with the layers of the table, BLOCKS,
// ENTITIES, EOF.
std::string TestoFileDxfR12(const FileDxf& file, const Impostazioni& imp);

// The whole R2000 file: HEADER, CLASSES, TABLES, BLOCKS, ENTITIES, OBJECTS,
// EOF. The sections draw their handles in the order TABLES, BLOCKS, OBJECTS
// and HEADER last, so that its handle seed lies above every handle.
std::string TestoFileDxfR2000(const FileDxf& file, HandleDxf& handle, SezioniDxfR2000& sezioni);

// Assemble the file in memory and write it in one go through the atomic
// writer: a failure, while assembling or writing, leaves an earlier file as it was.
// An R2000 drawing with more dimensions than its BLOCK_RECORD table can count
// is refused whole.
Esito ScriviFileDxfR12(const std::filesystem::path& percorso, const FileDxf& file,
                       const Impostazioni& imp);
Esito ScriviFileDxfR2000(const std::filesystem::path& percorso, const FileDxf& file,
                         HandleDxf& handle, SezioniDxfR2000& sezioni);
