#pragma once

// FormatoDec and ArrotondaStr as they were before their digits moved from
// strings into fixed arrays: the reference that the equivalence tests hold
// the program's formatting to, byte for byte.

#include <string>

std::string FormatoDecRiferimento(float x, int n);
std::string ArrotondaStrRiferimento(float x, int n);
