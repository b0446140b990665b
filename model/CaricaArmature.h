#pragma once

#include <string>

// Name of the reinforcement file beside a wall file NAME.SET: NAME.ARS, with
// the extension in the letter case of the wall file's own (name.set gives
// name.ars). Empty when the path does not end in ".SET" in any letter case.
std::string NomeFileArmature(const std::string& percorsoParete);

// The existing reinforcement file of a wall file: NomeFileArmature when that
// file exists, else a file in the same folder whose name differs from it only
// in letter case. Empty when there is none.
std::string TrovaFileArmature(const std::string& percorsoParete);
