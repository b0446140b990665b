#pragma once

#include <string>

// Case-blind comparisons of file names, section names and keywords. Only the
// plain letters a-z change: names in UTF-8 keep their other bytes as they are.

std::string MaiuscoloAscii(std::string testo);
bool UgualiSenzaMaiuscole(const std::string& a, const std::string& b);
// Whether testo ends with fine, letter case aside.
bool FinisceSenzaMaiuscole(const std::string& testo, const std::string& fine);
