#pragma once

#include <string>
#include <vector>

// Runs one of the reader scripts beside the export tests (python3-ezdxf) on a
// file and returns the lines it printed, followed by what the interpreter
// wrote on its error stream unless conErrori is false (then a warning of the
// interpreter is not a line of the reader). A script that fails throws with
// its exit status and everything it printed; one that could not start (no
// interpreter, no ezdxf module) is told as such, not as a wrong file.
std::vector<std::string> LeggiConScriptEzdxf(const std::string& script, const std::string& file,
                                             bool conErrori = true);
