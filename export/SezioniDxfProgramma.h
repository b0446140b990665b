#pragma once

#include "export/CorniceDxf.h"

struct Impostazioni;

// The program's own HEADER, CLASSES, TABLES (every layer of the table) and
// OBJECTS of an R2000 file, for the assembly of the frame.
class SezioniDxfProgramma : public SezioniDxfR2000 {
public:
    explicit SezioniDxfProgramma(const Impostazioni& imp) : imp_(imp) {}

    void ScriviHeader(std::ostream& sezioni, HandleDxf& handle) override;
    void ScriviClasses(std::ostream& sezioni, HandleDxf& handle) override;
    void ScriviTables(std::ostream& sezioni, HandleDxf& handle) override;
    void ScriviObjects(std::ostream& sezioni, HandleDxf& handle) override;

private:
    const Impostazioni& imp_;
};
