#include "export/SezioniDxfProgramma.h"

#include "export/ClassiDxf.h"
#include "export/IntestazioneDxf.h"
#include "export/OggettiDxf.h"
#include "export/TabelleDxf.h"

void SezioniDxfProgramma::ScriviHeader(std::ostream& sezioni, HandleDxf& handle) {
    ScriviHeaderDXF(sezioni, handle);
}

void SezioniDxfProgramma::ScriviClasses(std::ostream& sezioni, HandleDxf&) {
    ScriviClassesDXF(sezioni);
}

void SezioniDxfProgramma::ScriviTables(std::ostream& sezioni, HandleDxf& handle) {
    ScriviTablesDXF(sezioni, handle, imp_);
}

void SezioniDxfProgramma::ScriviObjects(std::ostream& sezioni, HandleDxf& handle) {
    ScriviObjectsDXF(sezioni, handle);
}
