#include "export/CorniceDxf.h"

#include "export/GruppiDxf.h"
#include "model/Codifica.h"

#include <fstream>
#include <stdexcept>
#include <string>

std::filesystem::path FileEntitaDxf(const std::filesystem::path& cartellaLavoro) {
    return cartellaLavoro / "enties.tmp";
}

std::filesystem::path FileBlocchiDxf(const std::filesystem::path& cartellaLavoro) {
    return cartellaLavoro / "blk.tmp";
}

std::filesystem::path FileSezioniDxf(const std::filesystem::path& cartellaLavoro) {
    return cartellaLavoro / "DXFtmp.tmp";
}

void CopiaFileTemporaneo(const std::filesystem::path& file, std::ostream& sezioni) {
    {
        std::ifstream ingresso(file, std::ios::binary);
        if (!ingresso) throw std::runtime_error("File temporaneo mancante: " + file.string());
        std::string riga;
        while (LeggiRiga(ingresso, riga)) sezioni << riga << "\r\n";
        if (ingresso.bad()) throw std::runtime_error("Lettura non riuscita: " + file.string());
    }
    std::filesystem::remove(file);
}

void ScriviEntitiesDXF(std::ostream& sezioni, const std::filesystem::path& cartellaLavoro) {
    ScriviGruppo(sezioni, 0, "SECTION");
    ScriviGruppo(sezioni, 2, "ENTITIES");
    CopiaFileTemporaneo(FileEntitaDxf(cartellaLavoro), sezioni);
    ScriviGruppo(sezioni, 0, "ENDSEC");
}

void ScriviEofDXF(std::ostream& sezioni) { ScriviGruppo(sezioni, 0, "EOF"); }
