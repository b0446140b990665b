#pragma once

#include <ostream>

struct HandleDxf;

// The OBJECTS section of the R2000 file: the root dictionary and its
// dictionaries, the two layouts ("Foglio 1" and the model space's "Model"),
// the multiline style, the plot-style placeholder, the dictionary variables and
// the drawing properties. Its nineteen handles are drawn together before
// anything is written; the export calls it after ENTITIES.
void ScriviObjectsDXF(std::ostream& sezioni, HandleDxf& handle);
