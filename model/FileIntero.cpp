#include "model/FileIntero.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

std::optional<std::string> LeggiFileIntero(const std::string& percorso) {
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore)) return std::nullopt;
    std::ifstream file(percorso, std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    // One read of the size the file has now, then whatever it grew by since.
    const std::streamoff dimensione = file.tellg();
    file.seekg(0);
    std::string contenuto(dimensione > 0 ? static_cast<std::size_t>(dimensione) : 0, '\0');
    file.read(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
    contenuto.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) return std::nullopt;
    if (file)
        contenuto.append(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) return std::nullopt;
    return contenuto;
}

bool FileScomparso(const std::string& percorso) {
    std::error_code errore;
    const auto tipo = std::filesystem::status(percorso, errore).type();
    return tipo == std::filesystem::file_type::not_found;
}
