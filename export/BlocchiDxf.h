#pragma once

#include <ostream>
#include <string>
#include <string_view>

struct HandleDxf;

// Writes the records of the fixed blocks of an R2000 file. Every record draws
// a new handle from the allocator and names as owner (group 330) the block
// record of its block; coordinates are in block units with 8 decimals.
class ScrittoreBlocchi {
public:
    ScrittoreBlocchi(std::ostream& sezioni, HandleDxf& handle)
        : sezioni_(sezioni), handle_(handle) {}

    // BLOCK of an arrow block: group 1 repeats the name.
    void BloccoInizio(const std::string& nome, const std::string& layer,
                      const std::string& proprietario);
    void BloccoLinea(float x1, float y1, float x2, float y2, const std::string& layer,
                     const std::string& proprietario);
    void BloccoCerchio(float xc, float yc, float raggio, const std::string& layer,
                       const std::string& proprietario);
    void BloccoFine(const std::string& layer, const std::string& proprietario);
    // The empty block "_None": BLOCK with an empty group 1, then ENDBLK.
    void ScriviBloccoNone(const std::string& layer, const std::string& proprietario);
    // "*Model_Space" or "*Paper_Space": empty, the latter marked as paper space.
    void BloccoSpazio(const std::string& nome, const std::string& proprietario, bool carta);

private:
    void Intestazione(const char* tipo, const std::string& layer, const std::string& proprietario,
                      const char* spazioCarta = nullptr);
    void Inizio(const std::string& nome, const std::string& layer, const std::string& proprietario,
                const std::string& percorso, const char* spazioCarta = nullptr);
    void Gruppo(int codice, const std::string& valore);

    std::ostream& sezioni_;
    HandleDxf& handle_;
};

// The three arrow blocks: "_FRECCIAKORVAN" (tick, last unit of the dimension
// line, circle), "_NOFRECCIA" (the unit line) and the empty "_None".
void ScriviBlocchiFreccia(std::ostream& sezioni, HandleDxf& handle, const std::string& layer);

// The whole BLOCKS section: the two layout blocks, the arrow blocks and the
// anonymous dimension blocks the entity writer collected, copied unchanged.
// Draws fourteen handles of its own.
void ScriviBlocksDXF(std::ostream& sezioni, HandleDxf& handle, std::string_view blocchiQuote);
