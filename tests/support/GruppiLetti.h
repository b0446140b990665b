#pragma once

#include <string>
#include <vector>

// A DXF text split into its (code, value) groups, for checks on raw output.
struct GruppoLetto {
    int Codice = 0;
    std::string Valore;
};

std::vector<GruppoLetto> LeggiGruppi(const std::string& testoDxf);

// Values of every group with the given code, in order.
std::vector<std::string> ValoriDi(const std::vector<GruppoLetto>& gruppi, int codice);

// Runs the independent reader (python3-ezdxf) on a file and returns its lines.
std::vector<std::string> LeggiConEzdxf(const std::string& file);
