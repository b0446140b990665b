#pragma once

#include <string>

// The wall path given on the command line, as start-up uses it: a double quote
// at its start and one at its end are removed; the path is kept only when it
// names an existing file whose extension is ".SET" (any letter case);
// otherwise the result is empty and start-up goes on without a wall.
std::string FiltraApici(const std::string& rigaComando);
