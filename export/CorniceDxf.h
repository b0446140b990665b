#pragma once

#include <filesystem>
#include <ostream>

// Temporary files of an export, in the working folder: the entity stream, the
// block stream and the assembled sections before the header is put in front.
std::filesystem::path FileEntitaDxf(const std::filesystem::path& cartellaLavoro);
std::filesystem::path FileBlocchiDxf(const std::filesystem::path& cartellaLavoro);
std::filesystem::path FileSezioniDxf(const std::filesystem::path& cartellaLavoro);

// Copies every line of a temporary file unchanged to the section stream, then
// deletes the file. Throws std::runtime_error when the file cannot be read.
void CopiaFileTemporaneo(const std::filesystem::path& file, std::ostream& sezioni);

// The ENTITIES section from the entity stream's temporary file (which it deletes).
void ScriviEntitiesDXF(std::ostream& sezioni, const std::filesystem::path& cartellaLavoro);
void ScriviEofDXF(std::ostream& sezioni);
