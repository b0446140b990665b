#pragma once

#include <ostream>

struct HandleDxf;

// The HEADER section of the R2000 file: a fixed list of variables, the same in
// every export but for $HANDSEED, the one handle it draws. Write it after every
// other section (it still comes first in the file), so that the seed lies above
// every handle of the file.
void ScriviHeaderDXF(std::ostream& sezioni, HandleDxf& handle);
