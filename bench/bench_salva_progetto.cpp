// Time of saving and reopening a generated wall with 200 additional-
// reinforcement zones: the save (missing areas, the "VERIFICA" block of every
// node, the reinforcement file, both replaced atomically), the reopening of
// the saved project (wall file, reinforcement file, areas, extents, view fit,
// quantities), one undo snapshot of the design and its reading back, as an
// undo does it.

#include "design/CaricaProgetto.h"
#include "design/SalvaParete.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include "GrigliaZoneBench.h"
#include "SupportoBench.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

// The generated wall with the section that the save replaces.
std::string ConSezioneProgetto(const std::string& file) {
    std::ofstream(file, std::ios::binary | std::ios::app) << "PROGETTO\r\n";
    return file;
}

// The wall open with its 200 zones, saved once, so that its reinforcement
// file holds them.
bool Prepara(benchmark::State& stato, Sessione& s, Vista& vista, const std::string& file) {
    FinestraMuta finestra;
    vista.LarghezzaTela = 1200.0f;
    vista.AltezzaTela = 800.0f;
    if (!CaricaProgetto(s, file, vista, finestra).Riuscito()) {
        stato.SkipWithError("apertura fallita");
        return false;
    }
    AggiungiZoneGriglia(s.parete, 20, 10);
    const Esito salvata = SalvaParete(s, file, finestra);
    if (!salvata.Riuscito()) {
        stato.SkipWithError(("salvataggio fallito: " + salvata.Motivo).c_str());
        return false;
    }
    return true;
}

std::uintmax_t Byte(const std::string& file) {
    std::error_code errore;
    const auto byte = std::filesystem::file_size(file, errore);
    return errore ? 0 : byte;
}

void Salva(benchmark::State& stato, const std::string& file) {
    Sessione s;
    Vista vista;
    if (!Prepara(stato, s, vista, file)) return;
    FinestraMuta finestra;
    for (auto _ : stato) {
        if (!SalvaParete(s, file, finestra).Riuscito()) {
            stato.SkipWithError("salvataggio fallito");
            return;
        }
    }
    stato.counters["nodi"] = s.parete.NumNodi;
    stato.counters["byte_parete"] = static_cast<double>(Byte(file));
    stato.counters["byte_armature"] =
        static_cast<double>(Byte(file.substr(0, file.size() - 3) + "ars"));
}

void Riapri(benchmark::State& stato, const std::string& file) {
    Sessione s;
    Vista vista;
    if (!Prepara(stato, s, vista, file)) return;
    FinestraMuta finestra;
    for (auto _ : stato) {
        if (!CaricaProgetto(s, file, vista, finestra).Riuscito() || s.parete.UltPosizione != 199) {
            stato.SkipWithError("riapertura fallita");
            return;
        }
    }
    stato.counters["nodi"] = s.parete.NumNodi;
}

void Istantanea(benchmark::State& stato, const std::string& file) {
    Sessione s;
    Vista vista;
    if (!Prepara(stato, s, vista, file)) return;
    FinestraMuta finestra;
    for (auto _ : stato) MemorizzaModifica(s, finestra);
    SvuotaAnnulla(s.storia);
}

void RileggiIstantanea(benchmark::State& stato, const std::string& file) {
    Sessione s;
    Vista vista;
    if (!Prepara(stato, s, vista, file)) return;
    const std::string nome = NomeFileTmp(0, PrefissoIstantanee);
    if (!SalvaStatoTmp(s, nome).Riuscito()) {
        stato.SkipWithError("istantanea non scritta");
        return;
    }
    for (auto _ : stato) {
        if (!CaricaStatoTmp(s, nome).Riuscito() || s.parete.UltPosizione != 199) {
            stato.SkipWithError("istantanea non letta");
            return;
        }
    }
    SvuotaAnnulla(s.storia);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    try {
        const CartellaBench cartella;
        const std::string file = ConSezioneProgetto(GeneraParete(cartella.Percorso(), 16000));
        benchmark::RegisterBenchmark("SalvaParete_200zone/16000", Salva, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("RiapriProgetto_200zone/16000", Riapri, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("IstantaneaAnnulla_200zone/16000", Istantanea, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("RileggiIstantanea_200zone/16000", RileggiIstantanea, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
