#include "Fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

std::string PercorsoFixture(const std::string& nome) {
    return std::string(KORVANE_FIXTURES) + "/" + nome;
}

std::string PercorsoEsempio(const std::string& nome) {
    return std::string(KORVANE_SAMPLES) + "/" + nome;
}

std::string Contenuto(const std::string& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Sostituisci(std::string testo, const std::string& vecchio, const std::string& nuovo) {
    const std::size_t dove = testo.find(vecchio);
    EXPECT_NE(dove, std::string::npos) << vecchio;
    if (dove != std::string::npos) testo.replace(dove, vecchio.size(), nuovo);
    return testo;
}

void DataDelleFixture(const std::string& percorso) {
    std::tm ora{};
    ora.tm_year = 2026 - 1900;
    ora.tm_mon = 11;
    ora.tm_mday = 8;
    ora.tm_hour = 22;
    ora.tm_min = 45;
    ora.tm_sec = 10;
    ora.tm_isdst = -1;
    const auto istante = std::chrono::system_clock::from_time_t(std::mktime(&ora));
    std::filesystem::last_write_time(percorso, std::chrono::file_clock::from_sys(istante));
}

CartellaTemporanea::CartellaTemporanea() {
    // A name already taken is drawn again, so the folder is always a fresh one.
    std::random_device casuale;
    do {
        percorso_ = std::filesystem::temp_directory_path() /
                    ("korvane-test-" + std::to_string(getpid()) + "-" + std::to_string(casuale()));
    } while (!std::filesystem::create_directory(percorso_));
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ignorato;
    std::filesystem::remove_all(percorso_, ignorato);
}

std::string CartellaTemporanea::Scrivi(const std::string& nome, const std::string& contenuto) const {
    const auto file = percorso_ / nome;
    std::ofstream uscita(file, std::ios::binary);
    uscita << contenuto;
    return file.string();
}
