#pragma once

#include "model/Esito.h"

#include <filesystem>
#include <string>
#include <string_view>

// Name and file of the saved bill of quantities.

// The name proposed while no wall has named the bill in the run.
inline constexpr std::string_view NomeComputoPredefinito = "ComputoParete.rtf";

// The name the save dialog proposes: fileRelazione, or the default name when empty.
[[nodiscard]] std::string NomeComputoProposto(const std::string& fileRelazione);

// Writes the bill (UTF-8 RTF text) to percorso in Windows-1252, replacing the
// file atomically; on failure nothing is written and the outcome says why.
Esito SalvaComputo(const std::filesystem::path& percorso, std::string_view testoRtf);
