#include "export/CorniceDxf.h"

#include "export/GruppiDxf.h"

void ScriviEntitiesDXF(std::ostream& sezioni, const FileDxf& file) {
    ScriviGruppo(sezioni, 0, "SECTION");
    ScriviGruppo(sezioni, 2, "ENTITIES");
    sezioni << file.TestoEntita();
    ScriviGruppo(sezioni, 0, "ENDSEC");
}

void ScriviEofDXF(std::ostream& sezioni) { ScriviGruppo(sezioni, 0, "EOF"); }

std::string TestoFileDxf(const FileDxf& file) {
    std::ostringstream testo;
    ScriviEntitiesDXF(testo, file);
    ScriviEofDXF(testo);
    return std::move(testo).str();
}

Esito ScriviFileDxf(const std::filesystem::path& percorso, const FileDxf& file) {
    return ScriviFileAtomico(percorso, TestoFileDxf(file));
}
