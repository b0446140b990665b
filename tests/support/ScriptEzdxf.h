#pragma once

#include <string>
#include <vector>

// Runs a reader script of tests/export (python3-ezdxf) on a file and returns
// its output lines; throws when the reader fails on the file.
std::vector<std::string> EseguiScriptEzdxf(const std::string& script, const std::string& file);
