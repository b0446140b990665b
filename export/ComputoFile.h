#pragma once

#include "model/Esito.h"

#include <filesystem>
#include <string>
#include <string_view>

// Name and file of the saved bill of quantities.

// The name proposed while no DXF file has been chosen in the run.
inline constexpr std::string_view NomeComputoPredefinito = "ComputoParete.rtf";

// The report name that follows a DXF file: the same path with only the
// extension of the file's name changed to "rtf" ("A.B.DXF" gives "A.B.rtf");
// empty while no DXF file has been chosen.
[[nodiscard]] std::string FileRelazioneDaDxf(const std::string& fileDxf);

// The name the save dialog proposes: fileRelazione, or the default name when empty.
[[nodiscard]] std::string NomeComputoProposto(const std::string& fileRelazione);

// Writes the bill (UTF-8 RTF text) to percorso in Windows-1252, replacing the
// file atomically; on failure nothing is written and the outcome says why.
Esito SalvaComputo(const std::filesystem::path& percorso, std::string_view testoRtf);
