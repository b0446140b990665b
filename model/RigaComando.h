#pragma once

#include <string>

// The wall path given on the command line, as start-up uses it. A double
// quote at its start is dropped; one at its end only when it is the only
// quote left, so a quoted path followed by a further argument keeps its
// closing quote and names no file. The path must name an existing file whose
// file name holds ".SET" (any letter case); the file name is then cut after
// its first ".SET", so "W.SET.BAK" opens the wall file "W.SET" beside it
// (a ".SET" in a folder name does not count). Empty, and start-up goes on
// without a wall, when either file is missing or the name holds no ".SET".
[[nodiscard]] std::string FiltraApici(const std::string& rigaComando);
