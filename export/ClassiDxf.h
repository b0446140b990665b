#pragma once

#include <ostream>

// The CLASSES section of the R2000 file: twelve fixed CLASS records. It draws
// no handle; the export writes it right after the HEADER.
void ScriviClassesDXF(std::ostream& sezioni);
