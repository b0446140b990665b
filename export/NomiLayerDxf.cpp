#include "export/NomiLayerDxf.h"

#include "model/Codifica.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view CaratteriVietati = "<>/\\\":;?*|=`";

// Lower case of a Windows-1252 byte, as readers compare table names.
char Minuscola(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 0x20);
    switch (b) {
        case 0x8A: case 0x8C: case 0x8E: return static_cast<char>(b + 0x10);  // Š Œ Ž
        case 0x9F: return static_cast<char>(0xFF);                            // Ÿ
        default: return c;
    }
}

std::string Chiave(std::string nomeCp1252) {
    for (char& c : nomeCp1252) c = Minuscola(c);
    return nomeCp1252;
}

// On disk: a character the code page lacks is written as '?', itself forbidden.
bool NomeScrivibile(const std::string& nomeCp1252) {
    if (nomeCp1252.empty()) return false;
    for (char c : nomeCp1252) {
        const bool controllo = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        if (controllo || CaratteriVietati.find(c) != std::string_view::npos) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> LayerNonValido(const Impostazioni& imp) {
    std::vector<std::string> usati = {Chiave("0"), Chiave("Defpoints")};
    for (const std::string& nome : imp.NomiLayer) {
        const std::string suDisco = Utf8ACp1252(nome);
        const std::string chiave = Chiave(suDisco);
        if (!NomeScrivibile(suDisco)) return nome;
        for (const std::string& usato : usati)
            if (usato == chiave) return nome;
        usati.push_back(chiave);
    }
    return std::nullopt;
}

std::string MessaggioLayerNonValido(const std::string& nome) {
    return "Il nome del layer " + nome + " non \xC3\xA8 valido o \xC3\xA8 gi\xC3\xA0 usato.";
}
