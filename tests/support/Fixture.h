#pragma once

#include <filesystem>
#include <string>

// Path of a small fixture file kept beside the tests.
std::string PercorsoFixture(const std::string& nome);
// Path of a bundled sample wall.
std::string PercorsoEsempio(const std::string& nome);

// The whole file, bytes as stored.
std::string Contenuto(const std::string& percorso);
// The text with the first occurrence of vecchio replaced by nuovo; a missing
// vecchio fails the test, since the case would no longer test what it says.
std::string Sostituisci(std::string testo, const std::string& vecchio, const std::string& nuovo);

// Gives the file the last-modified time, 08/12/2026 22:45:10 local time,
// that the reinforcement fixtures carry for their wall file.
void DataDelleFixture(const std::string& percorso);

// A fresh empty folder under the system temporary folder, removed on destruction.
class CartellaTemporanea {
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
    const std::filesystem::path& Percorso() const { return percorso_; }
    // Writes text (bytes as given) to a file in the folder and returns its path.
    std::string Scrivi(const std::string& nome, const std::string& contenuto) const;

private:
    std::filesystem::path percorso_;
};
