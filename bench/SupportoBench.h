#pragma once

// What every benchmark program needs around the engine: a window that shows
// nothing, a scratch folder, generated walls, and reading one into a session.

#include "design/LeggiParete.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Answers every question with No and shows nothing: the engine must not wait
// for a user.
class FinestraMuta final : public InterfacciaFinestra {
public:
    void Messaggio(const std::string&, const std::string&, IconaMessaggio) override {}
    bool Domanda(const std::string&, const std::string&, IconaMessaggio) override { return false; }
    Risposta DomandaAnnullabile(const std::string&, const std::string&, IconaMessaggio) override {
        return Risposta::No;
    }
    void SelezionaLatoMeno() override {}
    void MostraPulsantiLato(bool) override {}
    void MostraEtichettaMagliaUnica(bool) override {}
    void ImpostaTitolo(const std::string&) override {}
    void CursoreAttesa(bool) override {}
    void MostraCaricamento(const std::vector<std::string>&) override {}
    std::optional<std::string> ScegliFileDaAprire(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ScegliFileDaSalvare(const std::string&, const std::string&,
                                                   const std::string&) override {
        return std::nullopt;
    }
    void PanelDiffusa() override {}
    void AggiornaDopoModifica() override {}
    void MostraRiquadroScala(bool) override {}
};

// A fresh folder under the system temporary folder, removed on destruction.
class CartellaBench {
public:
    CartellaBench() {
        std::string modello = (std::filesystem::temp_directory_path() / "korvane_bench_XXXXXX").string();
        if (mkdtemp(modello.data()) == nullptr) throw std::runtime_error("cartella temporanea non creata");
        percorso_ = modello;
    }
    ~CartellaBench() {
        std::error_code ignorato;
        std::filesystem::remove_all(percorso_, ignorato);
    }
    CartellaBench(const CartellaBench&) = delete;
    CartellaBench& operator=(const CartellaBench&) = delete;
    const std::filesystem::path& Percorso() const { return percorso_; }

private:
    std::filesystem::path percorso_;
};

// A wall of the given node count written by the generator into the folder.
inline std::string GeneraParete(const std::filesystem::path& cartella, int nodi) {
    const std::string file = (cartella / ("parete_" + std::to_string(nodi) + ".set")).string();
    const std::string comando = std::string("\"") + KORVANE_TOOLS_DIR + "/genera_parete\" --nodi " +
                                std::to_string(nodi) + " --uscita \"" + file + "\"";
    if (std::system(comando.c_str()) != 0) throw std::runtime_error("generatore fallito: " + comando);
    return file;
}

// Reads the wall into the session; false (with the reason in the benchmark) on failure.
inline bool Leggi(benchmark::State& stato, Sessione& s, const std::string& file) {
    FinestraMuta finestra;
    const Esito esito = LeggiParete(s, file, finestra);
    if (!esito.Riuscito() || s.parete.NumNodi < 1) {
        stato.SkipWithError(("lettura fallita: " + esito.Motivo).c_str());
        return false;
    }
    return true;
}

// The main of every benchmark program over generated walls: the options,
// then registra(file, "/nodes") for a wall of 500, 4,000 and 16,000 nodes,
// the run, and a non-zero status when a wall cannot be made.
template <typename Registra>
int EseguiSuPareti(int argc, char** argv, Registra registra) {
    benchmark::Initialize(&argc, argv);
    try {
        const CartellaBench cartella;
        for (const int nodi : {500, 4000, 16000})
            registra(GeneraParete(cartella.Percorso(), nodi), "/" + std::to_string(nodi));
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
