#pragma once

#include <ostream>

struct HandleDxf;

// The R2000 sections are written once every wall has been drawn, in this
// order, each appended to the stream it is given:
//   body: ScriviTablesDXF, BLOCKS, ENTITIES, ScriviObjectsDXF, EOF;
//   then the file: ScriviHeaderDXF, ScriviClassesDXF, followed by the body.
// So every handle is drawn before the HEADER names the next free one.
//
// The HEADER section of the R2000 file: a fixed list of variables, the same in
// every export but for $HANDSEED, the one handle it draws. Write it after every
// other section (it still comes first in the file), so that the seed lies above
// every handle of the file.
void ScriviHeaderDXF(std::ostream& sezioni, HandleDxf& handle);
